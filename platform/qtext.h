#pragma once
// Code page 932 byte strings to and from Qt's strings, for the layer's own use.
#include <QString>
#include <optional>
#include <string>

QString FromCp932(const std::string& cp932);
std::optional<std::string> ToCp932(const QString& text);
