#include "line_fault.h"

#include <cstdarg>
#include <cstdio>

int ReportLineFault(WayFileLine& line, const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    line.FailFlag = 1;
    return 1;
}
