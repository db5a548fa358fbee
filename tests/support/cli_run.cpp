#include "cli_run.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
    ::chmod(path, 0700);  // tests make unreadable files too
    return ::remove(path);
}

int ExitStatus(int waitStatus) {
    if (WIFEXITED(waitStatus)) return WEXITSTATUS(waitStatus);
    if (WIFSIGNALED(waitStatus)) return 128 + WTERMSIG(waitStatus);
    return -1;
}

// With CLI_PROGRAMS_DIR set, the programs there stand in for the ones the
// build put in its bin directory (the 32-bit build's, say): each path into
// bin, in a program, an argument or a shell command, becomes the same path
// into that directory.
std::string WithStandIns(std::string text) {
    const char* standIns = std::getenv("CLI_PROGRAMS_DIR");
    if (!standIns || !*standIns) return text;
    const std::string from = PROGRAMS_DIR "/";
    const std::string to = std::string(standIns) + "/";
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

}  // namespace

ScratchDir::ScratchDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/cairn-test-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    path = buffer.data();
}

ScratchDir::~ScratchDir() {
    ::nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

CliResult RunCli(const std::string& programPath, const std::vector<std::string>& programArgs,
                 const std::string& workdir, long fileSizeLimit, long addressSpaceLimit) {
    const std::string program = WithStandIns(programPath);
    std::vector<std::string> args;
    for (const std::string& arg : programArgs) args.push_back(WithStandIns(arg));
    ScratchDir capture;
    std::string outPath = capture.File("stdout");
    std::string errPath = capture.File("stderr");
    pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        int in = ::open("/dev/null", O_RDONLY);
        int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (in < 0 || out < 0 || err < 0 || ::chdir(workdir.c_str()) != 0) ::_exit(126);
        ::dup2(in, 0);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (fileSizeLimit > 0) {
            struct rlimit limit;
            limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(fileSizeLimit);
            if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
        }
        if (addressSpaceLimit > 0) {
            struct rlimit limit;
            limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(addressSpaceLimit);
            if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
        }
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(program.c_str()));
        for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int waitStatus = 0;
    ::waitpid(child, &waitStatus, 0);
    CliResult result;
    result.status = ExitStatus(waitStatus);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("can't write " + path);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool FileExists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

int RunShell(const std::string& command, std::string* output) {
    std::FILE* pipe = ::popen(WithStandIns(command).c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        if (output) output->append(buffer, n);
    }
    return ExitStatus(::pclose(pipe));
}
