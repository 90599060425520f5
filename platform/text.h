#pragma once
// Every text of the game is a code page 932 byte string. This is the one place
// that converts between those bytes and UTF-8 (the encoding of the sources).
#include <optional>
#include <string>
#include <string_view>

// UTF-8 to code page 932; nullopt when a character has no code page 932 form.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Code page 932 to UTF-8; bytes that are not valid code page 932 become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// A text of the sources (UTF-8) as code page 932; for texts known to convert.
std::string Cp932(std::string_view utf8);
