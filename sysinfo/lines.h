#pragma once
// The texts of the system information screen, in code page 932.
#include <cstdint>
#include <string>

#include "platform/sysquery.h"

std::string PlatformName(uint32_t platformId);
std::string KeyboardText(int keyboardType);
// "%s %u.%u%s(Build %u)": platform name, major, minor, service-pack text, build.
std::string VersionLine(const TOSVersionInfo& version);
std::string VersionFailedLine();
// A byte count as megabytes with six decimals ("%f"), whatever the locale.
std::string Megabytes(uint64_t bytes);
std::string MemoryLoadLine(uint32_t memoryLoad);
std::string PhysicalMemoryLine(const TMemoryStatus& status);
std::string PageFileLine(const TMemoryStatus& status);
