// What the benchmarks share: an application for the painters' fonts and the widgets.
#pragma once

#include <QApplication>

namespace nemra::bench {

// The renderers need a GUI application for their fonts and the widgets a QApplication; an
// offscreen one will do.
inline void EnsureGuiApplication()
{
    if (QApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "nemra_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

} // namespace nemra::bench
