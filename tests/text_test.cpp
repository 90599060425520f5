#include <gtest/gtest.h>

#include "platform/text.h"

TEST(Text, RoundTripsJapaneseThroughCodePage932) {
    const std::string utf8 = "プレイヤーを選んでください";
    auto cp932 = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp932);
    EXPECT_EQ(cp932->size(), 26u); // 13 double-byte characters
    EXPECT_EQ(Cp932ToUtf8(*cp932), utf8);
}

TEST(Text, HalfWidthKatakanaIsOneByteEach) {
    EXPECT_EQ(Cp932("ﾌｧｲﾙ"), "\xCC\xA7\xB2\xD9");
}

TEST(Text, RefusesWhatCodePage932CannotHold) {
    EXPECT_FALSE(Utf8ToCp932("emoji \xF0\x9F\x98\x80"));
    EXPECT_FALSE(Utf8ToCp932("\xED\x95\x9C")); // Hangul
}
