// Small in-place utilities for NUL-terminated byte texts, shared by cairnlog
// and stileline. A "blank" is the space character; "blank or tab" is space
// or character 9. Every function counts bytes, never characters, and none
// depends on the locale.
#pragma once

// First byte that is not printable ASCII (32..126) or is one of & < >,
// which would break an XML file; bytes 128..255 count as not printable.
// Returns that byte (1..255), or 0 when the text is clean.
int FirstBadChar(const char* text);

// 0 when text starts with name (exact, case-sensitive) and the byte right
// after it is one of followers or the end of the text; non-zero otherwise.
int DirectiveNameIs(const char* text, const char* name, const char* followers);

// An ASCII digit, whatever the locale.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The upper-case letter of an ASCII lower-case letter; any other byte as it is.
inline char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// 1 when text begins with prefix, compared over the prefix's full length.
int StartsWith(const char* text, const char* prefix);

// Position of the first c in text, or of its terminating NUL.
char* FindCharOrEnd(char* text, int c);
const char* FindCharOrEnd(const char* text, int c);

// Removes trailing blanks and tabs.
void TrimTrailingBlanks(char* text);

// Position of the first byte that is neither blank nor tab (maybe the end).
char* SkipBlanks(char* text);
const char* SkipBlanks(const char* text);

// count times: skips a field (bytes up to the next blank, tab or end), then
// the blanks and tabs after it. Returns the position reached.
char* SkipFields(char* text, int count);
const char* SkipFields(const char* text, int count);

// Ends the text at its first CR or LF.
void CutAtLineEnd(char* text);

// 1 when a byte other than CR or LF follows the text's first CR, so that
// CutAtLineEnd would drop it: a file with CR-only line ends (old Mac files)
// or a stray CR inside a line. 0 for a line ending in CR LF, CR or nothing.
int HasTextAfterCarriageReturn(const char* text);

// Lower-cases every ASCII letter; returns text.
char* LowerCaseInPlace(char* text);

// Ends the text at the first c.
void CutAtChar(char* text, int c);

// Replaces every c by a blank; does nothing when c is NUL.
void ReplaceChar(char* text, int c);

// Position just after the last "." of name, or the end of the name when it
// holds no ".".
char* FindExtension(char* name);
const char* FindExtension(const char* name);
