#include "platform/form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "platform/application.h"
#include "platform/imagewidget.h"
#include "platform/keymap.h"
#include "platform/layout.h"
#include "platform/qtext.h"

class TFormWindow : public QMainWindow {
  public:
    std::function<void()> OnClosed;

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (OnClosed)
            OnClosed();
    }
};

namespace {

// Sees every key-down of the form's window once, as it arrives from the
// system and before the focused control gets it; auto-repeats included.
class KeyPreview : public QObject {
  public:
    KeyPreview(QMainWindow& window, TForm& form) : window_(window), form_(form) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || watched != window_.windowHandle())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        TShiftState shift = 0;
        if (key->modifiers() & Qt::ShiftModifier)
            shift |= ssShift;
        if (key->modifiers() & Qt::AltModifier)
            shift |= ssAlt;
        if (key->modifiers() & Qt::ControlModifier)
            shift |= ssCtrl;
        form_.KeyDown(VirtualKeyOf(key->key()), shift);
        return false;
    }

  private:
    QMainWindow& window_;
    TForm& form_;
};

class TMainMenu : public TObject {
  public:
    explicit TMainMenu(QMenuBar* bar) : bar_(bar) {}

  private:
    QMenuBar* bar_;
};

} // namespace

TForm::TForm(const std::string& layout) : window_(std::make_unique<TFormWindow>()) {
    ReadLayout(layout, *window_);
    window_->menuBar()->setNativeMenuBar(false);
    window_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    keyPreview_ = std::make_unique<KeyPreview>(*window_, *this);
    window_->OnClosed = [this] {
        if (OnClosed)
            OnClosed();
    };
}

TForm::~TForm() {
    keyPreview_.reset();
    components_.clear();
}

QMainWindow* TForm::Window() const {
    return window_.get();
}

std::string TForm::Caption() const {
    auto bytes = ToCp932(window_->windowTitle());
    return bytes ? *bytes : std::string();
}

int TForm::ClientWidth() const {
    return window_->centralWidget()->width();
}
int TForm::ClientHeight() const {
    return window_->centralWidget()->height();
}

// The client area lies below the menu bar; the window is as large as both and
// cannot be resized.
void TForm::SetClientWidth(int width) {
    window_->centralWidget()->setFixedWidth(width);
    FitToClientArea();
}

void TForm::SetClientHeight(int height) {
    window_->centralWidget()->setFixedHeight(height);
    FitToClientArea();
}

void TForm::FitToClientArea() {
    window_->setFixedSize(window_->sizeHint());
    window_->resize(window_->sizeHint());
}

bool TForm::Visible() const {
    return window_->isVisible();
}

void TForm::Show() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window_->frameGeometry().size();
        window_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    window_->show();
    window_->activateWindow();
}

void TForm::Close() {
    window_->close();
}

void TForm::KeyDown(uint16_t key, TShiftState shift) {
    Application->Dispatch([&] {
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
    });
}

TObject* TForm::Known(const char* name) const {
    for (const auto& [known, component] : components_)
        if (known == name)
            return component.get();
    return nullptr;
}

template <class T> T* TForm::Keep(const char* name, std::unique_ptr<T> component) {
    T* raw = component.get();
    components_.emplace_back(name, std::move(component));
    return raw;
}

template <class T, class W> T* TForm::Own(const char* name) {
    if (TObject* known = Known(name))
        return dynamic_cast<T*>(known);
    W* widget = window_->findChild<W*>(QString::fromLatin1(name));
    if (!widget)
        throw std::invalid_argument(std::string("the layout has no control named ") + name);
    return Keep(name, std::make_unique<T>(widget));
}

TPanel* TForm::Panel(const char* name) {
    return Own<TPanel, QWidget>(name);
}
TLabel* TForm::Label(const char* name) {
    return Own<TLabel, QLabel>(name);
}
TButton* TForm::Button(const char* name) {
    return Own<TButton, QPushButton>(name);
}
TListBox* TForm::ListBox(const char* name) {
    return Own<TListBox, QListWidget>(name);
}
TEdit* TForm::Edit(const char* name) {
    return Own<TEdit, QLineEdit>(name);
}
TImage* TForm::Image(const char* name) {
    return Own<TImage, TImageWidget>(name);
}
TMenuItem* TForm::MenuItem(const char* name) {
    // A submenu stands in the menu as the item that opens it.
    if (auto* menu = window_->findChild<QMenu*>(QString::fromLatin1(name)))
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return Own<TMenuItem, QAction>(name);
}

TObject* TForm::Component(const char* name) {
    if (TObject* known = Known(name))
        return known;
    if (auto* bar = window_->findChild<QMenuBar*>(QString::fromLatin1(name)))
        return Keep(name, std::make_unique<TMainMenu>(bar));
    throw std::invalid_argument(std::string("the layout has no component named ") + name);
}

namespace {

// Components that are no widgets stand in the layout as hidden placeholders
// whose properties say how to make them.
QWidget& Placeholder(QMainWindow& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget)
        throw std::invalid_argument(std::string("the layout has no component named ") + name);
    return *widget;
}

class TTimerComponent : public TTimer {
  public:
    explicit TTimerComponent(std::unique_ptr<QTimer> timer)
        : TTimer(timer.get()), timer_(std::move(timer)) {}

  private:
    std::unique_ptr<QTimer> timer_;
};

class TMediaComponent : public TObject {
  public:
    TMediaPlayer Player;
};

} // namespace

TTimer* TForm::Timer(const char* name) {
    if (TObject* known = Known(name))
        return dynamic_cast<TTimer*>(known);
    QWidget& placeholder = Placeholder(*window_, name);
    auto component = std::make_unique<TTimerComponent>(std::make_unique<QTimer>());
    component->SetInterval(placeholder.property("interval").toInt());
    component->SetEnabled(placeholder.property("active").toBool());
    return Keep(name, std::move(component));
}

TMediaPlayer* TForm::MediaPlayer(const char* name) {
    if (TObject* known = Known(name))
        return &dynamic_cast<TMediaComponent*>(known)->Player;
    QWidget& placeholder = Placeholder(*window_, name);
    auto component = std::make_unique<TMediaComponent>();
    component->Player.FileName = placeholder.property("fileName").toString().toStdString();
    component->Player.AutoRewind = placeholder.property("autoRewind").toBool();
    return &Keep(name, std::move(component))->Player;
}
