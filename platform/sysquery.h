#pragma once
// What the system tells about itself: its version, the keyboard type and the
// memory status. Tests replace the queries with their own answers.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// A platform identifier of none of the three systems the information screen names.
constexpr uint32_t PLATFORM_LINUX = 3;

struct TOSVersionInfo {
    uint32_t Size = 0; // set to sizeof(TOSVersionInfo) before the query
    uint32_t MajorVersion = 0;
    uint32_t MinorVersion = 0;
    uint32_t BuildNumber = 0;
    uint32_t PlatformId = 0;
    char ServicePack[128] = {}; // code page 932, NUL-terminated
};
static_assert(sizeof(TOSVersionInfo) == 148);

// Byte counts are 64-bit: every current computer has more than 4 GiB.
struct TMemoryStatus {
    uint32_t MemoryLoad = 0; // percent of physical memory in use
    uint64_t TotalPhys = 0;
    uint64_t AvailPhys = 0;
    uint64_t TotalPageFile = 0; // physical memory and swap together
    uint64_t AvailPageFile = 0;
};

// False when the version cannot be told (or info.Size is wrong).
bool GetVersionEx(TOSVersionInfo& info);
// typeFlag 0 asks for the keyboard type; 0 means it cannot be told, as does
// any other typeFlag.
int GetKeyboardType(int typeFlag);
// Never fails; what cannot be read stays 0.
void GlobalMemoryStatus(TMemoryStatus& status);

struct TSystemQueries {
    std::function<bool(TOSVersionInfo&)> Version;
    std::function<int(int)> KeyboardType;
    std::function<void(TMemoryStatus&)> MemoryStatus;
};
// Replaces the queries (tests); an empty member restores the real one.
void SetSystemQueries(TSystemQueries queries);

// The pieces of the Linux queries, on the texts the system gives.

// "6.18.44-fc-v1607": major 6, minor 18, build 44 (0 when there is no third number).
bool ParseKernelRelease(std::string_view release, uint32_t& major, uint32_t& minor,
                        uint32_t& build);
// The distribution's NAME and VERSION_ID from os-release text, in UTF-8.
std::string DistributionName(std::string_view osRelease);
// The distribution name as it follows the minor version: code page 932,
// framed by spaces, at most 127 bytes; empty for an empty name.
std::string ServicePackText(std::string_view distributionUtf8);
// Fills status from /proc/meminfo text; false when MemTotal is missing.
bool ParseMemInfo(std::string_view meminfo, TMemoryStatus& status);
// The keyboard type of an X keyboard model and its first layout; 8 for an
// unknown model, 0 for none.
int KeyboardTypeOfModel(std::string_view model, std::string_view layout);
// Splits the _XKB_RULES_NAMES property (rules, model, layout, ... each ended by NUL).
void ParseRulesNames(std::string_view property, std::string& model, std::string& layout);
