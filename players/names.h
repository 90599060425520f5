#pragma once
// Names of new players: what fits a record's Name field and what a fresh
// record holds.
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

// A newly registered player: no games yet, a best run of 250 s, the given options.
TPlayerRecord FreshPlayerRecord(const std::string& cp932Name, bool soundOn, bool timeOn,
                                bool needleOn);
