#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sysquery.h"
#include "platform/text.h"

namespace {

struct ReleaseCase {
    const char* release;
    bool ok;
    uint32_t major, minor, build;
};

TEST(KernelRelease, TakesMajorMinorAndPatchAsBuild) {
    const std::vector<ReleaseCase> cases = {
        {"6.18.44-fc-v1607", true, 6, 18, 44},
        {"6.1.0-18-amd64", true, 6, 1, 0},
        {"5.10", true, 5, 10, 0},
        {"5.10-rc1", true, 5, 10, 0},
        {"4.19.0.7", true, 4, 19, 0},
        {"3.2.4294967295", true, 3, 2, 4294967295u},
        {"3.2.4294967296", false, 0, 0, 0},
        {"6", false, 0, 0, 0},
        {"6.", false, 0, 0, 0},
        {"", false, 0, 0, 0},
        {"linux", false, 0, 0, 0},
    };
    for (const ReleaseCase& c : cases) {
        uint32_t major = 99, minor = 99, build = 99;
        EXPECT_EQ(ParseKernelRelease(c.release, major, minor, build), c.ok) << c.release;
        if (c.ok) {
            EXPECT_EQ(major, c.major) << c.release;
            EXPECT_EQ(minor, c.minor) << c.release;
            EXPECT_EQ(build, c.build) << c.release;
        }
    }
}

TEST(OsRelease, NameAndVersionIdWithQuotesAndEscapes) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\n"
         "VERSION_ID=\"12\"\nID=debian\n",
         "Debian GNU/Linux 12"},
        {"NAME=Fedora\nVERSION_ID=40\n", "Fedora 40"},
        {"NAME='Arch Linux'\nID=arch\n", "Arch Linux"},
        {"# comment\nNAME=\"Say \\\"hi\\\"\"\r\n", "Say \"hi\""},
        {"ID=mystery\n", "Linux"},
        {"XNAME=Wrong\nNAME=Right", "Right"},
        {"", "Linux"},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(DistributionName(text), name) << text;
}

TEST(OsRelease, ServicePackTextIsFramedCp932AndFitsItsField) {
    EXPECT_EQ(ServicePackText(""), "");
    EXPECT_EQ(ServicePackText("Debian GNU/Linux 12"), " Debian GNU/Linux 12 ");
    EXPECT_EQ(ServicePackText("日本語版"), " " + Cp932("日本語版") + " ");
    EXPECT_EQ(ServicePackText("Distro \u00e9\u263a"), " Distro ?? ");

    // 130 double-byte characters: cut on a character boundary, 125 bytes of name.
    std::string longName;
    for (int i = 0; i < 130; ++i)
        longName += "日";
    const std::string text = ServicePackText(longName);
    EXPECT_EQ(text.size(), 1u + 124u + 1u);
    EXPECT_EQ(Cp932ToUtf8(text.substr(1, 124)), std::string(longName, 0, 62 * 3));
}

constexpr uint64_t KiB = 1024;

TEST(MemInfo, PhysicalFromMemAvailablePageFileAsRamPlusSwap) {
    const char* meminfo = "MemTotal:       24683612 kB\n"
                          "MemFree:        24110688 kB\n"
                          "MemAvailable:   24332484 kB\n"
                          "Buffers:            3676 kB\n"
                          "Cached:           398460 kB\n"
                          "SwapTotal:       2097148 kB\n"
                          "SwapFree:        1048576 kB\n";
    TMemoryStatus status;
    ASSERT_TRUE(ParseMemInfo(meminfo, status));
    EXPECT_EQ(status.TotalPhys, 24683612 * KiB);
    EXPECT_EQ(status.AvailPhys, 24332484 * KiB);
    EXPECT_EQ(status.TotalPageFile, (24683612 + 2097148) * KiB);
    EXPECT_EQ(status.AvailPageFile, (24332484 + 1048576) * KiB);
    EXPECT_EQ(status.MemoryLoad, 1u); // 351128 of 24683612 in use: 1.4 %
}

TEST(MemInfo, OddInputs) {
    struct Case {
        const char* name;
        const char* text;
        bool ok;
        uint64_t totalPhys, availPhys, totalPage, availPage;
        uint32_t load;
    };
    const std::vector<Case> cases = {
        // Before MemAvailable existed: free memory and caches.
        {"old kernel", "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 100 kB\n", true,
         1000 * KiB, 250 * KiB, 1000 * KiB, 250 * KiB, 75},
        {"no swap lines", "MemTotal: 4000 kB\nMemAvailable: 1000 kB\n", true, 4000 * KiB,
         1000 * KiB, 4000 * KiB, 1000 * KiB, 75},
        {"available above total", "MemTotal: 100 kB\nMemAvailable: 200 kB\n", true, 100 * KiB,
         100 * KiB, 100 * KiB, 100 * KiB, 0},
        {"zero total", "MemTotal: 0 kB\nMemAvailable: 0 kB\n", true, 0, 0, 0, 0, 0},
        {"no total", "MemFree: 100 kB\n", false, 0, 0, 0, 0, 0},
        {"garbage", "MemTotal: lots\n", false, 0, 0, 0, 0, 0},
        {"empty", "", false, 0, 0, 0, 0, 0},
        // Well over 4 GiB: nothing is cut to 32 bits.
        {"64 GiB",
         "MemTotal: 67108864 kB\nMemAvailable: 33554432 kB\nSwapTotal: 8388608 kB\n"
         "SwapFree: 8388608 kB\n",
         true, 64ull << 30, 32ull << 30, 72ull << 30, 40ull << 30, 50},
    };
    for (const Case& c : cases) {
        TMemoryStatus status;
        EXPECT_EQ(ParseMemInfo(c.text, status), c.ok) << c.name;
        if (!c.ok)
            continue;
        EXPECT_EQ(status.TotalPhys, c.totalPhys) << c.name;
        EXPECT_EQ(status.AvailPhys, c.availPhys) << c.name;
        EXPECT_EQ(status.TotalPageFile, c.totalPage) << c.name;
        EXPECT_EQ(status.AvailPageFile, c.availPage) << c.name;
        EXPECT_EQ(status.MemoryLoad, c.load) << c.name;
    }
}

