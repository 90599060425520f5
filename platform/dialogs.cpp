#include "platform/dialogs.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/qtext.h"

namespace {
TMessageBoxHook& Hook() {
    static TMessageBoxHook hook;
    return hook;
}
} // namespace

void SetMessageBoxHook(TMessageBoxHook hook) {
    Hook() = std::move(hook);
}

void ShowMessageBox(const std::string& text, const std::string& caption, TBoxIcon icon) {
    if (Hook()) {
        Hook()(text, caption, icon);
        return;
    }
    QMessageBox box(icon == TBoxIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    FromCp932(caption), FromCp932(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
