// Test support: runs a built program in a scratch directory and captures
// its exit status, standard output and standard error byte for byte.
#pragma once

#include <string>
#include <vector>

struct CliResult {
    int status = -1;      // exit status, or 128 + signal number
    std::string out;
    std::string err;
};

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it
// when the object goes out of scope.
struct ScratchDir {
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string path;
    std::string File(const std::string& name) const { return path + "/" + name; }
};

// Runs program with args, its working directory set to workdir and its
// standard input empty. A fileSizeLimit above 0 caps, in bytes, every file
// the program writes (RLIMIT_FSIZE, with SIGXFSZ ignored, so that a write
// past it fails with EFBIG as on a full disk). An addressSpaceLimit above 0
// caps its memory (RLIMIT_AS), so that allocations past it fail; a program
// built with AddressSanitizer cannot start under such a limit. With
// CLI_PROGRAMS_DIR set, programs of the build's bin are run from there
// (here and in RunShell).
CliResult RunCli(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workdir, long fileSizeLimit = 0, long addressSpaceLimit = 0);

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);

// Runs a shell command line; returns its exit status and, when output is
// given, what it printed on standard output.
int RunShell(const std::string& command, std::string* output = nullptr);
