#include "platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "platform/qtext.h"

namespace {

QRgb ToRgb(TColor c) {
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromRgb(QRgb p) {
    return static_cast<TColor>(qRed(p)) | static_cast<TColor>(qGreen(p)) << 8 |
           static_cast<TColor>(qBlue(p)) << 16;
}

// The raster operations work on the colour bits; the alpha byte stays opaque.
inline uint32_t Combine(TCopyMode mode, uint32_t dst, uint32_t src) {
    switch (mode) {
    case SRCAND:
        return (dst & src) | 0xFF000000u;
    case SRCINVERT:
        return ((dst ^ src) & 0x00FFFFFFu) | 0xFF000000u;
    case SRCCOPY:
        break;
    }
    return src | 0xFF000000u;
}

} // namespace

TCanvas::TCanvas(QImage& image) : image_(image) {}

int TCanvas::Width() const {
    return image_.width();
}
int TCanvas::Height() const {
    return image_.height();
}

TColor TCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return clBlack;
    return FromRgb(image_.pixel(x, y));
}

void TCanvas::Changed() {
    if (OnChange)
        OnChange();
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) {
    const int dw = dest.Width(), dh = dest.Height();
    const int sw = src.Width(), sh = src.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0)
        return;
    const QImage& from = source.image_;
    const int x0 = std::max(dest.Left, 0), x1 = std::min(dest.Right, Width());
    const int y0 = std::max(dest.Top, 0), y1 = std::min(dest.Bottom, Height());
    for (int y = y0; y < y1; ++y) {
        const int sy = src.Top + static_cast<int>(static_cast<int64_t>(y - dest.Top) * sh / dh);
        if (sy < 0 || sy >= from.height())
            continue;
        const auto* in = reinterpret_cast<const uint32_t*>(from.constScanLine(sy));
        auto* out = reinterpret_cast<uint32_t*>(image_.scanLine(y));
        for (int x = x0; x < x1; ++x) {
            const int sx =
                src.Left + static_cast<int>(static_cast<int64_t>(x - dest.Left) * sw / dw);
            if (sx < 0 || sx >= from.width())
                continue;
            out[x] = Combine(CopyMode, out[x], in[sx]);
        }
    }
    Changed();
}

QFont TCanvas::CurrentFont() const {
    QFont font(QString::fromStdString(Font.Name));
    font.setPixelSize(std::max(1, Font.Height));
    font.setBold(Font.Bold);
    if (Font.Pitch == fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    }
    font.setKerning(false);
    return font;
}

int TCanvas::TextWidth(const std::string& cp932) const {
    return QFontMetrics(CurrentFont()).horizontalAdvance(FromCp932(cp932));
}

int TCanvas::TextHeight(const std::string&) const {
    return QFontMetrics(CurrentFont()).height();
}

void TCanvas::TextOut(int x, int y, const std::string& cp932) {
    const QFont font = CurrentFont();
    const QFontMetrics metrics(font);
    const QString text = FromCp932(cp932);
    QPainter painter(&image_);
    if (Brush.Style != bsClear)
        painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(),
                         QColor(ToRgb(Brush.Color)));
    painter.setFont(font);
    painter.setPen(QColor(ToRgb(Font.Color)));
    painter.drawText(x, y + metrics.ascent(), text);
    painter.end();
    Changed();
}

void TCanvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void TCanvas::LineTo(int x, int y) {
    QPainter painter(&image_);
    QPen pen{QColor(ToRgb(Pen.Color))};
    pen.setWidth(std::max(1, Pen.Width));
    painter.setPen(pen);
    painter.drawLine(penX_, penY_, x, y);
    painter.end();
    MoveTo(x, y);
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    QPainter painter(&image_);
    painter.fillRect(rect.Left, rect.Top, rect.Width(), rect.Height(), QColor(ToRgb(Brush.Color)));
    painter.end();
    Changed();
}

TBitmap::TBitmap(int width, int height)
    : image_(std::make_unique<QImage>(width, height, QImage::Format_RGB32)),
      canvas_(std::make_unique<TCanvas>(*image_)) {
    image_->fill(Qt::white);
}

TBitmap::TBitmap(const QImage& picture)
    : image_(std::make_unique<QImage>(picture.convertToFormat(QImage::Format_RGB32))),
      canvas_(std::make_unique<TCanvas>(*image_)) {}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const {
    return image_->width();
}
int TBitmap::Height() const {
    return image_->height();
}
