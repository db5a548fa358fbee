#include "pdf_document.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "output_file.h"
#include "pdf_errors.h"
#include "pdf_fonts.h"
#include "pdf_format.h"
#include "pdf_objects.h"
#include "pdf_output.h"
#include "pdf_page.h"
#include "pdf_winansi.h"
#include "utf8_text.h"

namespace {

constexpr std::int32_t kDefaultCapacity = 0x10000;  // content bytes when 0 is given
constexpr int kFooterFontSize = 10;                 // points

// An Info string holds at most PDF_INFO_SIZE - 1 bytes, cut between
// characters.
void CopyInfo(char* dest, const char* text, const char* fallback) {
    if (text == nullptr) text = fallback;
    std::snprintf(dest, PDF_INFO_SIZE, "%.*s", static_cast<int>(Utf8PrefixLength(text, PDF_INFO_SIZE - 1)), text);
}

// An Info string as written: an escaped literal "(...)" while it is plain
// ASCII, so that a title or file name with "(", ")" or "\" still gives a
// valid string; else UTF-16BE with a byte order mark, as PDF requires of
// text beyond ASCII, in hexadecimal "<FEFF...>" (a byte that is not UTF-8
// becomes U+FFFD). At most four digits a byte of text: kInfoTextSize.
constexpr int kInfoTextSize = 4 * PDF_INFO_SIZE + 8;
constexpr std::int32_t kReplacementCharacter = 0xFFFD;
constexpr std::int32_t kFirstSupplementary = 0x10000;  // needs a surrogate pair

void InfoText(char (&dest)[kInfoTextSize], const char* text) {
    bool ascii = true;
    for (const char* at = text; *at != '\0'; ++at)
        if (static_cast<unsigned char>(*at) > PDF_LAST_ASCII_CODE) ascii = false;
    char* out = dest;
    if (ascii) {
        *out++ = '(';
        out += PdfEscapeString(out, text);
        *out++ = ')';
        *out = '\0';
        return;
    }
    out += std::snprintf(out, 6, "<FEFF");
    for (const char* at = text; *at != '\0';) {
        std::int32_t codePoint = NextCodePoint(at);
        if (codePoint == kNotUtf8) codePoint = kReplacementCharacter;
        if (codePoint >= kFirstSupplementary) {
            codePoint -= kFirstSupplementary;
            out += std::snprintf(out, 9, "%04X%04X", 0xD800 + (codePoint >> 10), 0xDC00 + (codePoint & 0x3FF));
        } else {
            out += std::snprintf(out, 5, "%04X", codePoint);
        }
    }
    std::snprintf(out, 2, ">");
}

// Four bytes of text read as a little-endian word; bytes past a short
// string's end count as zero.
std::uint32_t LittleEndianWord(const char* text) {
    unsigned char bytes[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4 && text[i] != '\0'; ++i) bytes[i] = static_cast<unsigned char>(text[i]);
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void SetCreationDate(PdfWriter& pdf, std::time_t now) {
    std::tm local{};
    localtime_r(&now, &local);
    // "D:" and year, month, day, hour, minute, second, without a time zone.
    if (std::strftime(pdf.creationDate, PDF_DATE_SIZE, "D:%Y%m%d%H%M%S", &local) == 0)
        pdf.creationDate[0] = '\0';
}

// Sets the whole writer to its starting values but keeps the clock the
// caller gave it.
void ResetWriter(PdfWriter& pdf) {
    PdfWriter fresh;
    fresh.clockFixed = pdf.clockFixed;
    fresh.clockSeconds = pdf.clockSeconds;
    pdf = fresh;
}

void ReleaseStorage(PdfWriter& pdf) {
    std::free(pdf.content);
    std::free(pdf.scratch);
    PdfReleaseObjectTable(pdf.objects);
    pdf.file = nullptr;
    pdf.content = nullptr;
    pdf.scratch = nullptr;
    pdf.contentLength = pdf.contentCapacity = pdf.scratchSize = 0;
}

// Records an object whose text needs only its own number.
std::int32_t WriteFixedObject(PdfWriter& pdf, PdfObjectKind kind, const char* format) {
    std::int32_t number = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, kind);
    if (number != 0) PdfPrint(pdf, format, number);
    return number;
}

// "xref", the entry count and one 20-byte line per object.
void WriteCrossReference(PdfWriter& pdf) {
    const PdfObjectTable& objects = pdf.objects;
    PdfPrint(pdf, "xref\r\n0 %d\r\n", objects.nextNumber);
    for (std::int32_t i = 0; i < objects.nextNumber; ++i) {
        const PdfObjectEntry& entry = objects.entries[i];
        PdfPrint(pdf, "%010llu %05u %c\r\n", static_cast<unsigned long long>(entry.offset),
                 static_cast<unsigned>(entry.generation & 0xFFFF), entry.inUse);
    }
}

void WriteTrailer(PdfWriter& pdf, std::int32_t catalog, std::int32_t info, std::uint64_t xref) {
    const std::uint32_t* w = pdf.idWords;
    PdfPrint(pdf,
             "trailer\r\n<<\r\n/Size %d\r\n/Root %d 0 R\r\n/Info %d 0 R\r\n"
             "/ID [<%8lX%8lx%8lx%8lx><%8lX%8lx%8lx%8lx>]\r\n>>\r\nstartxref\r\n%llu\r\n%%%%EOF\r\n",
             pdf.objects.nextNumber, catalog, info, static_cast<unsigned long>(w[0]),
             static_cast<unsigned long>(w[1]), static_cast<unsigned long>(w[2]),
             static_cast<unsigned long>(w[3]), static_cast<unsigned long>(w[0]),
             static_cast<unsigned long>(w[1]), static_cast<unsigned long>(w[2]),
             static_cast<unsigned long>(w[3]), static_cast<unsigned long long>(xref));
}

}  // namespace

