#include "platform/sysquery.h"

#include <QGuiApplication>

#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>

#include "platform/text.h"

namespace {

TSystemQueries& Queries() {
    static TSystemQueries queries;
    return queries;
}

std::optional<std::string> ReadText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool ParseNumber(std::string_view text, uint32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Splits text into its lines and calls f with each.
template <class F> void ForEachLine(std::string_view text, F f) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        f(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

// An os-release value: quoted with " or ', backslash escapes inside double quotes.
std::string UnquoteValue(std::string_view raw) {
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t' || raw.back() == '\r'))
        raw.remove_suffix(1);
    if (raw.size() >= 2 && raw.front() == '\'' && raw.back() == '\'')
        return std::string(raw.substr(1, raw.size() - 2));
    const bool doubleQuoted = raw.size() >= 2 && raw.front() == '"' && raw.back() == '"';
    if (doubleQuoted)
        raw = raw.substr(1, raw.size() - 2);
    std::string value;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size())
            ++i;
        value += raw[i];
    }
    return value;
}

std::optional<std::string> OsReleaseField(std::string_view osRelease, std::string_view key) {
    std::optional<std::string> found;
    ForEachLine(osRelease, [&](std::string_view line) {
        if (line.size() > key.size() && line.substr(0, key.size()) == key &&
            line[key.size()] == '=')
            found = UnquoteValue(line.substr(key.size() + 1));
    });
    return found;
}

bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Characters without a code page 932 form become '?', as in the edit box.
std::string ToCp932Lenient(std::string_view utf8) {
    std::string cp932;
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = start + 1;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;
        cp932 += Utf8ToCp932(utf8.substr(start, end - start)).value_or("?");
        start = end;
    }
    return cp932;
}

// Cuts cp932 to at most limit bytes without splitting a double-byte character.
std::string TruncateCp932(const std::string& cp932, size_t limit) {
    size_t end = 0;
    while (end < cp932.size()) {
        const size_t next = end + (IsCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1);
        if (next > limit)
            break;
        end = next;
    }
    return cp932.substr(0, end);
}

bool RealVersion(TOSVersionInfo& info) {
    if (info.Size != sizeof(TOSVersionInfo))
        return false;
    utsname system{};
    if (uname(&system) != 0)
        return false;
    uint32_t major = 0, minor = 0, build = 0;
    if (!ParseKernelRelease(system.release, major, minor, build))
        return false;
    info.MajorVersion = major;
    info.MinorVersion = minor;
    info.BuildNumber = build;
    info.PlatformId = PLATFORM_LINUX;
    std::optional<std::string> osRelease = ReadText("/etc/os-release");
    if (!osRelease)
        osRelease = ReadText("/usr/lib/os-release");
    const std::string servicePack = ServicePackText(osRelease ? DistributionName(*osRelease) : "");
    std::memcpy(info.ServicePack, servicePack.c_str(), servicePack.size() + 1);
    return true;
}

// The _XKB_RULES_NAMES property of the root window; empty without an X server.
std::string ReadRulesNames() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return {};
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    if (screens.rem == 0)
        return {};
    static constexpr char name[] = "_XKB_RULES_NAMES";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name),
                              nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return {};
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, screens.data->root, atom->atom,
                                                XCB_ATOM_STRING, 0, 1024),
                               nullptr),
        &std::free);
    if (!property || property->format != 8)
        return {};
    const auto* value = static_cast<const char*>(xcb_get_property_value(property.get()));
    const int length = xcb_get_property_value_length(property.get());
    return length > 0 ? std::string(value, static_cast<size_t>(length)) : std::string();
}

int RealKeyboardType(int typeFlag) {
    if (typeFlag != 0)
        return 0;
    std::string model, layout;
    ParseRulesNames(ReadRulesNames(), model, layout);
    return KeyboardTypeOfModel(model, layout);
}

uint32_t LoadPercent(uint64_t total, uint64_t available) {
    if (total == 0 || available >= total)
        return 0;
    return static_cast<uint32_t>((total - available) * 100 / total);
}

// For a system without /proc: the kernel's own counts, with less precise
// available memory (free and buffers, not reclaimable caches).
void FromSysinfo(TMemoryStatus& status) {
    struct sysinfo counts {};
    if (sysinfo(&counts) != 0)
        return;
    const uint64_t unit = counts.mem_unit ? counts.mem_unit : 1;
    status.TotalPhys = uint64_t{counts.totalram} * unit;
    status.AvailPhys = (uint64_t{counts.freeram} + uint64_t{counts.bufferram}) * unit;
    status.TotalPageFile = status.TotalPhys + uint64_t{counts.totalswap} * unit;
    status.AvailPageFile = status.AvailPhys + uint64_t{counts.freeswap} * unit;
    status.MemoryLoad = LoadPercent(status.TotalPhys, status.AvailPhys);
}

void RealMemoryStatus(TMemoryStatus& status) {
    status = {};
    const std::optional<std::string> meminfo = ReadText("/proc/meminfo");
    if (meminfo && ParseMemInfo(*meminfo, status))
        return;
    status = {};
    FromSysinfo(status);
}

struct ModelType {
    std::string_view model;
    int type;
};

