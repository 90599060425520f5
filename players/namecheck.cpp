#include "players/namecheck.h"

#include <algorithm>

#include "platform/text.h"

TNameFault CheckPlayerName(const std::string& cp932, bool representable) {
    if (!representable)
        return TNameFault::BadCharacter;
    // A zero byte would cut the stored name short; other control bytes have no glyph.
    // Trail bytes of double-byte characters are never below 0x40, so a byte test is exact.
    const bool control = std::any_of(cp932.begin(), cp932.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    });
    if (control)
        return TNameFault::BadCharacter;
    if (cp932.size() > MaxNameBytes)
        return TNameFault::TooLong;
    return TNameFault::None;
}

std::string NameFaultMessage(TNameFault fault) {
    switch (fault) {
    case TNameFault::TooLong:
        return Cp932("名前が長すぎます。半角31文字(全角15文字)までにしてください");
    case TNameFault::BadCharacter:
        return Cp932("名前に使えない文字が含まれています");
    case TNameFault::None:
        break;
    }
    return {};
}