PdfError PdfOpen(PdfWriter& pdf, const char* path, const char* title, const char* author,
                 const char* creator, const char* producer, const char* footer,
                 std::int32_t capacity, std::int32_t width, std::int32_t height) {
    // Refused before anything is created, so the open document stays whole.
    if (pdf.content != nullptr) return PDF_ERROR_ALREADY_OPEN;
    if (path == nullptr) path = "";
    ResetWriter(pdf);
    std::snprintf(pdf.path, PDF_PATH_SIZE, "%s", path);
    if (capacity <= 0) capacity = kDefaultCapacity;
    // The buffers come first, so that a run out of memory leaves no file.
    pdf.contentCapacity = static_cast<std::size_t>(capacity);
    pdf.content = static_cast<char*>(std::malloc(pdf.contentCapacity + PDF_CONTENT_MARGIN));
    if (pdf.content == nullptr) return PdfFail(pdf.failure, PDF_ERROR_CONTENT_MEMORY, pdf.contentCapacity);
    if (PdfStartObjectTable(pdf.objects, pdf.failure) == 0) pdf.file = std::fopen(path, "wb");
    if (pdf.file == nullptr) {
        PdfFail(pdf.failure, PDF_ERROR_CREATE);  // unless memory ran out first
        ReleaseStorage(pdf);
        return pdf.failure.error;
    }

    CopyInfo(pdf.title, title, path);
    CopyInfo(pdf.author, author, "Tessaron Engineering");
    CopyInfo(pdf.creator, creator, "Unknown");
    CopyInfo(pdf.producer, producer, "Pdf");

    std::time_t now = pdf.clockFixed ? static_cast<std::time_t>(pdf.clockSeconds) : std::time(nullptr);
    SetCreationDate(pdf, now);
    pdf.idWords[0] = LittleEndianWord("Tessaron");
    pdf.idWords[1] = LittleEndianWord(pdf.producer);
    pdf.idWords[2] = LittleEndianWord(pdf.title);
    pdf.idWords[3] = static_cast<std::uint32_t>(now);  // the clock's low 32 bits

    pdf.pageWidth = width;
    pdf.pageHeight = height;

    pdf.fonts = kPdfFonts;
    pdf.fontCount = PDF_FONT_COUNT;
    pdf.footer.pageNumber = 1;
    PdfSetFooterFont(pdf, "Helvetica", kFooterFontSize);
    PdfSetFooter(pdf, footer);
    PdfResetPage(pdf);

    PdfPrint(pdf, "%%PDF-1.5\r\n");
    return PDF_OK;
}

std::int32_t PdfWriteFonts(PdfWriter& pdf) {
    std::int32_t last = 0;
    for (std::int32_t index = 0; index < PDF_FONT_COUNT; ++index) {
        if (!pdf.fontUsed[index]) continue;
        std::int32_t number =
            PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_FONT, index);
        if (number == 0) return 0;
        // Readers draw codes above ASCII in the fonts' own encoding unless
        // told otherwise; a document of plain ASCII needs no word about it.
        PdfPrint(pdf,
                 "%d 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /Type1\r\n/Name %s\r\n"
                 "/BaseFont /%s\r\n%s>>\r\nendobj\r\n",
                 number, kPdfFonts[index].resourceName, kPdfFonts[index].baseFontName,
                 pdf.winAnsiDrawn ? "/Encoding /WinAnsiEncoding\r\n" : "");
        last = number;
    }
    return last;
}

std::int32_t PdfWriteExtGState(PdfWriter& pdf) {
    return WriteFixedObject(pdf, PDF_KIND_EXTGSTATE,
                            "%d 0 obj\r\n<<\r\n/Type /ExtGState\r\n/SA false\r\n/OP false\r\n"
                            "/HT /Default\r\n>>\r\nendobj\r\n");
}

