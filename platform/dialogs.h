#pragma once
// Modal message boxes. Tests replace them with a recorder.
#include <functional>
#include <string>

enum class TBoxIcon { None, Error };

// Shows a modal box with an OK button and returns when it is closed.
// Texts are code page 932.
void ShowMessageBox(const std::string& text, const std::string& caption, TBoxIcon icon);

using TMessageBoxHook =
    std::function<void(const std::string& text, const std::string& caption, TBoxIcon icon)>;
// Replaces the boxes (tests); an empty hook restores the real ones.
void SetMessageBoxHook(TMessageBoxHook hook);