constexpr ModelType kExactModels[] = {
    {"pc83", 1},
    {"pc84", 3},
    {"pc86", 4},
    {"pc101", 4},
    {"pc102", 4},
    {"pc104", 4},
    {"pc104alt", 4},
    {"pc105", 4},
    {"abnt2", 4},
    {"sk1300", 4},
    {"sk2500", 4},
    {"sk6200", 4},
    {"sk7100", 4},
    {"jp106", 7},
    {"jp109", 7},
    {"pc98", 7},
    {"applealu_jis", 7},
    {"tm2030USB-106", 7},
    {"sun_type6_jp", 7},
    {"sun_type6_jp_usb", 7},
    {"sun_type7_jp_usb", 7},
};

// Families of PC keyboards: the extended 101/102-key layout with extra keys.
constexpr std::string_view kPcFamilies[] = {
    "a4",          "acer_",    "armada",   "asus_",     "btc",         "cherry",
    "chicony",     "compaq",   "dell",     "genius",    "hp",          "ibm_",
    "inspiron",    "latitude", "logi",     "microsoft", "precision_m", "presario",
    "rapidaccess", "samsung",  "thinkpad", "tm20",      "trust",
};

} // namespace

bool GetVersionEx(TOSVersionInfo& info) {
    return Queries().Version ? Queries().Version(info) : RealVersion(info);
}

int GetKeyboardType(int typeFlag) {
    return Queries().KeyboardType ? Queries().KeyboardType(typeFlag) : RealKeyboardType(typeFlag);
}

void GlobalMemoryStatus(TMemoryStatus& status) {
    if (Queries().MemoryStatus)
        Queries().MemoryStatus(status);
    else
        RealMemoryStatus(status);
}

void SetSystemQueries(TSystemQueries queries) {
    Queries() = std::move(queries);
}

bool ParseKernelRelease(std::string_view release, uint32_t& major, uint32_t& minor,
                        uint32_t& build) {
    // The numbers end where the release's first non-digit, non-dot character begins.
    const size_t end = release.find_first_not_of("0123456789.");
    std::string_view numbers = release.substr(0, end);
    std::array<std::string_view, 3> parts;
    size_t count = 0;
    while (count < parts.size()) {
        const size_t dot = numbers.find('.');
        parts[count++] = numbers.substr(0, dot);
        if (dot == std::string_view::npos)
            break;
        numbers.remove_prefix(dot + 1);
    }
    if (count < 2 || !ParseNumber(parts[0], major) || !ParseNumber(parts[1], minor))
        return false;
    build = 0;
    return count < 3 || parts[2].empty() || ParseNumber(parts[2], build);
}

std::string DistributionName(std::string_view osRelease) {
    // A missing NAME means "Linux", as os-release files define it.
    std::string name = OsReleaseField(osRelease, "NAME").value_or("Linux");
    const std::string version = OsReleaseField(osRelease, "VERSION_ID").value_or("");
    if (!version.empty())
        name += " " + version;
    return name;
}

std::string ServicePackText(std::string_view distributionUtf8) {
    if (distributionUtf8.empty())
        return {};
    const std::string name = TruncateCp932(ToCp932Lenient(distributionUtf8), 125);
    return " " + name + " ";
}

bool ParseMemInfo(std::string_view meminfo, TMemoryStatus& status) {
    std::optional<uint64_t> memTotal, memAvailable, memFree, buffers, cached, swapTotal, swapFree;
    ForEachLine(meminfo, [&](std::string_view line) {
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string_view key = line.substr(0, colon);
        std::string_view rest = line.substr(colon + 1);
        rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
        uint64_t kilobytes = 0;
        const auto [end, error] =
            std::from_chars(rest.data(), rest.data() + rest.size(), kilobytes);
        if (error != std::errc() || end == rest.data())
            return;
        const uint64_t bytes = kilobytes * 1024;
        if (key == "MemTotal")
            memTotal = bytes;
        else if (key == "MemAvailable")
            memAvailable = bytes;
        else if (key == "MemFree")
            memFree = bytes;
        else if (key == "Buffers")
            buffers = bytes;
        else if (key == "Cached")
            cached = bytes;
        else if (key == "SwapTotal")
            swapTotal = bytes;
        else if (key == "SwapFree")
            swapFree = bytes;
    });
    if (!memTotal)
        return false;
    status.TotalPhys = *memTotal;
    // Kernels before 3.14 have no MemAvailable; free memory and caches come near it.
    status.AvailPhys =
        std::min(*memTotal, memAvailable.value_or(memFree.value_or(0) + buffers.value_or(0) +
                                                  cached.value_or(0)));
    status.TotalPageFile = status.TotalPhys + swapTotal.value_or(0);
    status.AvailPageFile = status.AvailPhys + std::min(swapFree.value_or(0), swapTotal.value_or(0));
    status.MemoryLoad = LoadPercent(status.TotalPhys, status.AvailPhys);
    return true;
}

int KeyboardTypeOfModel(std::string_view model, std::string_view layout) {
    if (model.empty())
        return 0;
    int type = 8;
    for (const ModelType& known : kExactModels)
        if (model == known.model)
            type = known.type;
    if (type == 8)
        for (std::string_view family : kPcFamilies)
            if (model.substr(0, family.size()) == family)
                type = 4;
    // A PC keyboard set up with the Japanese layout is a Japanese keyboard.
    if (type == 4 && layout == "jp")
        type = 7;
    return type;
}

void ParseRulesNames(std::string_view property, std::string& model, std::string& layout) {
    std::array<std::string_view, 3> fields; // rules, model, layouts
    for (std::string_view& field : fields) {
        const size_t end = property.find('\0');
        field = property.substr(0, end);
        property = end == std::string_view::npos ? std::string_view() : property.substr(end + 1);
    }
    model = fields[1];
    layout = fields[2].substr(0, fields[2].find(','));
}
