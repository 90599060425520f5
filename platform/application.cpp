#include "platform/application.h"

#include <QApplication>
#include <QMainWindow>
#include <clocale>

#include "platform/dialogs.h"
#include "platform/helpviewer.h"
#include "platform/text.h"

namespace {
TApplication theApplication;
int fallbackArgc = 1;
char fallbackName[] = "zorvik-vexo";
char* fallbackArgv[] = {fallbackName, nullptr};
} // namespace

TApplication* Application = &theApplication;

TApplication::TApplication() = default;
TApplication::~TApplication() {
    // Past main() the toolkit's own globals are gone: too late to take it down.
    (void)qt_.release();
}

void TApplication::Finalize() {
    DestroyForms();
    qt_.reset();
}

void TApplication::Initialize(int& argc, char** argv) {
    if (QCoreApplication::instance())
        return;
    // Qt keeps a reference to the count for the life of the application.
    argc_ = argc;
    if (argc_ < 1)
        qt_ = std::make_unique<QApplication>(fallbackArgc, fallbackArgv);
    else
        qt_ = std::make_unique<QApplication>(argc_, argv);
    // Qt adopts the user's locale; the game prints its figures with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
}

void TApplication::Run() {
    if (!mainForm_)
        return;
    mainForm_->OnClosed = [] { QCoreApplication::quit(); };
    mainForm_->Show();
    QApplication::exec();
}

void TApplication::DestroyForms() {
    mainForm_ = nullptr;
    while (!forms_.empty())
        forms_.pop_back();
}

void TApplication::ShowException(const std::exception& e) {
    ShowMessageBox(std::string(e.what()) + ".", Title, TBoxIcon::Error);
}

void TApplication::MessageBox(const std::string& text, const std::string& caption) {
    ShowMessageBox(text, caption, TBoxIcon::None);
}

void TApplication::HelpContext(int context) {
    ShowHelp(HelpFile, context, mainForm_ ? static_cast<QWidget*>(mainForm_->Window()) : nullptr);
}

void TApplication::Dispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        ShowException(Exception(Cp932("予期しないエラーが発生しました")));
    }
}
