#pragma once
// Whether a typed name can become a player's name: it must fit the record's
// Name field and have a code page 932 form.
#include <cstdint>
#include <string>

#include "players/record.h"

// The Name field holds 31 bytes of code page 932 text and its zero.
constexpr size_t MaxNameBytes = sizeof(TPlayerRecord::Name) - 1;

enum class TNameFault { None, TooLong, BadCharacter };

// representable: whether every character typed has a code page 932 form.
TNameFault CheckPlayerName(const std::string& cp932, bool representable);

// The message that refuses such a name, code page 932.
std::string NameFaultMessage(TNameFault fault);
