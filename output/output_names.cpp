#include "output_names.h"

#include <cstdio>

#include "same_file.h"

int CheckOutputNames(const RunState& run) {
    struct Output {
        const char* name;
        const char* label;
    };
    const Output outputs[] = {
        {run.GpxFilename, "GpxFilename"},
        {run.PdfFilename, "PdfFilename"},
        {run.RptFilename, "RptFilename"},
    };
    for (const Output& output : outputs) {
        if (output.name[0] != '\0' && SameFile(output.name, run.WayFilename.c_str())) {
            std::fprintf(stderr, "Oops, %s must be unique to WayFilename\n", output.label);
            return 1;
        }
    }
    return 0;
}
