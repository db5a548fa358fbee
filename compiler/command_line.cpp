#include "command_line.h"

#include <cstdio>
#include <cstring>

#include "help_text.h"
#include "print_wrapped.h"
#include "text_line.h"
#include "utf8_text.h"

namespace {

// The file name of a -g, -p or -r argument: after its first "=", blanks and
// tabs skipped; empty when there is no "=".
const char* OptionFileName(const char* argument) {
    const char* equals = FindCharOrEnd(argument + 2, '=');
    return *equals ? SkipBlanks(equals + 1) : equals;
}

// Stores one output option. Returns 0, or 1 after the too-long message.
int TakeOutputOption(const char* argument, char* name, int& requested) {
    const char* fileName = OptionFileName(argument);
    size_t length = std::strlen(fileName);
    if (length == 0) {
        requested = 1;
        return 0;
    }
    if (length > static_cast<size_t>(kFilenameMax)) {
        std::fprintf(stderr, "Oops, command line filename too long: %s\n", fileName);
        return 1;
    }
    std::memcpy(name, fileName, length + 1);
    return 0;
}

// Arguments after the WayFile name are ignored, but a user who put options
// there expected them to work: each is named on standard error.
void WarnIgnoredArguments(int count, char** arguments) {
    for (int i = 0; i < count; ++i) {
        std::fprintf(stderr, "Warning: %s after the WayFile name is ignored (options go before it)\n", arguments[i]);
    }
}

// name becomes the WayFile name with suffix in place of its extension.
int DeriveName(const std::string& wayFilename, const char* suffix, char* name) {
    const char* start = wayFilename.c_str();
    const char* extension = FindExtension(start);
    size_t cut = *extension ? static_cast<size_t>(extension - 1 - start) : wayFilename.size();
    size_t suffixLength = std::strlen(suffix);
    if (cut + suffixLength > static_cast<size_t>(kFilenameMax)) {
        std::fprintf(stderr, "Oops, derived filename too long for %s\n", start);
        return 1;
    }
    std::memcpy(name, start, cut);
    std::memcpy(name + cut, suffix, suffixLength + 1);
    return 0;
}

}  // namespace

int ParseCommandLine(int argc, char** argv, FileNames& files, OutputRequests& requests, int& exitStatus) {
    if (argc < 2) {
        PrintWrapped(stdout, UsageText);
        exitStatus = 0;
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (argument[0] != '-') {
            files.WayFilename = argument;
            WarnIgnoredArguments(argc - i - 1, argv + i + 1);
            return 0;
        }
        if (std::strcmp(argument, "--version") == 0) {
            std::fputs("cairnlog " CAIRNLOG_VERSION "\n", stdout);  // the project's version, from CMake
            exitStatus = 0;
            return 1;
        }
        int failed = 0;
        switch (std::strcmp(argument, "--help") == 0 ? '?' : argument[1]) {
        case '?':
        case 'h':
            PrintWrapped(stdout, HelpText);
            exitStatus = 0;
            return 1;
        case 'g':
            failed = TakeOutputOption(argument, files.GpxFilename, requests.Gpx);
            break;
        case 'p':
            failed = TakeOutputOption(argument, files.PdfFilename, requests.Pdf);
            break;
        case 'r':
            failed = TakeOutputOption(argument, files.RptFilename, requests.Rpt);
            break;
        default:
            std::fprintf(stderr, "Unknown option %c\n", argument[1]);
            PrintWrapped(stderr, UsageText);
            failed = 1;
            break;
        }
        if (failed) {
            exitStatus = 1;
            return 1;
        }
    }
    std::fprintf(stderr, "Oops, no Wayfile given\n");
    PrintWrapped(stdout, UsageText);
    exitStatus = 1;
    return 1;
}

int DeriveOutputNames(const OutputRequests& requests, FileNames& files) {
    if (requests.Gpx && DeriveName(files.WayFilename, ".gpx", files.GpxFilename)) return 1;
    if (requests.Pdf && DeriveName(files.WayFilename, "Guide.pdf", files.PdfFilename)) return 1;
    if (requests.Rpt && DeriveName(files.WayFilename, "Report.txt", files.RptFilename)) return 1;
    return 0;
}

void SetDefaultTitle(const std::string& wayFilename, Settings& settings) {
    char* title = settings.Title;
    const char* name = wayFilename.c_str();
    std::snprintf(title, sizeof settings.Title, "%.*s", static_cast<int>(Utf8PrefixLength(name, kTitleMax)), name);
    char* extension = FindExtension(title);
    if (*extension) extension[-1] = '\0';
}
