#pragma once
// The help viewer: a non-modal window showing one topic of an HTML help file.
#include <functional>
#include <string>

class QWidget;

// Opens file at topic `context`, owned by `owner`; a missing file is reported
// in a message box by the viewer itself.
void ShowHelp(const std::string& file, int context, QWidget* owner);

using THelpHook = std::function<void(const std::string& file, int context)>;
void SetHelpHook(THelpHook hook); // tests; empty restores the real viewer
