#include "players/playerfile.h"

#include <string>

#include "platform/text.h"

int64_t PlayerFileSize(int32_t count) {
    return 4 + static_cast<int64_t>(sizeof(TPlayerRecord)) * (count + RankingPlaces);
}

EDamagedPlayerFile::EDamagedPlayerFile()
    : Exception(Cp932("ﾌｧｲﾙ ") + PlayerFileName + Cp932(" は壊れています")) {}

EPlayerTableFull::EPlayerTableFull()
    : Exception(Cp932("これ以上プレイヤーを登録できません（最大 ") + std::to_string(MaxPlayers) +
                Cp932(" 人）")) {}

int32_t ReadCount(TFileStream& file) {
    int32_t count = 0;
    if (file.Read(&count, sizeof count) != sizeof count)
        throw EDamagedPlayerFile();
    if (count < 0 || count > MaxPlayers || file.Size() != PlayerFileSize(count))
        throw EDamagedPlayerFile();
    return count;
}

void ReadRecord(TFileStream& file, TPlayerRecord& record) {
    file.ReadBuffer(&record, sizeof record);
}

void WriteCount(TFileStream& file, int32_t count) {
    file.WriteBuffer(&count, sizeof count);
}

void WriteRecord(TFileStream& file, const TPlayerRecord& record) {
    TPlayerRecord written = record;
    written.Name[sizeof written.Name - 1] = 0;
    written.Pad = 0;
    file.WriteBuffer(&written, sizeof written);
}
