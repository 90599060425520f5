#pragma once
// Run times and the top-10 ranking, over the records as they are stored.
#include <cstdint>

#include "players/record.h"

constexpr int32_t RankingSize = 10;

// The milliseconds from one tick stamp to a later one: the 32-bit difference
// taken as signed, so a wrap of the tick counter between them does no harm.
int32_t TickDifference(uint32_t later, uint32_t earlier);

// The run time of a stored game: Ticks[25] - Ticks[0].
int32_t RunTime(const TPlayerRecord& record);

// The first place whose run is strictly slower than total; -1 for none.
// A run as fast as an entry goes in below it.
int32_t RankingPlace(const TPlayerRecord (&ranking)[RankingSize], int32_t total);

// Puts entry at place k: the entries from k on move down one place, the last drops out.
void InsertIntoRanking(TPlayerRecord (&ranking)[RankingSize], int32_t k,
                       const TPlayerRecord& entry);
