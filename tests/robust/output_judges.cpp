#include "output_judges.h"

#include <cstdlib>

#include "cli_run.h"
#include "judges.h"

namespace {

// Whether every value after key lies in low..high (high itself only when
// highIncluded).
bool AllInRange(const std::string& text, const std::string& key, double low, double high, bool highIncluded) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        double value = std::strtod(text.c_str() + at + key.size(), nullptr);
        if (!(value >= low && (value < high || (highIncluded && value == high)))) return false;
    }
    return true;
}

}  // namespace

std::string GpxFault(const std::string& path, const std::string& schema) {
    std::string text = ReadFile(path);
    // The schema's latitudeType is -90..90, its longitudeType -180..<180
    // (the blank keeps " lat=" from matching "minlat="). xmllint holds an
    // xs:decimal in 24 digits, so elevations far past any height on Earth
    // are left out of the schema check as well.
    bool inRange = AllInRange(text, " lat=\"", -90, 90, true) && AllInRange(text, " lon=\"", -180, 180, false) &&
                   AllInRange(text, "<ele>", -1e15, 1e15, true);
    return XmllintFault(path, inRange ? schema : "");
}

std::string ReportFault(const std::string& path) {
    std::string text = ReadFile(path);
    if (text.empty()) return "empty report";
    // Nine fields a line, or fifteen with the route card, as the header has.
    std::size_t start = 0;
    std::size_t fields = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (line.empty() || line.back() != '\r') return "line without CR LF: " + line;
        std::size_t tabs = 0;
        for (char c : line) tabs += c == '\t';
        if (fields == 0) fields = tabs == 14 ? 15 : 9;
        if (tabs + 1 != fields) return "line of " + std::to_string(tabs + 1) + " fields: " + line;
    }
    if (start != text.size()) return "last line without its line end";
    return "";
}
