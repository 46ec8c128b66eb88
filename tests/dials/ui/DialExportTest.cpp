// The dial picture to the clipboard and to a bitmap file, and the save dialogs' texts.
#include "dials/ui/DialExport.h"
#include "dials/ui/DialRenderer.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace nemra;
using namespace nemra::ui;

namespace {

QImage PaintedDial()
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    CastOwner(s);
    QImage img;
    DrawChart(s, img);
    return img;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

quint32 LittleEndian(const QByteArray& b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b[at + i]);
    return v;
}

} // namespace

class DialExportTest : public QObject {
    Q_OBJECT
  private slots:
    void copiesTheDialToTheClipboard()
    {
        const QImage dial = PaintedDial();
        QCOMPARE(*CopyDialToClipboard(dial), QStringLiteral("คัดลอกภาพดวงไปยังคลิปบอร์ดแล้ว"));
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), dial.size());
        QCOMPARE(copied.pixelColor(261, 261), dial.pixelColor(261, 261));
        QCOMPARE(copied.pixelColor(261, 121), dial.pixelColor(261, 121));
    }

    void savesATwentyFourBitBitmap()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("dial.bmp");
        const QImage dial = PaintedDial();
        const Result<> saved = SaveDialBitmap(dial, path);
        QVERIFY2(saved, saved ? "" : saved.fault().reason.c_str());
        const QByteArray bytes = ReadAll(path);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(LittleEndian(bytes, 18, 4), 521u); // width
        QCOMPARE(LittleEndian(bytes, 22, 4), 521u); // height
        QCOMPARE(LittleEndian(bytes, 28, 2), 24u);  // bits per pixel
        const QImage back(path);
        QCOMPARE(back.size(), QSize(521, 521));
        QCOMPARE(back.pixelColor(261, 121), dial.pixelColor(261, 121));
        // Saving again replaces the file whole.
        QVERIFY(SaveDialBitmap(dial, path).ok());
        QCOMPARE(ReadAll(path).size(), bytes.size());
    }

    void failedSavesReportAndKeepTheOldFile()
    {
        QTemporaryDir dir;
        const QImage dial = PaintedDial();
        // A folder, a missing folder, a device, and a folder no one may write (the top of sysfs).
        for (const QString& bad : {dir.path(), dir.filePath("missing/dial.bmp"), QStringLiteral("/dev/full"),
                                   QStringLiteral("/sys/dial.bmp")}) {
            const Result<> r = SaveDialBitmap(dial, bad);
            QVERIFY2(!r, qPrintable(bad));
            QVERIFY(!r.fault().reason.empty());
        }
        // A write that runs out of room (here: a file size limit) leaves the old file whole.
        const QString path = dir.filePath("old.bmp");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("the old picture");
        }
        rlimit saved{};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 4096;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const Result<> r = SaveDialBitmap(dial, path);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!r);
        QVERIFY(!r.fault().reason.empty());
        QCOMPARE(ReadAll(path), QByteArray("the old picture"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.bmp"}));
    }
};

QTEST_MAIN(DialExportTest)
#include "DialExportTest.moc"
