// The generated artwork, sound and help file as the game loads them.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

QString assetPath(const char* name) {
    return QStringLiteral(ZV_ASSETS_DIR "/") + name;
}

QByteArray readAsset(const char* name) {
    QFile file(assetPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t le(const QByteArray& bytes, int offset, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return v;
}

QImage loadImage(const char* name) {
    QImage image(assetPath(name));
    EXPECT_FALSE(image.isNull()) << name;
    return image;
}

bool isBlack(QRgb c) {
    return (c & 0xFFFFFFu) == 0;
}
bool isWhite(QRgb c) {
    return (c & 0xFFFFFFu) == 0xFFFFFFu;
}
bool isCyan(QRgb c) {
    return (c & 0xFFFFFFu) == 0x00FFFFu;
}

TEST(Assets, BitmapsHaveTheirSizeAndDepth) {
    struct Expected {
        const char* name;
        int width;
        int height;
        int bitsPerPixel;
        std::uint32_t colours; // biClrUsed; 0 = not checked
    };
    const Expected files[] = {
        {"background.bmp", 400, 400, 8, 238}, {"alphabet.bmp", 832, 32, 8, 0},
        {"bomb.bmp", 512, 64, 8, 0},          {"bombmask.bmp", 512, 64, 1, 2},
        {"restore.bmp", 512, 64, 24, 0},      {"restoremask.bmp", 512, 64, 8, 0},
        {"target.bmp", 32, 64, 1, 2},         {"title.bmp", 250, 150, 8, 0},
        {"icon.bmp", 32, 32, 4, 16},
    };
    for (const Expected& e : files) {
        SCOPED_TRACE(e.name);
        const QByteArray bytes = readAsset(e.name);
        ASSERT_GE(bytes.size(), 54);
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(le(bytes, 2, 4), static_cast<std::uint32_t>(bytes.size()));
        EXPECT_EQ(le(bytes, 14, 4), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<int>(le(bytes, 18, 4)), e.width);
        EXPECT_EQ(static_cast<int>(le(bytes, 22, 4)), e.height); // positive: bottom-up
        EXPECT_EQ(static_cast<int>(le(bytes, 28, 2)), e.bitsPerPixel);
        EXPECT_EQ(le(bytes, 30, 4), 0u); // uncompressed
        if (e.colours != 0) {
            EXPECT_EQ(le(bytes, 46, 4), e.colours);
        }
        const QImage image = loadImage(e.name);
        EXPECT_EQ(image.width(), e.width);
        EXPECT_EQ(image.height(), e.height);
    }
}

TEST(Assets, BackgroundFadesFromBlueTopLeftToBlackBottomRight) {
    const QImage image = loadImage("background.bmp");
    ASSERT_EQ(image.colorCount(), 238);
    const QRgb topLeft = image.pixel(0, 0);
    EXPECT_GT(qBlue(topLeft), 200);
    EXPECT_GT(qBlue(topLeft), qRed(topLeft));
    EXPECT_GT(qBlue(topLeft), qGreen(topLeft));
    EXPECT_TRUE(isBlack(image.pixel(399, 399)));
    // Brightness falls along the diagonal.
    for (int i = 50; i < 400; i += 50)
        EXPECT_LT(qBlue(image.pixel(i, i)), qBlue(image.pixel(i - 50, i - 50))) << i;
}

// Wherever a mask is white the sprite must be black, or it would show through as a box.
TEST(Assets, SpriteMasksMatchTheirImagesFrameByFrame) {
    struct Pair {
        const char* image;
        const char* mask;
        int frames;
        int frameWidth;
        int frameHeight;
        int maskTop; // the target keeps its mask below the image
        bool exact;  // mask black exactly where the image has ink
    };
    const Pair pairs[] = {
        {"bomb.bmp", "bombmask.bmp", 8, 64, 64, 0, true},
        {"restore.bmp", "restoremask.bmp", 8, 64, 64, 0, true},
        {"target.bmp", "target.bmp", 1, 32, 32, 32, false},
    };
    for (const Pair& p : pairs) {
        const QImage image = loadImage(p.image);
        const QImage mask = loadImage(p.mask);
        for (int f = 0; f < p.frames; ++f) {
            SCOPED_TRACE(std::string(p.image) + " frame " + std::to_string(f));
            int notBlackOrWhite = 0;
            int showsThrough = 0;
            int uncovered = 0;
            int ink = 0;
            for (int y = 0; y < p.frameHeight; ++y) {
                for (int x = f * p.frameWidth; x < (f + 1) * p.frameWidth; ++x) {
                    const QRgb m = mask.pixel(x, y + p.maskTop);
                    const bool hasInk = !isBlack(image.pixel(x, y));
                    ink += hasInk;
                    notBlackOrWhite += !isBlack(m) && !isWhite(m);
                    showsThrough += isWhite(m) && hasInk;
                    uncovered += isBlack(m) && !hasInk;
                }
            }
            EXPECT_GT(ink, 0);
            EXPECT_EQ(notBlackOrWhite, 0);
            EXPECT_EQ(showsThrough, 0);
            if (p.exact) {
                EXPECT_EQ(uncovered, 0);
            }
        }
    }
}

TEST(Assets, TargetMarkerAndMaskArePixelExact) {
    struct Block {
        int x0, x1, y0, y1; // inclusive
    };
    const Block marker[] = {
        {1, 10, 1, 2},  {21, 30, 1, 2},   {1, 2, 3, 10},   {29, 30, 3, 10},
        {1, 2, 21, 28}, {29, 30, 21, 28}, {1, 10, 29, 30}, {21, 30, 29, 30},
    };
    const Block mask[] = {
        {12, 19, 0, 3}, {12, 19, 28, 31}, {4, 27, 4, 11}, {4, 27, 20, 27}, {0, 31, 12, 19},
    };
    auto white = [](const auto& blocks, int x, int y) {
        for (const Block& b : blocks) {
            if (x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1)
                return true;
        }
        return false;
    };
    const QImage image = loadImage("target.bmp");
    ASSERT_EQ(image.size(), QSize(32, 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool expected = y < 32 ? white(marker, x, y) : white(mask, x, y - 32);
            const QRgb c = image.pixel(x, y);
            EXPECT_TRUE(expected ? isWhite(c) : isBlack(c)) << "x " << x << " y " << y;
        }
    }
}

TEST(Assets, RestoreIsAWhiteSweepThenCyanSparkles) {
    const QImage image = loadImage("restore.bmp");
    for (int f = 0; f < 8; ++f) {
        SCOPED_TRACE(f);
        int white = 0;
        int cyan = 0;
        int other = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = f * 64; x < (f + 1) * 64; ++x) {
                const QRgb c = image.pixel(x, y);
                white += isWhite(c);
                cyan += isCyan(c);
                other += !isWhite(c) && !isCyan(c) && !isBlack(c);
            }
        }
        EXPECT_EQ(other, 0);
        if (f < 3) {
            EXPECT_GT(white, 0);
            EXPECT_EQ(cyan, 0);
        } else {
            EXPECT_GT(cyan, 0);
        }
    }
}

