// Helpers for the front end's unit tests: a fresh run as the run sequence
// prepares it, and the reader fed from a text, with its messages captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "guide_layout.h"
#include "run_cairnlog.h"
#include "wayfile_reader.h"

// A run about to read "walk.txt", with start values and default page rows.
inline void PrepareRun(RunState& run) {
    run.files.WayFilename = "walk.txt";
    run.reading.WayFilename = "walk.txt";
    InitSymbolTable(run.symbols);
    run.settings.RowsPerColumn = RowsPerColumnOf(run.settings, run.settings.Bands);
}

// Reads text as the WayFile of run; returns what went to standard error.
inline std::string ReadText(RunState& run, const std::string& text) {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    testing::internal::CaptureStderr();
    ReadWayFile(file, run.reading, run.settings, run.symbols, run.waypoints);
    std::fclose(file);
    return testing::internal::GetCapturedStderr();
}
