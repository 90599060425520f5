#pragma once
// A top-level window built from a layout. The form previews every key-down
// before the focused control and hands it to OnKeyDown as a virtual-key code.
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/sound.h"

class QMainWindow;
class TFormWindow;

class TForm : public TObject {
  public:
    // Builds the window and every control of the named layout.
    explicit TForm(const std::string& layout);
    ~TForm() override;

    std::string Caption() const;
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    bool Visible() const;
    void Show();
    void Close();

    // The controls of the layout, by name; each lives as long as the form.
    TPanel* Panel(const char* name);
    TLabel* Label(const char* name);
    TButton* Button(const char* name);
    TListBox* ListBox(const char* name);
    TEdit* Edit(const char* name);
    TImage* Image(const char* name);
    TMenuItem* MenuItem(const char* name);
    TTimer* Timer(const char* name);
    TMediaPlayer* MediaPlayer(const char* name);
    TObject* Component(const char* name); // the main menu, or any control above

    // Delivers a key-down as the key preview does: to OnKeyDown, then the control.
    void KeyDown(uint16_t key, TShiftState shift = 0);
    TKeyEvent OnKeyDown;
    std::function<void()> OnClosed; // for the application: the main window ends the loop

    QMainWindow* Window() const;

  private:
    TObject* Known(const char* name) const;
    template <class T> T* Keep(const char* name, std::unique_ptr<T> component);
    template <class T, class W> T* Own(const char* name);
    void FitToClientArea();

    std::unique_ptr<TFormWindow> window_;
    std::vector<std::pair<std::string, std::unique_ptr<TObject>>> components_;
    std::unique_ptr<QObject> keyPreview_;
};
