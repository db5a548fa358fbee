// The writer's own formatter for page content: compact numbers with at most
// two decimals, independent of the locale, and escaped text strings.
#pragma once

#include <cstdarg>

// Longest output of one number: "**overflow**", or a sign, ten digits, a
// point and two decimals.
constexpr int PDF_NUMBER_MAX = 14;

// Writes value with at most two decimals, rounded half up, without trailing
// zeros or exponent: 2.5 gives "2.5", 0.999 gives "1", -0.0001 gives "0",
// -0.001 gives "-0". Not a number, or a magnitude of 2^32 or more, gives
// "**overflow**". Returns the bytes written; writes no NUL.
int PdfFormatNumber(char* dest, double value);

// Copies text, putting a backslash before every "(", ")" and "\". Returns
// the bytes written (at most twice the length of text); writes no NUL.
int PdfEscapeString(char* dest, const char* text);

// One byte of a string as PdfEscapeString writes it. Returns 1 or 2.
inline int PdfEscapeByte(char* dest, char byte) {
    int length = 0;
    if (byte == '(' || byte == ')' || byte == '\\') dest[length++] = '\\';
    dest[length++] = byte;
    return length;
}

// A small printf for content streams. After "%":
//   d, ld   an int, written by PdfFormatNumber (the l reads an int too)
//   u, lu   an unsigned int, written by PdfFormatNumber
//   f       a double: "**overflow**" from 4294967295 up, else PdfFormatNumber
//   c       an int, written as one byte
//   s       a text, written by PdfEscapeString (null writes nothing)
//   %       a "%"
// Any other character after "%" (an l too, when no d or u follows) is
// written as it stands; there are no widths, precisions or flags. Writes a
// NUL after the output and returns the bytes written without it.
int PdfFormat(char* dest, const char* format, ...);
int PdfFormatV(char* dest, const char* format, std::va_list args);

// PdfFormat with the page number as the argument of every "d" and "u"
// conversion (footers). No other argument is ever read, so a stray "%s" or
// "%f" in a footer stands as its letter instead of reading an argument that
// is not there.
int PdfFormatPageNumber(char* dest, const char* format, int pageNumber);

// The one "%" scanner of both: copies format from at to out up to its next
// conversion and returns the conversion's character ("d" or "u" for "%ld"
// and "%lu" too), or '\0' at the format's end. at moves past it.
char PdfNextConversion(char*& out, const char*& at);
