#include "platform/imagewidget.h"

#include <QPainter>

TImageWidget::TImageWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TImageWidget::~TImageWidget() = default;

void TImageWidget::setPixmap(const QPixmap& pixmap) {
    if (pixmap.isNull())
        return; // a picture that did not load leaves a blank bitmap of the layout's size
    bitmap_ = std::make_unique<TBitmap>(pixmap.toImage());
    if (autoSize_)
        resize(pixmap.size());
    bitmap_->Canvas().OnChange = [this] { update(); };
    update();
}

TBitmap& TImageWidget::Bitmap() {
    if (!bitmap_) {
        bitmap_ = std::make_unique<TBitmap>(width(), height());
        bitmap_->Canvas().OnChange = [this] { update(); };
    }
    return *bitmap_;
}

void TImageWidget::paintEvent(QPaintEvent*) {
    if (!bitmap_)
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_->Canvas().Image());
}
