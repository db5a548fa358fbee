// Running out of memory ends a run the same way in every program: one
// message and status 1, from the new handler or wherever a library says so.
#pragma once

// Prints "Oops, can't get memory" on standard error and exits with status 1.
[[noreturn]] void ExitOutOfMemory();
