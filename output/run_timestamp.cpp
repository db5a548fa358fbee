#include "run_timestamp.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int kLastFourDigitYear = 9999;  // the text holds a four-digit year

}  // namespace

void MakeRunTimestamp(std::time_t clock, char (&text)[kRunTimestampSize]) {
    std::tm utc{};
    if (!::gmtime_r(&clock, &utc) || utc.tm_year + 1900 < 0 ||
        utc.tm_year + 1900 > kLastFourDigitYear) {
        utc = std::tm{};  // a clock beyond any real run: the epoch keeps the text's form
        utc.tm_year = 70;
        utc.tm_mday = 1;
    }
    char wide[64];  // room for any int fields; the checked year keeps it at 20
    std::snprintf(wide, sizeof wide, "%4d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::memcpy(text, wide, sizeof text - 1);
    text[sizeof text - 1] = '\0';
}
