#include "run_timestamp.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int kLastFourDigitYear = 9999;  // the text holds a four-digit year
constexpr int kTmYearBase = 1900;         // struct tm counts years from 1900

}  // namespace

void MakeRunTimestamp(std::time_t clock, char (&text)[kRunTimestampSize]) {
    std::tm utc{};
    if (!::gmtime_r(&clock, &utc) || utc.tm_year + kTmYearBase < 0 ||
        utc.tm_year + kTmYearBase > kLastFourDigitYear) {
        const std::time_t epoch = 0;  // a clock beyond any real run: the epoch keeps the text's form
        ::gmtime_r(&epoch, &utc);
    }
    char wide[64];  // room for any int fields; the checked year keeps it at 20
    std::snprintf(wide, sizeof wide, "%4d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + kTmYearBase,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::memcpy(text, wide, sizeof text - 1);
    text[sizeof text - 1] = '\0';
}
