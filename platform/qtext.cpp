#include "platform/qtext.h"

#include "platform/text.h"

QString FromCp932(const std::string& cp932) {
    return QString::fromStdString(Cp932ToUtf8(cp932));
}

std::optional<std::string> ToCp932(const QString& text) {
    return Utf8ToCp932(text.toStdString());
}
