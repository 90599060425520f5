#pragma once
// The record of a player and of a ranking entry: one fixed block of 148 bytes,
// the same in memory and in the data file (little-endian), copied whole.
#include <bit>
#include <cstddef>
#include <cstdint>

struct TPlayerRecord {
    char Name[32];     // code page 932, ended by a zero byte: at most 31 bytes of text
    int32_t PlayCount; // games completed
    int32_t Misses;    // mistypes of the stored game
    int32_t Ticks[26]; // tick of each correct key of the stored game, A to Z
    uint8_t SoundOn;
    uint8_t TimeOn;
    uint8_t NeedleOn;
    uint8_t Pad;
};

static_assert(std::endian::native == std::endian::little,
              "records are copied to the file as they lie in memory");
static_assert(sizeof(TPlayerRecord) == 148);
static_assert(offsetof(TPlayerRecord, Name) == 0);
static_assert(offsetof(TPlayerRecord, PlayCount) == 32);
static_assert(offsetof(TPlayerRecord, Misses) == 36);
static_assert(offsetof(TPlayerRecord, Ticks) == 40);
static_assert(offsetof(TPlayerRecord, SoundOn) == 144);
static_assert(offsetof(TPlayerRecord, TimeOn) == 145);
static_assert(offsetof(TPlayerRecord, NeedleOn) == 146);
static_assert(offsetof(TPlayerRecord, Pad) == 147);
