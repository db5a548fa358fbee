// The names of a cairnlog run's files: the WayFile as typed and the three
// outputs, empty when not asked for.
#pragma once

#include <string>

constexpr int kFilenameMax = 255;     // characters in an output name

struct FileNames {
    std::string WayFilename;
    char GpxFilename[kFilenameMax + 1] = {};
    char PdfFilename[kFilenameMax + 1] = {};
    char RptFilename[kFilenameMax + 1] = {};
};
