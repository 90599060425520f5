#pragma once
// The data file: a count N, N player records, then the ranking of 10 records.
// Its length is therefore always 4 + 148 x (N + 10) bytes.
#include <cstdint>

#include "platform/exception.h"
#include "platform/filestream.h"
#include "players/record.h"

inline constexpr char PlayerFileName[] = "userdata.dat";
inline constexpr int32_t MaxPlayers = 256;
inline constexpr int32_t RankingPlaces = 10;

int64_t PlayerFileSize(int32_t count);

// The count is out of range or the length does not match it: the file is not
// one this program wrote, and nothing should be read from it or written over it.
class EDamagedPlayerFile : public Exception {
  public:
    EDamagedPlayerFile();
};

// A save would add a player to a file that holds MaxPlayers already.
class EPlayerTableFull : public Exception {
  public:
    EPlayerTableFull();
};

// Reads N and checks it against the file's length; throws EDamagedPlayerFile.
int32_t ReadCount(TFileStream& file);
void ReadRecord(TFileStream& file, TPlayerRecord& record);

void WriteCount(TFileStream& file, int32_t count);
// Writes the record with its name ended within Name and the pad byte zero.
void WriteRecord(TFileStream& file, const TPlayerRecord& record);
