// The one conversion of the models' UTF-8 texts into the widgets' strings.
#pragma once

#include <QString>

#include <string_view>

namespace nemra::ui {

inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace nemra::ui
