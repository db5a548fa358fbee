#include "gpx_reader.h"

#include <expat.h>

#include <charconv>
#include <cmath>
#include <cstring>

#include "gpx_text.h"
#include "text_line.h"

namespace {

constexpr size_t kReadBytes = size_t{256} << 10;  // bytes handed to expat at a time
constexpr char kNamespaceSeparator = ' ';           // expat joins "namespace local"; URIs hold no blank

// The elements with text come last, from kName on.
enum ElementKind : uint8_t {
    kOther, kGpx, kMetadata, kWpt, kRte, kRtept, kTrk, kTrkseg, kTrkpt, kName, kDesc, kCmt, kEle, kSym,
};

struct NamedKind {
    const char* Name;
    ElementKind Kind;
};

constexpr NamedKind kElementNames[] = {
    {"gpx", kGpx},     {"metadata", kMetadata}, {"wpt", kWpt},   {"rte", kRte},   {"rtept", kRtept},
    {"trk", kTrk},     {"trkseg", kTrkseg},     {"trkpt", kTrkpt}, {"name", kName}, {"desc", kDesc},
    {"cmt", kCmt},     {"ele", kEle},           {"sym", kSym},
};

bool IsPoint(ElementKind kind) { return kind == kWpt || kind == kRtept || kind == kTrkpt; }

// Whether an element of kind belongs where it stands; any other element,
// and everything inside it, is passed over.
bool BelongsIn(ElementKind parent, ElementKind kind) {
    switch (parent) {
    case kGpx: return kind == kMetadata || kind == kWpt || kind == kRte || kind == kTrk || kind == kName;
    case kMetadata: return kind == kName;
    case kRte: return kind == kName || kind == kRtept;
    case kTrk: return kind == kName || kind == kTrkseg;
    case kTrkseg: return kind == kTrkpt;
    case kWpt:
    case kRtept:
    case kTrkpt: return kind == kName || kind == kDesc || kind == kCmt || kind == kEle || kind == kSym;
    default: return false;
    }
}

struct ReadState {
    XML_Parser Parser = nullptr;
    GpxData* Data = nullptr;
    GpxFault* Fault = nullptr;
    int Stopped = 0;                       // a fault ended the reading
    std::string Namespace;                 // the gpx element's, which every GPX element shares
    std::vector<ElementKind> Open;         // the open elements, outermost first
    std::string* Collect = nullptr;        // where the text being read goes
    GpxPoint Point;                        // the point being read
    std::string Name, Desc, Cmt, Ele, Sym;
    std::string OwnerName;                 // name of the gpx, metadata, rte or trk element
    std::string FileName;                  // metadata name (or GPX 1.0's gpx name)
    std::string PieceName;                 // name of the rte or trk being read
    size_t PieceStart = 0;                 // its first point in RoutePoints or TrackPoints
    size_t SegmentStart = 0;
};

void Stop(ReadState& state, std::string reason) {
    state.Fault->Reason = std::move(reason);
    state.Fault->Line = static_cast<unsigned long>(XML_GetCurrentLineNumber(state.Parser));
    state.Stopped = 1;
    XML_StopParser(state.Parser, XML_FALSE);
}

// An element name as expat gives it: "namespace local", or "local" alone.
const char* LocalName(const char* name) {
    const char* separator = std::strchr(name, kNamespaceSeparator);
    return separator ? separator + 1 : name;
}

std::string_view NamespaceOf(const char* name) {
    const char* local = LocalName(name);
    return local == name ? std::string_view() : std::string_view(name, static_cast<size_t>(local - 1 - name));
}

// A million track points make some five million elements: the name is
// matched with one comparison of the namespace and a look at the first
// letter before any whole comparison.
ElementKind KindOf(const ReadState& state, const char* name) {
    const std::string& space = state.Namespace;
    const char* local = name;
    if (!space.empty()) {
        if (std::strncmp(name, space.data(), space.size()) != 0 || name[space.size()] != kNamespaceSeparator) {
            return kOther;
        }
        local = name + space.size() + 1;
    } else if (std::strchr(name, kNamespaceSeparator)) {
        return kOther;
    }
    for (const NamedKind& entry : kElementNames) {
        if (entry.Name[0] == local[0] && std::strcmp(entry.Name, local) == 0) return entry.Kind;
    }
    return kOther;
}

// A decimal number between -limit and limit, with blanks around it as XML
// allows and an optional "+". Returns 0, or 1 when text is no such number.
int ReadNumber(const char* text, double limit, double& value) {
    while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r') ++text;
    if (*text == '+' && text[1] != '-') ++text;
    const char* end = text + std::strlen(text);
    std::from_chars_result result = std::from_chars(text, end, value);
    if (result.ec != std::errc()) return 1;
    for (const char* p = result.ptr; p < end; ++p) {
        if (*p != ' ' && *p != '\t' && *p != '\n' && *p != '\r') return 1;
    }
    return std::isfinite(value) && std::fabs(value) <= limit ? 0 : 1;
}

void StartPoint(ReadState& state, const char* element, const char** attributes) {
    const char* lat = nullptr;
    const char* lon = nullptr;
    for (const char** a = attributes; a[0]; a += 2) {
        if (std::strcmp(a[0], "lat") == 0) lat = a[1];
        if (std::strcmp(a[0], "lon") == 0) lon = a[1];
    }
    state.Point = GpxPoint();
    if (!lat || !lon || ReadNumber(lat, 90.0, state.Point.LatDeg) != 0 ||
        ReadNumber(lon, 180.0, state.Point.LonDeg) != 0) {
        Stop(state, std::string(element) + " without a valid lat and lon");
        return;
    }
    state.Name.clear();
    state.Desc.clear();
    state.Cmt.clear();
    state.Ele.clear();
    state.Sym.clear();
}

// A GPS symbol name that cairnlog takes in #SYM: printable ASCII without
// & < >, at most kSymbolBytes.
bool FitsSymbol(const std::string& sym) {
    return !sym.empty() && sym.size() <= kSymbolBytes && FirstBadChar(sym.c_str()) == 0;
}

// The number of sym in data.Symbols, which takes it when it is new. A
// file's waypoints have a handful of symbols between them.
uint32_t SymbolNumber(GpxData& data, const std::string& sym) {
    for (size_t i = 0; i < data.Symbols.size(); ++i) {
        if (data.Symbols[i] == sym) return static_cast<uint32_t>(i + 1);
    }
    data.Symbols.push_back(sym);
    return static_cast<uint32_t>(data.Symbols.size());
}

// A route or track that ended; one without points is no piece.
void EndPiece(ReadState& state, std::vector<GpxPiece>& pieces, size_t end) {
    if (end > state.PieceStart) pieces.push_back({end, WayFileText(state.PieceName, kPointTextMax)});
}

void EndPoint(ReadState& state, ElementKind kind) {
    GpxData& data = *state.Data;
    GpxPoint& point = state.Point;
    double elevM = 0.0;
    if (ReadNumber(state.Ele.c_str(), kElevationLimitM, elevM) == 0) {
        point.ElevM = static_cast<int32_t>(std::nearbyint(elevM));  // half to even, as printf rounds
    }
    bool hasText = !state.Name.empty() || !state.Desc.empty() || !state.Cmt.empty();
    std::string text = hasText ? WayFileText(PointText(WayFileText(state.Name, kPointTextMax),
                                                       WayFileText(state.Desc, kPointTextMax),
                                                       WayFileText(state.Cmt, kPointTextMax)),
                                             kPointTextMax)
                               : std::string();
    if (!text.empty()) {
        if (data.Texts.size() >= UINT32_MAX - 1) {
            Stop(state, "too many points");
            return;
        }
        data.Texts.push_back(KeepCString(data.TextStore, text));
        point.TextIndex = static_cast<uint32_t>(data.Texts.size());
    }
    if (kind == kWpt) {
        data.Waypoints.push_back(point);
        GpxWaypointTags tags;
        tags.Name = WayFileText(state.Name, kPointTextMax);
        std::string sym = WayFileText(state.Sym, kRawTextMax);
        if (FitsSymbol(sym)) tags.Symbol = SymbolNumber(data, sym);
        data.WaypointTags.push_back(std::move(tags));
    } else if (kind == kRtept) {
        data.RoutePoints.push_back(point);
    } else {
        data.TrackPoints.push_back(point);
    }
}

void XMLCALL OnStart(void* userData, const char* name, const char** attributes) {
    ReadState& state = *static_cast<ReadState*>(userData);
    if (state.Stopped) return;
    ElementKind kind;
    if (state.Open.empty()) {
        if (std::strcmp(LocalName(name), "gpx") != 0) {
            Stop(state, "the root element is not gpx");
            return;
        }
        state.Namespace = NamespaceOf(name);
        kind = kGpx;
    } else {
        kind = KindOf(state, name);
        if (!BelongsIn(state.Open.back(), kind)) kind = kOther;
    }
    ElementKind parent = state.Open.empty() ? kOther : state.Open.back();
    state.Open.push_back(kind);
    switch (kind) {
    case kWpt:
    case kRtept:
    case kTrkpt: StartPoint(state, LocalName(name), attributes); break;
    case kTrkseg: state.SegmentStart = state.Data->TrackPoints.size(); break;
    case kRte:
    case kTrk:
        state.PieceName.clear();
        state.PieceStart = kind == kRte ? state.Data->RoutePoints.size() : state.Data->TrackPoints.size();
        break;
    case kName: state.Collect = IsPoint(parent) ? &state.Name : &state.OwnerName; break;
    case kDesc: state.Collect = &state.Desc; break;
    case kCmt: state.Collect = &state.Cmt; break;
    case kEle: state.Collect = &state.Ele; break;
    case kSym: state.Collect = &state.Sym; break;
    default: break;
    }
    if (kind >= kName) state.Collect->clear();  // a repeated element's text replaces the first
}

void XMLCALL OnEnd(void* userData, const char*) {
    ReadState& state = *static_cast<ReadState*>(userData);
    if (state.Stopped) return;
    ElementKind kind = state.Open.back();
    state.Open.pop_back();
    ElementKind parent = state.Open.empty() ? kOther : state.Open.back();
    GpxData& data = *state.Data;
    switch (kind) {
    case kWpt:
    case kRtept:
    case kTrkpt: EndPoint(state, kind); break;
    case kTrkseg:
        if (data.TrackPoints.size() > state.SegmentStart) data.TrackSegmentEnds.push_back(data.TrackPoints.size());
        break;
    case kRte: EndPiece(state, data.Routes, data.RoutePoints.size()); break;
    case kTrk: EndPiece(state, data.Tracks, data.TrackPoints.size()); break;
    case kName:
        if ((parent == kGpx || parent == kMetadata) && state.FileName.empty()) state.FileName = state.OwnerName;
        if (parent == kRte || parent == kTrk) state.PieceName = state.OwnerName;
        state.Collect = nullptr;
        break;
    case kDesc:
    case kCmt:
    case kEle:
    case kSym: state.Collect = nullptr; break;
    default: break;
    }
}

void XMLCALL OnText(void* userData, const char* text, int length) {
    ReadState& state = *static_cast<ReadState*>(userData);
    if (state.Collect && !state.Stopped) AppendCollapsed(*state.Collect, text, static_cast<size_t>(length));
}

}  // namespace

