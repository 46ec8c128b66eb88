// Fonts of the user interface: a Thai font family of the system stands in for the
// Windows fonts the forms were drawn with.
#pragma once

#include <QFont>

namespace nemra::ui {

// The label and grid font (in place of "Cordia New"), `pixelSize` pixels high.
QFont LabelFont(int pixelSize, bool bold);

// The dialog font (in place of "MS Sans Serif" and "System").
QFont DialogFont(int pixelSize = 13, bool bold = false);

} // namespace nemra::ui
