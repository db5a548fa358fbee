// Test support for the PDF writer: documents opened in a scratch folder at a
// fixed time, the bytes of the current page, inflated streams, a walk over
// the cross-reference table.
#pragma once

#include <string>
#include <vector>

#include "Pdf.h"
#include "cli_run.h"
#include "judges.h"

constexpr long long kTestClock = 1700000000;  // 2023-11-14 22:13:20 UTC

// A writer with a document open at dir/name, its clock fixed and the time
// zone UTC, so that whole documents compare byte for byte.
struct TestDocument {
    explicit TestDocument(const char* title = "Test", const char* footer = nullptr,
                          int capacity = 0);
    ~TestDocument();
    std::string Close();  // PdfClose, then the file's bytes
    ScratchDir dir;
    std::string path;
    PdfWriter pdf;
};

void UseFixedClock(PdfWriter& pdf);

// The current page's content so far.
std::string PageContent(const PdfWriter& pdf);

// Inflates one Flate stream.
std::string Inflate(const std::string& data);

// The data between "stream\r\n" and "endstream" of every stream, in file
// order, inflated when flate is true.
std::vector<std::string> Streams(const std::string& document, bool flate);

// Checks that startxref points at the table and every in-use entry at its
// "n 0 obj" line, with 20-byte lines. Returns "" or what is wrong.
std::string CrossReferenceFault(const std::string& document);
