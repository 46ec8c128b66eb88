// Widget look-up for dialog tests: the child of the given type and object name. A test
// cannot go on without the widget it asks for, so a missing one ends the run with its name.
#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace nemra::test {

template <class W> W* Child(const QObject& parent, const QString& name)
{
    W* widget = parent.findChild<W*>(name);
    if (widget == nullptr)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

} // namespace nemra::test