TEST(KeyboardModel, ModelsGiveTheirNearestType) {
    struct Case {
        const char* model;
        const char* layout;
        int type;
    };
    const std::vector<Case> cases = {
        {"", "us", 0},
        {"pc83", "us", 1},
        {"pc84", "us", 3},
        {"pc101", "us", 4},
        {"pc102", "de", 4},
        {"pc104", "us", 4},
        {"pc105", "gb", 4},
        {"pc104alt", "us", 4},
        {"jp106", "jp", 7},
        {"jp109", "jp", 7},
        {"jp106", "us", 7},
        {"pc98", "jp", 7},
        {"applealu_jis", "jp", 7},
        {"tm2030USB-106", "jp", 7},
        {"pc105", "jp", 7},
        {"thinkpad60", "jp", 7},
        {"thinkpad60", "us", 4},
        {"dell101", "us", 4},
        {"logitech_base", "fr", 4},
        {"sk2500", "us", 4},
        {"microsoftpro", "us", 4},
        {"tm2030USB-102", "de", 4},
        {"macintosh", "us", 8},
        {"macintosh", "jp", 8},
        {"nokiarx51", "us", 8},
        {"sun_type7_usb", "us", 8},
        {"sun_type7_jp_usb", "jp", 7},
        {"PC105", "us", 8},
        {"something new", "us", 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyboardTypeOfModel(c.model, c.layout), c.type) << c.model << " " << c.layout;
}

TEST(KeyboardModel, RulesNamesPropertySplitsAtNul) {
    struct Case {
        std::string property;
        const char* model;
        const char* layout;
    };
    using namespace std::string_literals;
    const std::vector<Case> cases = {
        {"evdev\0pc105\0us\0\0\0"s, "pc105", "us"},
        {"evdev\0jp106\0jp,us\0,\0grp:alt_shift_toggle\0"s, "jp106", "jp"},
        {"evdev\0pc104"s, "pc104", ""},
        {"evdev"s, "", ""},
        {""s, "", ""},
    };
    for (const Case& c : cases) {
        std::string model = "stale", layout = "stale";
        ParseRulesNames(c.property, model, layout);
        EXPECT_EQ(model, c.model);
        EXPECT_EQ(layout, c.layout);
    }
}

TEST(SystemQueries, RealQueriesAnswerOnThisSystem) {
    TOSVersionInfo version;
    version.Size = sizeof version;
    ASSERT_TRUE(GetVersionEx(version));
    EXPECT_EQ(version.PlatformId, PLATFORM_LINUX);
    EXPECT_LT(std::char_traits<char>::length(version.ServicePack), sizeof version.ServicePack);

    TOSVersionInfo wrongSize;
    wrongSize.Size = 32;
    EXPECT_FALSE(GetVersionEx(wrongSize));

    TMemoryStatus memory;
    GlobalMemoryStatus(memory);
    EXPECT_GT(memory.TotalPhys, 0u);
    EXPECT_LE(memory.AvailPhys, memory.TotalPhys);
    EXPECT_GE(memory.TotalPageFile, memory.TotalPhys);
    EXPECT_LE(memory.MemoryLoad, 100u);

    // Only the type is known, not the subtype or the number of function keys.
    EXPECT_EQ(GetKeyboardType(1), 0);
    EXPECT_EQ(GetKeyboardType(2), 0);
}

TEST(SystemQueries, ReplacedQueriesAreUsedUntilRestored) {
    SetSystemQueries({[](TOSVersionInfo&) { return false; }, [](int) { return 5; },
                      [](TMemoryStatus& s) { s.MemoryLoad = 42; }});
    TOSVersionInfo version;
    version.Size = sizeof version;
    EXPECT_FALSE(GetVersionEx(version));
    EXPECT_EQ(GetKeyboardType(0), 5);
    TMemoryStatus memory;
    GlobalMemoryStatus(memory);
    EXPECT_EQ(memory.MemoryLoad, 42u);

    SetSystemQueries({});
    EXPECT_TRUE(GetVersionEx(version));
    EXPECT_NE(GetKeyboardType(0), 5); // no X keyboard model maps to it
    GlobalMemoryStatus(memory);
    EXPECT_GT(memory.TotalPhys, 0u);
}

} // namespace
