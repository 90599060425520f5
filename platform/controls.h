#pragma once
// The controls of a window, as the game code sees them. Each wraps a widget
// that the window layout created; events reach their handlers through the
// application's dispatch guard.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"

class QWidget;
class QPushButton;
class QListWidget;
class QLineEdit;
class QLabel;
class QAction;
class QTimer;
class QObject;
class TImageWidget;

class TObject {
  public:
    virtual ~TObject() = default;
};

// Shift state of a key-down; the game reads none of it but it travels along.
enum TShiftFlag : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4 };
using TShiftState = uint8_t;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;

class TControl : public TObject {
  public:
    explicit TControl(QWidget* widget);
    ~TControl() override;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left);
    void SetTop(int top);
    bool Visible() const; // shown by itself; it may still lie under a hidden parent
    void Show();
    void Hide();
    TRect ClientRect() const;
    QWidget* Widget() const { return widget_; }

  protected:
    QWidget* widget_;
};

class TPanel : public TControl {
  public:
    using TControl::TControl;
    TColor Color() const;
};

class TLabel : public TControl {
  public:
    explicit TLabel(QLabel* label);
    std::string Caption() const;
};

class TButton : public TControl {
  public:
    explicit TButton(QPushButton* button);
    std::string Caption() const;
    void Click(); // as a click of the user would
    TNotifyEvent OnClick;
};

class TListBox : public TControl {
  public:
    explicit TListBox(QListWidget* list);
    ~TListBox() override;

    // The items, code page 932 texts.
    int Count() const;
    std::string Item(int index) const;
    void AddItem(const std::string& cp932);
    void DeleteItem(int index);
    void ClearItems();
    int ItemIndex() const; // -1 when none is selected
    void SetItemIndex(int index);

    void DblClick(); // as a double click of the user would
    // As a typed character would, before the list's own handling; gives the
    // character as the handler left it.
    char KeyPress(char key);
    TNotifyEvent OnDblClick;
    TKeyPressEvent OnKeyPress;

  private:
    QListWidget* list_;
    std::unique_ptr<QObject> keyFilter_;
};

class TEdit : public TControl {
  public:
    explicit TEdit(QLineEdit* edit);
    ~TEdit() override;

    // The text in code page 932; characters without a code page 932 form come
    // out as '?', and TextIsCp932 tells whether there were any.
    std::string Text() const;
    bool TextIsCp932() const;
    void SetText(const std::string& cp932);
    void SetTextUtf8(const std::string& utf8); // what a user may type, representable or not

    char KeyPress(char key); // as for the list box
    TKeyPressEvent OnKeyPress;

  private:
    QLineEdit* edit_;
    std::unique_ptr<QObject> keyFilter_;
};

// An image control: a bitmap with its canvas. A visible image paints its
// bitmap and nothing else; an image without a picture gets a bitmap of its
// own size at the first use of its canvas.
class TImage : public TControl {
  public:
    explicit TImage(TImageWidget* widget);
    TCanvas& Canvas();
    TBitmap& Picture();

  private:
    TImageWidget* image_;
};

class TMenuItem : public TObject {
  public:
    explicit TMenuItem(QAction* action);
    ~TMenuItem() override;

    std::string Caption() const; // "-" for a separator
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Checked() const;
    void SetChecked(bool checked);
    void Click(); // as a click of the user would, when enabled
    TNotifyEvent OnClick;
    QAction* Action() const { return action_; }

  private:
    QAction* action_;
};

class TTimer : public TObject {
  public:
    explicit TTimer(QTimer* timer);
    int Interval() const;
    void SetInterval(int ms);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    void Tick(); // as an elapsed interval would
    TNotifyEvent OnTimer;

  private:
    QTimer* timer_;
};
