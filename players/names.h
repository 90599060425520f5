#pragma once
// Player names as the records hold them: code page 932 bytes ended by a zero
// within the 32 bytes of Name.
#include <string_view>

#include "players/record.h"

// The name's bytes up to the terminating zero, never past the end of Name.
std::string_view NameOf(const TPlayerRecord& record);

// Byte for byte up to the terminating zero: case and blanks count.
bool SameName(const TPlayerRecord& record, std::string_view name);

// Stores at most the 31 bytes that fit before the terminating zero, never
// cutting a double-byte character in two; the rest of Name becomes zero.
void SetName(TPlayerRecord& record, std::string_view name);
