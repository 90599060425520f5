#include "players/names.h"

#include <cstring>

namespace {

constexpr size_t MaxNameBytes = sizeof(TPlayerRecord::Name) - 1;

bool IsLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest prefix of name that fits and ends on a character boundary.
size_t FittingLength(std::string_view name) {
    size_t length = 0;
    while (length < name.size()) {
        const size_t next = length + (IsLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1);
        if (next > MaxNameBytes || next > name.size())
            break;
        length = next;
    }
    return length;
}

} // namespace

std::string_view NameOf(const TPlayerRecord& record) {
    const void* end = std::memchr(record.Name, 0, sizeof record.Name);
    const size_t length =
        end ? static_cast<size_t>(static_cast<const char*>(end) - record.Name) : sizeof record.Name;
    return {record.Name, length};
}

bool SameName(const TPlayerRecord& record, std::string_view name) {
    return NameOf(record) == name;
}

void SetName(TPlayerRecord& record, std::string_view name) {
    std::memset(record.Name, 0, sizeof record.Name);
    std::memcpy(record.Name, name.data(), FittingLength(name));
}
