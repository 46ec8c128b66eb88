// How a window shows a modal dialog: the main window runs it modally, tests answer it in its
// place. Returns the dialog's result code.
#pragma once

#include <functional>

class QDialog;

namespace nemra::ui {

using RunDialogFn = std::function<int(QDialog&)>;

} // namespace nemra::ui