std::int32_t PdfWriteHalftone(PdfWriter& pdf) {
    return WriteFixedObject(pdf, PDF_KIND_HALFTONE,
                            "%d 0 obj\r\n<<\r\n/Type /Halftone\r\n/HalftoneType 1\r\n"
                            "/HalftoneName (Default)\r\n/Frequency 60\r\n/Angle 45\r\n"
                            "/SpotFunction /Round\r\n>>\r\nendobj\r\n");
}

std::int32_t PdfWriteResources(PdfWriter& pdf) {
    std::int32_t number = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_RESOURCES);
    if (number == 0) return 0;
    PdfPrint(pdf, "%d 0 obj\r\n<<\r\n/ProcSet [/PDF /Text ]\r\n/Font <<\r\n", number);
    for (std::int32_t i = 0; i < number; ++i) {
        if (pdf.objects.entries[i].kind == PDF_KIND_FONT)
            PdfPrint(pdf, "%s %d 0 R\r\n", kPdfFonts[pdf.objects.entries[i].fontIndex].resourceName, i);
    }
    PdfPrint(pdf, ">>\r\n/ExtGState <<\r\n/GS1 %d 0 R\r\n>>\r\n>>\r\nendobj\r\n",
             PdfFirstObjectOfKind(pdf.objects, PDF_KIND_EXTGSTATE));
    return number;
}

std::int32_t PdfWriteInfo(PdfWriter& pdf) {
    std::int32_t number = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_INFO);
    if (number == 0) return 0;
    char title[kInfoTextSize], author[kInfoTextSize], creator[kInfoTextSize], producer[kInfoTextSize];
    InfoText(title, pdf.title);
    InfoText(author, pdf.author);
    InfoText(creator, pdf.creator);
    InfoText(producer, pdf.producer);
    PdfPrint(pdf,
             "%d 0 obj\r\n<<\r\n/Title %s\r\n/Author %s\r\n/Creator %s\r\n"
             "/Producer %s\r\n/CreationDate (%s)\r\n>>\r\nendobj\r\n",
             number, title, author, creator, producer, pdf.creationDate);
    return number;
}

std::int32_t PdfWritePageTree(PdfWriter& pdf, std::int32_t resources) {
    // The Pages object is numbered before its pages but written after them.
    std::int32_t pages = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_PAGES);
    if (pages == 0) return 0;
    std::int32_t count = 0;
    for (std::int32_t i = 0; i < pdf.objects.nextNumber; ++i) {
        if (pdf.objects.entries[i].kind != PDF_KIND_CONTENT) continue;
        std::int32_t page = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_PAGE);
        PdfPrint(pdf,
                 "%d 0 obj\r\n<<\r\n/Type /Page\r\n/Parent %d 0 R\r\n/Resources %d 0 R\r\n"
                 "/Contents %d 0 R\r\n>>\r\nendobj\r\n",
                 page, pages, resources, i);
        ++count;
    }
    pdf.objects.entries[pages].offset = pdf.fileOffset;
    PdfPrint(pdf, "%d 0 obj\r\n<<\r\n/Type /Pages\r\n/Kids [\r\n", pages);
    for (std::int32_t i = 0; i < pdf.objects.nextNumber; ++i)
        if (pdf.objects.entries[i].kind == PDF_KIND_PAGE) PdfPrint(pdf, " %d 0 R\r\n", i);
    PdfPrint(pdf, " ]\r\n/Count %d\r\n/MediaBox [0 0 %d %d]\r\n>>\r\nendobj\r\n", count,
             pdf.pageWidth, pdf.pageHeight);
    return pages;
}

std::int32_t PdfWriteCatalog(PdfWriter& pdf, std::int32_t pages) {
    std::int32_t number = PdfRecordObject(pdf.objects, pdf.failure, pdf.fileOffset, PDF_KIND_CATALOG);
    if (number == 0) return 0;
    PdfPrint(pdf, "%d 0 obj\r\n<<\r\n/Type /Catalog\r\n/Pages %d 0 R\r\n>>\r\nendobj\r\n", number,
             pages);
    return number;
}

PdfError PdfClose(PdfWriter& pdf) {
    if (pdf.file == nullptr) return PDF_OK;
    // After a failure only the file is let go: the document cannot be whole.
    if (pdf.failure.error == PDF_OK) {
        PdfWriteFonts(pdf);
        PdfWriteExtGState(pdf);
        PdfWriteHalftone(pdf);
        std::int32_t resources = PdfWriteResources(pdf);
        std::int32_t info = PdfWriteInfo(pdf);
        std::int32_t pages = PdfWritePageTree(pdf, resources);
        std::int32_t catalog = PdfWriteCatalog(pdf, pages);
        std::uint64_t xref = pdf.fileOffset;
        WriteCrossReference(pdf);
        WriteTrailer(pdf, catalog, info, xref);
    }
    // A document that failed is removed with its file: it cannot be whole.
    if (FinishOutputFile(pdf.file, pdf.path, pdf.failure.error != PDF_OK) != 0)
        PdfFail(pdf.failure, PDF_ERROR_WRITE);
    ReleaseStorage(pdf);
    return pdf.failure.error;
}