TEST(Assets, BombFireballGrowsThenShrinks) {
    const QImage image = loadImage("bomb.bmp");
    int area[8] = {};
    for (int f = 0; f < 8; ++f) {
        for (int y = 0; y < 64; ++y) {
            for (int x = f * 64; x < (f + 1) * 64; ++x)
                area[f] += !isBlack(image.pixel(x, y));
        }
    }
    for (int f = 1; f < 8; ++f) {
        if (f <= 3) {
            EXPECT_GT(area[f], area[f - 1]) << f;
        } else {
            EXPECT_LT(area[f], area[f - 1]) << f;
        }
    }
}

TEST(Assets, ExplosionIsShortMonoPcm) {
    const QByteArray wav = readAsset("bomb.wav");
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.mid(0, 4), QByteArray("RIFF"));
    EXPECT_EQ(le(wav, 4, 4), static_cast<std::uint32_t>(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(le(wav, 20, 2), 1u); // PCM
    EXPECT_EQ(le(wav, 22, 2), 1u); // mono
    EXPECT_EQ(le(wav, 24, 4), 22050u);
    EXPECT_EQ(le(wav, 34, 2), 16u);
    ASSERT_EQ(wav.mid(36, 4), QByteArray("data"));
    const std::uint32_t bytes = le(wav, 40, 4);
    ASSERT_EQ(bytes, static_cast<std::uint32_t>(wav.size() - 44));
    const double seconds = bytes / 2 / 22050.0;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 0.5);
    int peak = 0;
    for (int i = 44; i + 1 < wav.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(le(wav, i, 2));
        peak = std::max(peak, s < 0 ? -s : static_cast<int>(s));
    }
    EXPECT_GT(peak, 16000);
}

TEST(Assets, ResourceFileListsEveryBitmap) {
    const QByteArray qrc = readAsset("assets.qrc");
    EXPECT_TRUE(qrc.contains("prefix=\"/pictures\""));
    for (const char* name :
         {"background.bmp", "alphabet.bmp", "bomb.bmp", "bombmask.bmp", "restore.bmp",
          "restoremask.bmp", "target.bmp", "title.bmp", "icon.bmp"}) {
        EXPECT_TRUE(qrc.contains(QByteArray("<file>") + name + "</file>")) << name;
    }
}

TEST(Assets, HelpFileIsUtf8HtmlWithTopicOne) {
    const QByteArray help = readAsset("Zrkvexo.hlp");
    ASSERT_FALSE(help.isEmpty());
    EXPECT_EQ(QString::fromUtf8(help).toUtf8(), help); // valid UTF-8 survives a round trip
    for (const char* phrase :
         {"<meta charset=\"utf-8\">", "<a name=\"1\">", "新規登録：", "決定", "削除",
          "Hit space key.", "ランキングVexo", "タイムトライアルVexo", "効果音", "タイム表示",
          "タイム針表示", "メニュー", "バージョン情報", "ヘルプ", "プレイヤー変更", "終了"}) {
        EXPECT_TRUE(help.contains(phrase)) << phrase;
    }
}

} // namespace
