// The usage and extended-help texts of cairnlog, as tables for PrintWrapped:
// one entry per paragraph or line, each table ending at its empty entry.
#pragma once

extern const char* const UsageText[];
extern const char* const HelpText[];
