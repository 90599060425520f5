#include "game/ranking.h"

int32_t TickDifference(uint32_t later, uint32_t earlier) {
    return static_cast<int32_t>(later - earlier);
}

int32_t RunTime(const TPlayerRecord& record) {
    return TickDifference(static_cast<uint32_t>(record.Ticks[25]),
                          static_cast<uint32_t>(record.Ticks[0]));
}

int32_t RankingPlace(const TPlayerRecord (&ranking)[RankingSize], int32_t total) {
    for (int32_t k = 0; k < RankingSize; ++k)
        if (total < RunTime(ranking[k]))
            return k;
    return -1;
}

void InsertIntoRanking(TPlayerRecord (&ranking)[RankingSize], int32_t k,
                       const TPlayerRecord& entry) {
    for (int32_t j = RankingSize - 1; j > k; --j)
        ranking[j] = ranking[j - 1];
    ranking[k] = entry;
}
