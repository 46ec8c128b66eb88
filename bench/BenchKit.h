// What the benchmarks share: an application for the painters' fonts and the widgets.
#pragma once

#include <QApplication>

namespace nemra::bench {

// The renderers need a GUI application for their fonts and the widgets a QApplication; an
// offscreen one will do. It lives until the process ends and is never destroyed: a static
// application would be torn down by the exit handlers after Qt's own thread storage, and
// crash the run at its very end.
inline void EnsureGuiApplication()
{
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nemra_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // deliberately never deleted
}

} // namespace nemra::bench
