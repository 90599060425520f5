#include "sysinfo/lines.h"

#include <charconv>
#include <cstring>
#include <string_view>

#include "platform/text.h"

namespace {

// "%u"
std::string Unsigned(uint32_t value) {
    return std::to_string(value);
}

// The C library's "%f" would follow the user's locale (Qt sets it) and might
// print a decimal comma.
std::string Fixed6(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string PlatformName(uint32_t platformId) {
    switch (platformId) {
    case 0:
        return "Windows3.1";
    case 1:
        return "Windows95";
    case 2:
        return "WindowsNT";
    default:
        return Cp932("不明なOS");
    }
}

std::string KeyboardText(int keyboardType) {
    switch (keyboardType) {
    case 0:
        return Cp932("キーボード情報の取得に失敗");
    case 1:
        return Cp932("IBM PC/XT互換 83キーボード");
    case 2:
        return Cp932("Olivetti ICO 102キーボード");
    case 3:
        return Cp932("IBM AT互換 84キーボード");
    case 4:
        return Cp932("IBM拡張 101,102キーボード");
    case 5:
        return Cp932("Nokia 1050互換キーボード");
    case 6:
        return Cp932("Nokia 9140互換キーボード");
    case 7:
        return Cp932("日本語キーボード");
    default:
        return Cp932("未知のキーボード");
    }
}

std::string VersionLine(const TOSVersionInfo& version) {
    // The text ends at its NUL or at the end of the field, whichever comes first.
    const std::string_view servicePack(version.ServicePack,
                                       strnlen(version.ServicePack, sizeof version.ServicePack));
    return PlatformName(version.PlatformId) + " " + Unsigned(version.MajorVersion) + "." +
           Unsigned(version.MinorVersion) + std::string(servicePack) + "(Build " +
           Unsigned(version.BuildNumber) + ")";
}

std::string VersionFailedLine() {
    return Cp932("OS情報の取得に失敗");
}

std::string Megabytes(uint64_t bytes) {
    return Fixed6(static_cast<double>(bytes) / 1048576.0);
}

std::string MemoryLoadLine(uint32_t memoryLoad) {
    return Cp932("メモリ使用率：") + Unsigned(memoryLoad) + "%";
}

std::string PhysicalMemoryLine(const TMemoryStatus& status) {
    return Cp932("物理メモリ (残り / 総量)：") + Megabytes(status.AvailPhys) + " / " +
           Megabytes(status.TotalPhys) + " MB";
}

std::string PageFileLine(const TMemoryStatus& status) {
    return Cp932("仮想メモリ (残り / 総量)：") + Megabytes(status.AvailPageFile) + " / " +
           Megabytes(status.TotalPageFile) + " MB";
}
