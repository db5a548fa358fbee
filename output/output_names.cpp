#include "output_names.h"

#include <cstdio>

#include "same_file.h"

namespace {

struct Output {
    const char* name;
    const char* label;
};

constexpr int kOutputs = 3;

void ListOutputs(const FileNames& files, Output (&outputs)[kOutputs]) {
    outputs[0] = {files.GpxFilename, "GpxFilename"};
    outputs[1] = {files.PdfFilename, "PdfFilename"};
    outputs[2] = {files.RptFilename, "RptFilename"};
}

}  // namespace

int CheckOutputNames(const FileNames& files) {
    Output outputs[kOutputs];
    ListOutputs(files, outputs);
    for (const Output& output : outputs) {
        if (output.name[0] != '\0' && SameFile(output.name, files.WayFilename.c_str())) {
            std::fprintf(stderr, "Oops, %s must be unique to WayFilename\n", output.label);
            return 1;
        }
    }
    return 0;
}

int CheckOutputsDistinct(const FileNames& files) {
    Output outputs[kOutputs];
    ListOutputs(files, outputs);
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
