#include "line_batch.h"

LineBatch MakeLineBatch(std::FILE* file) {
    // Not zero-filled: a short output touches only the pages it fills.
    return LineBatch{file, std::unique_ptr<char[]>(new char[kLineBatchBytes])};
}

char* LineRoom(LineBatch& batch, size_t lineMax) {
    if (kLineBatchBytes - batch.Used < lineMax) WriteLineBatch(batch);
    return batch.Text.get() + batch.Used;
}

void LineDone(LineBatch& batch, const char* end) {
    batch.Used = static_cast<size_t>(end - batch.Text.get());
}

int WriteLineBatch(LineBatch& batch) {
    std::fwrite(batch.Text.get(), 1, batch.Used, batch.File);
    batch.Used = 0;
    return std::ferror(batch.File) ? 1 : 0;
}
