// Writes documents of guide-like pages and prints the time and peak memory
// the writer takes, or (mode "zlib") the time zlib alone takes to compress
// the very same page content.
//
//     pdf_bench writer PAGES OUTPUT.pdf
//     pdf_bench zlib PAGES
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench_measure.h"
#include "Pdf.h"

namespace {

// A guide sheet with the defaults: 2 bands of 4 columns of 24 rows.
constexpr int kBands = 2, kColumnsAcross = 4, kRows = 24;
constexpr double kRowHeight = 14.4, kColumnWidth = 133.2, kGutter = 7.2;  // points
constexpr double kLeftMargin = 28.8, kFontSize = 6;

double ColumnLeft(int position) { return kLeftMargin + position * (kColumnWidth + kGutter); }
double BandTop(int band) { return 774 - band * ((kRows + 1) * kRowHeight + 18); }

void DrawFrame(PdfWriter& pdf, int page) {
    char label[16];
    PdfSetTextGray(pdf, 0);
    for (int band = 0; band < kBands; ++band) {
        double top = BandTop(band), head = top - kRowHeight, bottom = top - (kRows + 1) * kRowHeight;
        PdfSetLineWidth(pdf, 0.5);
        PdfSetLineGray(pdf, 0.7);
        for (int p = 0; p < kColumnsAcross; ++p) {
            double x = ColumnLeft(p);
            PdfSetFont(pdf, "Helvetica", kFontSize);
            PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_TOP, 0);
            PdfText(pdf, x + 2, bottom, "www.tessaron.example");
            PdfSetFont(pdf, "Helvetica-Bold", kFontSize);
            PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
            PdfText(pdf, x + 9, head + 8, "WP");
            PdfText(pdf, x + 9, head + 1.7, "Miles");
            PdfText(pdf, x + 30.6, head + 4.85, "OSGB");
            PdfText(pdf, x + 52.2, head + 8, "Elev");
            PdfText(pdf, x + 52.2, head + 1.7, "%");
            PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
            PdfText(pdf, x + 62.7, head + 8, "Coast Path");
            PdfText(pdf, x + 62.7, head + 1.7, "Description");
            PdfSetTextAlign(pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, 0);
            std::snprintf(label, sizeof label, "-%d-", page * 16 + band * 8 + p * 2 + 1);
            PdfText(pdf, x + 131.7, head + 1.7, label);
            for (double field : {18.0, 43.2, 61.2}) {
                PdfMoveTo(pdf, x + field, top);
                PdfLineTo(pdf, x + field, bottom);
            }
            PdfStroke(pdf);
        }
        for (int rule = 0; rule < kRows + 2; ++rule) {
            if (rule < 2) {
                PdfSetLineWidth(pdf, 1);
                PdfSetLineGray(pdf, 0);
            } else if (rule == 2) {
                PdfSetLineWidth(pdf, 0.5);
                PdfSetLineGray(pdf, 0.7);
            }
            for (int p = 0; p < kColumnsAcross; ++p) {
                PdfMoveTo(pdf, ColumnLeft(p), top - rule * kRowHeight);
                PdfLineTo(pdf, ColumnLeft(p) + kColumnWidth, top - rule * kRowHeight);
                PdfStroke(pdf);
            }
        }
    }
}

void DrawRows(PdfWriter& pdf, int page) {
    char text[64];
    PdfSetFont(pdf, "Helvetica", kFontSize);
    PdfSetTextGray(pdf, 0);
    int waypoint = page * kBands * kColumnsAcross * kRows;
    for (int band = 0; band < kBands; ++band) {
        for (int p = 0; p < kColumnsAcross; ++p) {
            double x = ColumnLeft(p);
            double y = BandTop(band) - 2 * kRowHeight;
            for (int row = 0; row < kRows; ++row, ++waypoint, y -= kRowHeight) {
                PdfSetTextAlign(pdf, PDF_ALIGN_CENTER | PDF_VALIGN_BASELINE, 0);
                std::snprintf(text, sizeof text, "W%d", waypoint % 1000);
                PdfText(pdf, x + 9, y + 8, text);
                std::snprintf(text, sizeof text, "%.1f", waypoint * 0.37);
                PdfText(pdf, x + 9, y + 1.7, text);
                std::snprintf(text, sizeof text, "%d", 100 + waypoint % 800);
                PdfText(pdf, x + 52.2, y + 8, text);
                std::snprintf(text, sizeof text, "%d%%", waypoint % 23 - 11);
                PdfText(pdf, x + 52.2, y + 1.7, text);
                PdfSetTextAlign(pdf, PDF_ALIGN_RIGHT | PDF_VALIGN_BASELINE, 0);
                std::snprintf(text, sizeof text, "NY%04d", (waypoint * 7919) % 10000);
                PdfText(pdf, x + 41.7, y + 8, text);
                std::snprintf(text, sizeof text, "%04d", (waypoint * 104729) % 10000);
                PdfText(pdf, x + 41.7, y + 1.7, text);
                PdfSetTextAlign(pdf, PDF_ALIGN_LEFT | PDF_VALIGN_BASELINE, 0);
                PdfText(pdf, x + 62.7, y + 8, waypoint % 2 ? "Stile by the (old) wall" : "Cairn on the ridge");
                PdfText(pdf, x + 62.7, y + 1.7, waypoint % 3 ? "then bear left" : "");
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: pdf_bench writer|zlib PAGES [OUTPUT.pdf]\n");
        return 1;
    }
    bool zlibOnly = std::strcmp(argv[1], "zlib") == 0;
    int pages = std::atoi(argv[2]);
    const char* output = argc > 3 ? argv[3] : "/dev/null";
    PdfWriter pdf;
    const std::int32_t capacity = kBands * kColumnsAcross * kRows * 500 + 64000;  // as the guide sizes it
    auto start = std::chrono::steady_clock::now();
    if (PdfOpen(pdf, output, "Bench", "www.tessaron.example", "pdf_bench", nullptr, nullptr, capacity,
                612, 792) != 0)
        return 1;
    std::chrono::steady_clock::duration compressing{};
    std::vector<unsigned char> compressed;
    std::size_t contentBytes = 0;
    for (int page = 0; page < pages; ++page) {
        DrawFrame(pdf, page);
        DrawRows(pdf, page);
        contentBytes += pdf.contentLength;
        if (zlibOnly) {
            uLongf size = compressBound(static_cast<uLong>(pdf.contentLength));
            compressed.resize(size);
            auto begin = std::chrono::steady_clock::now();
            compress2(compressed.data(), &size, reinterpret_cast<const Bytef*>(pdf.content),
                      static_cast<uLong>(pdf.contentLength), Z_DEFAULT_COMPRESSION);
            compressing += std::chrono::steady_clock::now() - begin;
            PdfResetPage(pdf);
        } else if (PdfShowPage(pdf, 1) != 0) {
            return 1;
        }
    }
    if (PdfClose(pdf) != 0) return 1;
    double total = Seconds(std::chrono::steady_clock::now() - start);
    if (zlibOnly)
        std::printf("zlib alone: %.3f s to compress %zu content bytes\n", Seconds(compressing), contentBytes);
    else
        std::printf("writer:     %.3f s for %d pages (%zu content bytes), peak memory %.1f MB\n", total,
                    pages, contentBytes, static_cast<double>(PeakKilobytes()) / 1024.0);
    return 0;
}
