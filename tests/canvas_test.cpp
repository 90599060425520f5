#include <gtest/gtest.h>

#include "platform/canvas.h"

namespace {

void Fill(TBitmap& bitmap, TColor color) {
    bitmap.Canvas().Brush.Color = color;
    bitmap.Canvas().FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

TEST(Canvas, CopyModesCombineSourceAndDestination) {
    struct Case {
        TCopyMode mode;
        TColor dst, src, expected;
    };
    const Case cases[] = {
        {SRCCOPY, 0x123456, 0xABCDEF, 0xABCDEF},
        {SRCAND, 0x00FFFF, 0xFF00F0, 0x0000F0},
        {SRCINVERT, 0x00FFFF, 0xFF00F0, 0xFFFF0F},
        {SRCINVERT, 0xFFFFFF, 0xFFFFFF, 0x000000},
    };
    for (const Case& c : cases) {
        TBitmap dst(4, 4), src(4, 4);
        Fill(dst, c.dst);
        Fill(src, c.src);
        dst.Canvas().CopyMode = c.mode;
        dst.Canvas().CopyRect(Rect(1, 1, 3, 3), src.Canvas(), Rect(0, 0, 2, 2));
        EXPECT_EQ(dst.Canvas().Pixel(1, 1), c.expected) << c.mode;
        EXPECT_EQ(dst.Canvas().Pixel(2, 2), c.expected) << c.mode;
        EXPECT_EQ(dst.Canvas().Pixel(0, 0), c.dst) << "outside the rectangle";
        EXPECT_EQ(dst.Canvas().Pixel(3, 3), c.dst) << "right and bottom are exclusive";
    }
}

TEST(Canvas, MaskThenImageLeavesTheBackgroundWhereTheMaskIsWhite) {
    TBitmap background(2, 1), mask(2, 1), image(2, 1);
    Fill(background, 0x336699);
    mask.Canvas().Brush.Color = clWhite;
    mask.Canvas().FillRect(Rect(0, 0, 1, 1));
    mask.Canvas().Brush.Color = clBlack;
    mask.Canvas().FillRect(Rect(1, 0, 2, 1));
    image.Canvas().Brush.Color = clBlack;
    image.Canvas().FillRect(Rect(0, 0, 1, 1));
    image.Canvas().Brush.Color = 0x0080FF;
    image.Canvas().FillRect(Rect(1, 0, 2, 1));

    background.Canvas().CopyMode = SRCAND;
    background.Canvas().CopyRect(Rect(0, 0, 2, 1), mask.Canvas(), Rect(0, 0, 2, 1));
    background.Canvas().CopyMode = SRCINVERT;
    background.Canvas().CopyRect(Rect(0, 0, 2, 1), image.Canvas(), Rect(0, 0, 2, 1));
    EXPECT_EQ(background.Canvas().Pixel(0, 0), 0x336699u);
    EXPECT_EQ(background.Canvas().Pixel(1, 0), 0x0080FFu);
}

TEST(Canvas, CopiesAreCutOffAtEveryEdge) {
    // A 4x4 source whose pixel (x, y) has the colour y * 16 + x.
    TBitmap src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            src.Canvas().Brush.Color = static_cast<TColor>(y * 16 + x);
            src.Canvas().FillRect(Rect(x, y, x + 1, y + 1));
        }
    struct Case {
        int left, top;
    };
    for (Case c : {Case{-2, -3}, Case{7, 8}, Case{-1, 7}, Case{7, -2}}) {
        TBitmap dst(10, 10);
        Fill(dst, clWhite);
        dst.Canvas().CopyRect(Rect(c.left, c.top, c.left + 4, c.top + 4), src.Canvas(),
                              Rect(0, 0, 4, 4));
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const int sx = x - c.left, sy = y - c.top;
                const bool inside = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
                EXPECT_EQ(dst.Canvas().Pixel(x, y),
                          inside ? static_cast<TColor>(sy * 16 + sx) : clWhite)
                    << "copy at " << c.left << "," << c.top << " pixel " << x << "," << y;
            }
    }
}

TEST(Canvas, SourceRectangleReachingPastItsBitmapCopiesOnlyWhatExists) {
    TBitmap src(2, 2), dst(4, 4);
    Fill(src, 0x010203);
    Fill(dst, clWhite);
    dst.Canvas().CopyRect(Rect(0, 0, 4, 4), src.Canvas(), Rect(-2, -2, 2, 2));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(dst.Canvas().Pixel(2, 2), 0x010203u);
    EXPECT_EQ(dst.Canvas().Pixel(3, 3), 0x010203u);
}

TEST(Canvas, TextCellTopLeftIsWhereTextOutDrawsWithAClearBrush) {
    TBitmap bitmap(200, 100);
    Fill(bitmap, clBlack);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Color = clWhite;
    canvas.Font.Height = 16;
    canvas.Font.Bold = true;
    canvas.Font.Pitch = fpFixed;
    canvas.Brush.Style = bsClear;
    canvas.TextOut(10, 20, "M");
    int top = 100, bottom = -1, left = 200;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (canvas.Pixel(x, y) != clBlack) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    EXPECT_GE(top, 20);
    EXPECT_LT(bottom, 20 + 17);
    EXPECT_GE(left, 10);
}

TEST(Canvas, FixedPitchJapaneseFontKeepsHalfWidthAtHalfTheFullWidth) {
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Font.Pitch = fpFixed;
    canvas.Font.Bold = true;
    for (int height : {16, 64}) {
        canvas.Font.Height = height;
        const int half = canvas.TextWidth("A");
        EXPECT_EQ(canvas.TextWidth("\x95\x62"), 2 * half) << "秒 at " << height; // cp932 秒
        EXPECT_EQ(canvas.TextWidth("0.000"), 5 * half);
    }
    canvas.Font.Height = 64;
    EXPECT_EQ(canvas.TextWidth("0.000"), 160);
}

} // namespace