std::string_view PointTextOf(const GpxData& data, const GpxPoint& point) {
    return point.TextIndex == 0 ? std::string_view("") : data.Texts[point.TextIndex - 1];
}

int ReadGpx(std::FILE* file, GpxData& data, GpxFault& fault) {
    XML_Parser parser = XML_ParserCreateNS(nullptr, kNamespaceSeparator);
    if (!parser) {
        fault.OutOfMemory = 1;
        return 1;
    }
    ReadState state;
    state.Parser = parser;
    state.Data = &data;
    state.Fault = &fault;
    XML_SetUserData(parser, &state);
    XML_SetElementHandler(parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser, OnText);

    int failed = 0;
    for (int last = 0; !last;) {
        void* buffer = XML_GetBuffer(parser, static_cast<int>(kReadBytes));
        if (!buffer) {
            fault.OutOfMemory = 1;
            failed = 1;
            break;
        }
        size_t length = std::fread(buffer, 1, kReadBytes, file);
        if (std::ferror(file)) {
            fault.ReadFailed = 1;
            failed = 1;
            break;
        }
        last = length < kReadBytes;
        if (XML_ParseBuffer(parser, static_cast<int>(length), last) != XML_STATUS_OK) {
            XML_Error code = XML_GetErrorCode(parser);
            if (code == XML_ERROR_NO_MEMORY) {
                fault.OutOfMemory = 1;
            } else if (!state.Stopped) {
                fault.Reason = XML_ErrorString(code);
                fault.Line = static_cast<unsigned long>(XML_GetCurrentLineNumber(parser));
            }
            failed = 1;
            break;
        }
    }
    XML_ParserFree(parser);
    if (failed) return 1;
    if (data.Title.empty()) data.Title = WayFileText(state.FileName, kTitleBytes);
    return 0;
}
