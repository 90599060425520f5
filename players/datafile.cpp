#include <algorithm>
#include <vector>

#include "mainwin/mainwin.h"
#include "platform/application.h"
#include "platform/filestream.h"
#include "platform/text.h"
#include "players/defaults.h"
#include "players/names.h"
#include "players/playerfile.h"

void TMainWindow::ReadPlayerFile() {
    if (!FileExists(PlayerFileName)) {
        const TPlayerRecord entry = DefaultRankingEntry();
        std::fill(std::begin(Ranking), std::end(Ranking), entry);
        return;
    }
    TFileStream file(PlayerFileName, fmOpenRead | fmShareDenyNone);
    const int32_t count = ReadCount(file);
    for (int32_t i = 0; i < count; ++i) {
        TPlayerRecord record;
        ReadRecord(file, record);
        PlayerList->AddItem(std::string(NameOf(record)));
    }
    file.ReadBuffer(Ranking, sizeof Ranking);
}

void TMainWindow::SavePlayer() {
    std::vector<TPlayerRecord> table(MaxPlayers);
    int32_t count = 0;
    bool found = false;
    if (FileExists(PlayerFileName)) {
        TFileStream file(PlayerFileName, fmOpenRead | fmShareDenyNone);
        count = ReadCount(file);
        for (int32_t i = 0; i < count; ++i) {
            ReadRecord(file, table[i]);
            if (SameName(table[i], NameOf(Player))) {
                table[i] = Player;
                found = true;
            }
        }
    }
    if (!found) {
        if (count == MaxPlayers)
            throw EPlayerTableFull();
        table[count] = Player;
        ++count;
    }
    TFileReplacement file(PlayerFileName);
    WriteCount(file, count);
    for (int32_t i = 0; i < count; ++i)
        WriteRecord(file, table[i]);
    for (const TPlayerRecord& entry : Ranking)
        WriteRecord(file, entry);
    file.Commit();
}

void TMainWindow::LoadPlayer(const char* name) {
    TFileStream file(PlayerFileName, fmOpenRead | fmShareDenyNone);
    const int32_t count = ReadCount(file);
    bool found = false;
    for (int32_t i = 0; i < count && !found; ++i) {
        TPlayerRecord scratch;
        ReadRecord(file, scratch);
        if (SameName(scratch, name)) {
            Player = scratch;
            found = true;
        }
    }
    if (found) {
        SoundOn = Player.SoundOn != 0;
        mnSound->SetChecked(SoundOn);
        TimeOn = Player.TimeOn != 0;
        mnShowTime->SetChecked(TimeOn);
        NeedleOn = Player.NeedleOn != 0;
        mnShowTimeN->SetChecked(NeedleOn);
    } else {
        Application->MessageBox(Cp932("プレイヤーデータが見つかりません"), Cp932("予想外のエラー"));
    }
}

void TMainWindow::DeletePlayer(const char* name) {
    // Without a file there is nothing stored to delete, and nothing to write back.
    if (!FileExists(PlayerFileName))
        return;
    std::vector<TPlayerRecord> table(MaxPlayers);
    uint8_t ranking[sizeof(TPlayerRecord) * RankingPlaces];
    int32_t count = 0;
    {
        TFileStream file(PlayerFileName, fmOpenRead | fmShareDenyNone);
        count = ReadCount(file);
        for (int32_t i = 0; i < count; ++i)
            ReadRecord(file, table[i]);
        file.ReadBuffer(ranking, sizeof ranking);
    }
    // Counted, not assumed to be one less: the file may have changed since the list was filled.
    const auto kept = static_cast<int32_t>(
        std::count_if(table.begin(), table.begin() + count,
                      [&](const TPlayerRecord& r) { return !SameName(r, name); }));
    TFileReplacement file(PlayerFileName);
    WriteCount(file, kept);
    for (int32_t i = 0; i < count; ++i)
        if (!SameName(table[i], name))
            WriteRecord(file, table[i]);
    file.WriteBuffer(ranking, sizeof ranking);
    file.Commit();
}
