#pragma once
// The application object: title, help file, the main window, the message
// loop, and the one guard through which every event reaches its handler.
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "platform/form.h"

class QApplication;

class TApplication {
  public:
    TApplication();
    ~TApplication();

    std::string Title;    // code page 932
    std::string HelpFile; // a file name, relative to the working directory

    void Initialize(int& argc, char** argv);
    // Releases the forms and the toolkit; the last call of the program.
    void Finalize();

    // Constructs a form; the first one becomes the main window. An exception of
    // the constructor passes through.
    template <class T> void CreateForm(T*& reference) {
        auto form = std::make_unique<T>(nullptr);
        reference = form.get();
        if (!mainForm_)
            mainForm_ = form.get();
        forms_.push_back(std::move(form));
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main window and runs the message loop until it closes.
    void Run();
    // Releases the forms (their destructors run), as the end of the program does.
    void DestroyForms();

    // The error report: the message and ".", the title as caption, an error icon.
    void ShowException(const std::exception& e);
    // A modal message box with an OK button and no icon.
    void MessageBox(const std::string& text, const std::string& caption);
    // Shows topic `context` of HelpFile in the help viewer.
    void HelpContext(int context);

    // Runs an event handler; an exception it raises is reported and the loop goes on.
    void Dispatch(const std::function<void()>& handler);

  private:
    int argc_ = 0;
    std::unique_ptr<QApplication> qt_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
};

extern TApplication* Application;
