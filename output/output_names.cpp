#include "output_names.h"

#include <cstdio>

#include "same_file.h"

namespace {

struct Output {
    const char* name;
    const char* label;
};

constexpr int kOutputs = 3;

void ListOutputs(const RunState& run, Output (&outputs)[kOutputs]) {
    outputs[0] = {run.GpxFilename, "GpxFilename"};
    outputs[1] = {run.PdfFilename, "PdfFilename"};
    outputs[2] = {run.RptFilename, "RptFilename"};
}

}  // namespace

int CheckOutputNames(const RunState& run) {
    Output outputs[kOutputs];
    ListOutputs(run, outputs);
    for (const Output& output : outputs) {
        if (output.name[0] != '\0' && SameFile(output.name, run.WayFilename.c_str())) {
            std::fprintf(stderr, "Oops, %s must be unique to WayFilename\n", output.label);
            return 1;
        }
    }
    return 0;
}

int CheckOutputsDistinct(const RunState& run) {
    Output outputs[kOutputs];
    ListOutputs(run, outputs);
    for (int first = 0; first < kOutputs; ++first) {
        for (int second = first + 1; second < kOutputs; ++second) {
            if (outputs[first].name[0] == '\0' || outputs[second].name[0] == '\0') continue;
            if (SameFile(outputs[first].name, outputs[second].name)) {
                std::fprintf(stderr, "Oops, %s and %s must be different files\n", outputs[first].label,
                             outputs[second].label);
                return 1;
            }
        }
    }
    return 0;
}
