// How the main window starts: centred on the screen, and on a screen below 800 x 600 the
// message, then the end of the program without the close question.
#include "tests/mainwin/ui/ScriptedMainForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void startsCentredAndEndsOnAScreenTooSmall()
    {
        struct Case {
            const char* name;
            QSize screen;
            bool ends;
        };
        const Case cases[] = {
            {"800 x 600 is enough", {800, 600}, false},
            {"640 x 480 is too small", {640, 480}, true},
            {"too narrow", {799, 1024}, true},
            {"too low", {1280, 599}, true},
        };
        constexpr int kStillRunning = 2;
        for (const Case& c : cases) {
            QTemporaryDir empty;
            ScriptedMainForm form(FixedNow, empty.path());
            const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY2(std::abs(form.geometry().center().x() - area.center().x()) <= 1, c.name);
            QVERIFY2(std::abs(form.geometry().center().y() - area.center().y()) <= 1, c.name);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));

            form.confirmClose = false; // "ไม่ใช่" would keep the program running
            QCOMPARE(form.CheckScreenSize(c.screen), !c.ends);
            QTimer stillRunning; // ends the event loop when the program did not end by itself
            stillRunning.setSingleShot(true);
            connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(kStillRunning); });
            stillRunning.start(500);
            const int result = QCoreApplication::exec();
            QCOMPARE(result, c.ends ? 0 : kStillRunning);
            QCOMPARE(form.shown.contains("ResolutionMessage"), c.ends);
            QVERIFY2(!form.shown.contains("ConfirmClose"), c.name);
            QCOMPARE(form.isVisible(), !c.ends);
            form.confirmClose = true;
        }
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
