#pragma once
// The records the program makes itself rather than reads.
#include <string_view>

#include "players/record.h"

// A ranking place no game has earned: "no record", a run of 250.000 seconds,
// and the options the window starts with.
TPlayerRecord DefaultRankingEntry();

// A newly registered player: no games yet, and a stored run of 250.000 seconds
// that any real game beats.
TPlayerRecord FreshPlayerRecord(std::string_view name, bool soundOn, bool timeOn, bool needleOn);
