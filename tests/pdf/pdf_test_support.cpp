#include "pdf_test_support.h"

#include <zlib.h>

#include <cstdlib>
#include <ctime>
#include <stdexcept>

void UseFixedClock(PdfWriter& pdf) {
    setenv("TZ", "UTC", 1);
    tzset();
    pdf.clockFixed = 1;
    pdf.clockSeconds = kTestClock;
}

TestDocument::TestDocument(const char* title, const char* footer, int capacity)
    : path(dir.File("test.pdf")) {
    UseFixedClock(pdf);
    if (PdfOpen(pdf, path.c_str(), title, nullptr, nullptr, nullptr, footer, capacity, 612, 792) != 0)
        throw std::runtime_error("PdfOpen failed");
}

TestDocument::~TestDocument() { PdfClose(pdf); }

std::string TestDocument::Close() {
    PdfClose(pdf);
    return ReadFile(path);
}

std::string PageContent(const PdfWriter& pdf) { return std::string(pdf.content, pdf.contentLength); }

std::string Inflate(const std::string& data) {
    std::string out(data.size() * 20 + 1024, '\0');
    uLongf size = static_cast<uLongf>(out.size());
    if (uncompress(reinterpret_cast<Bytef*>(&out[0]), &size,
                   reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size())) != Z_OK)
        throw std::runtime_error("stream does not inflate");
    out.resize(size);
    return out;
}

std::vector<std::string> Streams(const std::string& document, bool flate) {
    std::vector<std::string> streams;
    for (std::size_t at = document.find("stream\r\n"); at != std::string::npos;
         at = document.find("stream\r\n", at)) {
        if (at >= 3 && document.compare(at - 3, 3, "end") == 0) {
            at += 8;
            continue;
        }
        std::size_t start = at + 8;
        std::size_t end = document.find("endstream\r\n", start);
        std::string data = document.substr(start, end - start);
        streams.push_back(flate ? Inflate(data) : data);
        at = end + 11;
    }
    return streams;
}

std::string CrossReferenceFault(const std::string& document) {
    std::size_t marker = document.rfind("startxref\r\n");
    if (marker == std::string::npos) return "no startxref";
    std::size_t xref = std::strtoul(document.c_str() + marker + 11, nullptr, 10);
    if (document.compare(xref, 6, "xref\r\n") != 0) return "startxref misses the table";
    char* end = nullptr;
    long count = std::strtol(document.c_str() + xref + 8, &end, 10);  // after "0 "
    std::size_t line = document.find("\r\n", xref + 6) + 2;
    for (long object = 0; object < count; ++object, line += 20) {
        std::string entry = document.substr(line, 20);
        if (entry.size() != 20 || entry[10] != ' ' || entry[16] != ' ' || entry.compare(18, 2, "\r\n") != 0)
            return "entry " + std::to_string(object) + " is not a 20-byte line: " + entry;
        if (entry[17] != 'n') continue;
        std::size_t offset = std::strtoul(entry.c_str(), nullptr, 10);
        std::string head = std::to_string(object) + " 0 obj\r\n";
        if (document.compare(offset, head.size(), head) != 0)
            return "entry " + std::to_string(object) + " misses its object";
    }
    if (document.compare(line, 9, "trailer\r\n") != 0) return "no trailer after the table";
    return "";
}
