#include "platform/controls.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "platform/application.h"
#include "platform/imagewidget.h"
#include "platform/qtext.h"

namespace {

// Hands the typed character of each key press to a handler before the control
// sees it. The handler may change the character; a zero swallows the key.
class KeyPressFilter : public QObject {
  public:
    KeyPressFilter(QWidget* widget, std::function<char(char)> handler)
        : QObject(nullptr), handler_(std::move(handler)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (text.size() != 1 || text[0].unicode() >= 0x80)
            return false; // composed and non-ASCII input goes to the control as it is
        return handler_(static_cast<char>(text[0].unicode())) == 0;
    }

  private:
    std::function<char(char)> handler_;
};

std::string FromQt(const QString& text) {
    auto bytes = ToCp932(text);
    return bytes ? *bytes : std::string();
}

} // namespace

TControl::TControl(QWidget* widget) : widget_(widget) {}
TControl::~TControl() = default;

int TControl::Left() const {
    return widget_->x();
}
int TControl::Top() const {
    return widget_->y();
}
int TControl::Width() const {
    return widget_->width();
}
int TControl::Height() const {
    return widget_->height();
}
void TControl::SetLeft(int left) {
    widget_->move(left, widget_->y());
}
void TControl::SetTop(int top) {
    widget_->move(widget_->x(), top);
}
bool TControl::Visible() const {
    return !widget_->isHidden();
}
void TControl::Show() {
    widget_->show();
}
void TControl::Hide() {
    // A hidden control takes no keys: when it or one of its children has the
    // focus, the focus goes to the window, whose key preview still sees every key.
    const QWidget* focus = widget_->window()->focusWidget();
    const bool hadFocus = focus && (focus == widget_ || widget_->isAncestorOf(focus));
    widget_->hide();
    if (hadFocus)
        widget_->window()->setFocus();
}
TRect TControl::ClientRect() const {
    return {0, 0, widget_->width(), widget_->height()};
}

TColor TPanel::Color() const {
    const QColor c = widget_->palette().color(widget_->backgroundRole());
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
           static_cast<TColor>(c.blue()) << 16;
}

TLabel::TLabel(QLabel* label) : TControl(label) {}
std::string TLabel::Caption() const {
    return FromQt(static_cast<QLabel*>(widget_)->text());
}

TButton::TButton(QPushButton* button) : TControl(button) {
    QObject::connect(button, &QPushButton::clicked, [this] {
        Application->Dispatch([this] {
            if (OnClick)
                OnClick(this);
        });
    });
}

std::string TButton::Caption() const {
    return FromQt(static_cast<QPushButton*>(widget_)->text());
}

void TButton::Click() {
    static_cast<QPushButton*>(widget_)->click();
}

TListBox::TListBox(QListWidget* list) : TControl(list), list_(list) {
    QObject::connect(list, &QListWidget::itemDoubleClicked, [this] { DblClick(); });
    keyFilter_ = std::make_unique<KeyPressFilter>(list, [this](char key) { return KeyPress(key); });
}

TListBox::~TListBox() = default;

int TListBox::Count() const {
    return list_->count();
}
// Each item keeps the bytes it was added with: a stored name that does not
// convert cleanly must still reach the file operations as it was stored.
std::string TListBox::Item(int index) const {
    const QListWidgetItem* item = list_->item(index);
    const QVariant bytes = item->data(Qt::UserRole);
    if (!bytes.isValid())
        return FromQt(item->text());
    const QByteArray b = bytes.toByteArray();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}
void TListBox::AddItem(const std::string& cp932) {
    auto* item = new QListWidgetItem(FromCp932(cp932));
    item->setData(Qt::UserRole, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    list_->addItem(item);
}
void TListBox::DeleteItem(int index) {
    delete list_->takeItem(index);
}
void TListBox::ClearItems() {
    list_->clear();
}
int TListBox::ItemIndex() const {
    return list_->currentItem() && list_->currentItem()->isSelected() ? list_->currentRow() : -1;
}
void TListBox::SetItemIndex(int index) {
    list_->setCurrentRow(index);
    if (index < 0)
        list_->clearSelection();
}

void TListBox::DblClick() {
    Application->Dispatch([this] {
        if (OnDblClick)
            OnDblClick(this);
    });
}

char TListBox::KeyPress(char key) {
    Application->Dispatch([this, &key] {
        if (OnKeyPress)
            OnKeyPress(this, key);
    });
    return key;
}

TEdit::TEdit(QLineEdit* edit) : TControl(edit), edit_(edit) {
    keyFilter_ = std::make_unique<KeyPressFilter>(edit, [this](char key) { return KeyPress(key); });
}

TEdit::~TEdit() = default;

std::string TEdit::Text() const {
    std::string out;
    for (const QChar c : edit_->text()) {
        auto bytes = ToCp932(QString(c));
        out += bytes ? *bytes : std::string("?");
    }
    return out;
}

bool TEdit::TextIsCp932() const {
    return ToCp932(edit_->text()).has_value();
}
void TEdit::SetText(const std::string& cp932) {
    edit_->setText(FromCp932(cp932));
}
void TEdit::SetTextUtf8(const std::string& utf8) {
    edit_->setText(QString::fromStdString(utf8));
}

char TEdit::KeyPress(char key) {
    Application->Dispatch([this, &key] {
        if (OnKeyPress)
            OnKeyPress(this, key);
    });
    return key;
}

TImage::TImage(TImageWidget* widget) : TControl(widget), image_(widget) {}
TCanvas& TImage::Canvas() {
    return image_->Bitmap().Canvas();
}
TBitmap& TImage::Picture() {
    return image_->Bitmap();
}

TMenuItem::TMenuItem(QAction* action) : action_(action) {
    QObject::connect(action, &QAction::triggered, [this] {
        // A click leaves the check mark to the handler, which inverts it itself.
        if (action_->isCheckable())
            action_->setChecked(!action_->isChecked());
        Application->Dispatch([this] {
            if (OnClick)
                OnClick(this);
        });
    });
}

TMenuItem::~TMenuItem() = default;

std::string TMenuItem::Caption() const {
    return action_->isSeparator() ? std::string("-") : FromQt(action_->text());
}
bool TMenuItem::Enabled() const {
    return action_->isEnabled();
}
void TMenuItem::SetEnabled(bool enabled) {
    action_->setEnabled(enabled);
}
bool TMenuItem::Checked() const {
    return action_->isChecked();
}
void TMenuItem::SetChecked(bool checked) {
    action_->setCheckable(true);
    action_->setChecked(checked);
}
void TMenuItem::Click() {
    if (action_->isEnabled())
        action_->trigger();
}

TTimer::TTimer(QTimer* timer) : timer_(timer) {
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [this] { Tick(); });
}

int TTimer::Interval() const {
    return timer_->interval();
}
void TTimer::SetInterval(int ms) {
    timer_->setInterval(ms);
}
bool TTimer::Enabled() const {
    return timer_->isActive();
}
void TTimer::SetEnabled(bool enabled) {
    if (enabled)
        timer_->start();
    else
        timer_->stop();
}

void TTimer::Tick() {
    Application->Dispatch([this] {
        if (OnTimer)
            OnTimer(this);
    });
}
