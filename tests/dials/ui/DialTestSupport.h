// Helpers for the calculation-dial dialog tests: sessions with the charts wanted, widget
// look-up by design name, and dialog runs scripted by the test.
#pragma once

#include "DialIndex.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace dialtest {

// A session whose natal and/or transit chart counts as computed, with distinct longitudes.
inline nemra::MainSession SessionWith(bool natal, bool transit)
{
    nemra::MainSession s;
    s.FNatal.Computed = natal;
    s.FTransit.Computed = transit;
    for (std::size_t i = 0; i < nemra::kFactorCount; ++i) {
        s.FNatal.Factors[i].Lon = 13.0 * static_cast<double>(i) + 1.0;
        s.FTransit.Factors[i].Lon = 7.0 * static_cast<double>(i) + 2.0;
    }
    s.FArc = 30.0;
    s.FHalfArc = 15.0;
    s.FDoubleArc = 60.0;
    return s;
}

// A session with an index already set, to see that a cancelled dialog leaves it alone.
inline nemra::MainSession SessionWithIndex(bool natal, bool transit)
{
    nemra::MainSession s = SessionWith(natal, transit);
    nemra::SetMidpointIndex(s, {natal ? nemra::kMidNatal : nemra::kMidTransit, nemra::kSun, 0, false, false});
    return s;
}

template <class W> W* Child(const QObject& parent, const char* name)
{
    W* w = parent.findChild<W*>(name);
    if (w == nullptr)
        qFatal("no widget %s", name);
    return w;
}

// Clicks a button of the dialog and returns the dialog's result.
inline int Click(QDialog& dialog, const char* button)
{
    Child<QPushButton>(dialog, button)->click();
    return dialog.result();
}

// A dialog run that first lets the test work the dialog, then presses `button`.
template <class D> std::function<int(QDialog&)> Scripted(const char* button, std::function<void(D&)> work = {})
{
    return [button, work](QDialog& dialog) {
        if (work)
            work(static_cast<D&>(dialog));
        return Click(dialog, button);
    };
}

// Shows the dialog, sends `key` to the named control and returns the dialog's result.
inline int PressKey(QDialog& dialog, const char* control, Qt::Key key)
{
    dialog.show();
    QWidget* target = Child<QWidget>(dialog, control);
    QTest::keyClick(target, key);
    return dialog.result();
}

inline void ExpectIndexUnchanged(const nemra::MainSession& before, const nemra::MainSession& after)
{
    QCOMPARE(after.FDialRotation, before.FDialRotation);
    QCOMPARE(after.FDialTitle, before.FDialTitle);
    QCOMPARE(after.FDialSubTitle, before.FDialSubTitle);
    QCOMPARE(after.FIndexMode, before.FIndexMode);
    QCOMPARE(after.FIndexDial, before.FIndexDial);
    QCOMPARE(after.IndexName, before.IndexName);
    QCOMPARE(after.IndexLayer, before.IndexLayer);
}

} // namespace dialtest
