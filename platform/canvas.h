#pragma once
// Bitmaps in the format of the screen (32-bit RGB) and the canvas that draws
// on them: rectangle copies with raster operations, text, lines and fills.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QImage;
class QFont;

// Colours are 0x00BBGGRR.
using TColor = uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clAqua = 0xFFFF00;

// Covers the columns Left..Right-1 and the rows Top..Bottom-1.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

// How CopyRect combines the source with the destination.
enum TCopyMode { SRCCOPY, SRCAND, SRCINVERT };

enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TBrushStyle { bsSolid, bsClear };

struct TFont {
    std::string Name = "IPAGothic";
    TColor Color = clBlack;
    int Height = 12; // of the text cell, in pixels
    TFontPitch Pitch = fpDefault;
    bool Bold = false;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

class TCanvas {
  public:
    explicit TCanvas(QImage& image);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TCopyMode CopyMode = SRCCOPY;
    TFont Font;
    TBrush Brush;
    TPen Pen;

    // Combines source's rectangle src into dest by CopyMode, cutting off what
    // falls outside either bitmap. Rectangles of different sizes are stretched.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src);
    // Draws text with the top-left of its cell at (x, y); the brush fills the
    // cell's background unless its style is bsClear.
    void TextOut(int x, int y, const std::string& cp932);
    int TextWidth(const std::string& cp932) const;
    int TextHeight(const std::string& cp932) const;
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FillRect(const TRect& rect);

    TColor Pixel(int x, int y) const;
    int Width() const;
    int Height() const;
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // Called after every change of the pixels (a visible image repaints).
    std::function<void()> OnChange;

  private:
    QFont CurrentFont() const;
    void Changed();

    QImage& image_;
    int penX_ = 0;
    int penY_ = 0;
};

// A bitmap with its canvas.
class TBitmap {
  public:
    TBitmap(int width, int height);
    explicit TBitmap(const QImage& picture); // converted to the format of the screen
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const;
    int Height() const;
    TCanvas& Canvas() { return *canvas_; }
    const TCanvas& Canvas() const { return *canvas_; }

  private:
    std::unique_ptr<QImage> image_;
    std::unique_ptr<TCanvas> canvas_;
};
