// Pictures of windows for the documentation: with NEMRA_SCREENSHOTS=<folder> a test saves
// the window it shows there; without it nothing is written.
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <QtTest>

inline void SaveScreenshot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("NEMRA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTest::qWait(50);
    QVERIFY(widget.grab().save(folder + "/" + name + ".png"));
}
