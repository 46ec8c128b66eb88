// Widget look-up for dialog tests: the child of the given type and object name. A test
// cannot go on without the widget it asks for, so a missing one ends the run with its name.
// Also a spin box's value and a button's check by name, and the order Tab visits widgets in.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

namespace nemra::test {

template <class W> W* Child(const QObject& parent, const QString& name)
{
    W* widget = parent.findChild<W*>(name);
    if (widget == nullptr)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

inline int Value(const QObject& dialog, const char* spin)
{
    return Child<QSpinBox>(dialog, spin)->value();
}

inline bool Checked(const QObject& dialog, const char* button)
{
    return Child<QAbstractButton>(dialog, button)->isChecked();
}

// The widgets named in `names`, in the order the focus chain reaches them once round from
// the widget named `start`.
inline QStringList FocusOrder(const QObject& dialog, const char* start, const QStringList& names)
{
    QStringList chain;
    QWidget* const first = Child<QWidget>(dialog, start);
    QWidget* widget = first;
    do {
        if (names.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    return chain;
}

} // namespace nemra::test
