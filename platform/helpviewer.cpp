#include "platform/helpviewer.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>

#include "platform/dialogs.h"
#include "platform/text.h"

namespace {

THelpHook& Hook() {
    static THelpHook hook;
    return hook;
}

QPointer<QTextBrowser>& Viewer() {
    static QPointer<QTextBrowser> viewer;
    return viewer;
}

} // namespace

void SetHelpHook(THelpHook hook) {
    Hook() = std::move(hook);
}

void ShowHelp(const std::string& file, int context, QWidget* owner) {
    if (Hook()) {
        Hook()(file, context);
        return;
    }
    QFile help(QString::fromStdString(file));
    if (!help.open(QIODevice::ReadOnly)) {
        ShowMessageBox(Cp932("ヘルプファイル ") + file + Cp932(" が見つかりません"),
                       Cp932("ヘルプ"), TBoxIcon::Error);
        return;
    }
    auto& viewer = Viewer();
    if (!viewer) {
        viewer = new QTextBrowser(owner);
        viewer->setWindowFlag(Qt::Window);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->resize(560, 640);
        viewer->setOpenExternalLinks(false);
    }
    viewer->setWindowTitle(QFileInfo(help).fileName());
    viewer->setSearchPaths({QFileInfo(help).absolutePath()});
    viewer->setHtml(QString::fromUtf8(help.readAll()));
    viewer->scrollToAnchor(QString::number(context));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}
