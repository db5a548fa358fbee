// Properties of cairnlog over a corpus of WayFiles: the committed fuzz
// seeds and examples, and any folder named in ROBUST_CORPUS (a fuzzer's
// grown corpus, say). Every input must end with status 0 or 1 and a
// failure must say why; every input that is accepted gives a well-formed
// (and, with positions in range, schema-valid) GPX file, a report whose
// rows all have nine fields (fifteen with the route card) and a PDF that
// qpdf accepts.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_run.h"
#include "judges.h"
#include "output_judges.h"

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* entry = ::readdir(dir)) {
            if (entry->d_name[0] != '.') files.push_back(folder + "/" + entry->d_name);
        }
        ::closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> Corpus() {
    std::vector<std::string> files;
    std::vector<std::string> folders = {SEEDS_DIR "/cairnlog", SEEDS_DIR "/wayfile", EXAMPLES_DIR};
    if (const char* extra = std::getenv("ROBUST_CORPUS")) folders.push_back(extra);
    for (const std::string& folder : folders) {
        std::vector<std::string> more = FilesIn(folder);
        files.insert(files.end(), more.begin(), more.end());
    }
    return files;
}

JUDGED_TEST(OutputProperties, EveryAcceptedWayFileGivesSoundOutputs, Judge::kXmllint, Judge::kQpdf) {
    std::vector<std::string> corpus = Corpus();
    ASSERT_FALSE(corpus.empty());
    int accepted = 0;
    for (const std::string& input : corpus) {
        ScratchDir dir;
        WriteFile(dir.File("walk.txt"), ReadFile(input));
        CliResult result = RunCli(CAIRNLOG_PATH, {"-g", "-r", "-p", "walk.txt"}, dir.path);
        ASSERT_TRUE(result.status == 0 || result.status == 1) << input << ": status " << result.status;
        if (result.status == 1) {
            EXPECT_FALSE(result.err.empty()) << input << ": a failure without a message";
            continue;
        }
        ++accepted;
        EXPECT_EQ(GpxFault(dir.File("walk.gpx"), SCHEMA_PATH), "") << input;
        EXPECT_EQ(ReportFault(dir.File("walkReport.txt")), "") << input;
        EXPECT_EQ(QpdfFault(dir.File("walkGuide.pdf")), "") << input;
        if (HasFailure()) break;  // one input's story is enough to read
    }
    std::printf("%d of %zu inputs accepted and judged\n", accepted, corpus.size());
    EXPECT_GT(accepted, 0);
}

}  // namespace
