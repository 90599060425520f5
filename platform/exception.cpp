#include "platform/exception.h"

#include "platform/text.h"

EFOpenError::EFOpenError(const std::string& fileName)
    : Exception(Cp932("ﾌｧｲﾙ ") + fileName + Cp932(" は開けません")) {}

EFCreateError::EFCreateError(const std::string& fileName)
    : Exception(Cp932("ﾌｧｲﾙ ") + fileName + Cp932(" を作成できません")) {}

EFCreateError::EFCreateError(const std::string& fileName, const std::string& reason)
    : Exception(Cp932("ﾌｧｲﾙ ") + fileName + Cp932(" を作成できません") + " (" + reason + ")") {}
