#pragma once
// The widget behind an image control: it holds a bitmap and paints it.
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "platform/canvas.h"

class TImageWidget : public QWidget {
    Q_OBJECT
  public:
    explicit TImageWidget(QWidget* parent = nullptr);
    ~TImageWidget() override;

    // The picture of the layout; an auto-sized image takes the picture's size.
    void setPixmap(const QPixmap& pixmap);
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }

    TBitmap& Bitmap();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::unique_ptr<TBitmap> bitmap_;
    bool autoSize_ = false;
};
