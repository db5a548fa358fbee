// Whether two path names lead to the same file, so that no output of a run
// is ever written over the input it is reading.
#pragma once

// True when the names are equal byte for byte, or when both name existing
// files with the same device and inode (./walk.txt and walk.txt, a hard
// link, a symbolic link). A name that does not exist yet is never the same
// file as another name.
bool SameFile(const char* first, const char* second);
