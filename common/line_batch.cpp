#include "line_batch.h"

#include "output_file.h"

LineBatch MakeLineBatch(std::FILE* file) {
    LineBatch batch{file, std::vector<char>(kLargeOutputBuffer)};
    return batch;
}

char* LineRoom(LineBatch& batch, size_t lineMax) {
    if (batch.Text.size() - batch.Used < lineMax) WriteLineBatch(batch);
    return batch.Text.data() + batch.Used;
}

void LineDone(LineBatch& batch, const char* end) {
    batch.Used = static_cast<size_t>(end - batch.Text.data());
}

int WriteLineBatch(LineBatch& batch) {
    std::fwrite(batch.Text.data(), 1, batch.Used, batch.File);
    batch.Used = 0;
    return std::ferror(batch.File) ? 1 : 0;
}
