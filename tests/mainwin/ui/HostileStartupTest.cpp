// The program started on hostile settings and city files (huge, binary, a FIFO, a folder, a
// byte-order mark, mixed encodings): each start runs in a process of its own, in a folder
// holding those files, and must bring its window up and end by itself within seconds.
#include "input/ui/Ucity.h"
#include "mainwin/ui/Mainp.h"

#include "core/ThaiText.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kChildFlag = "--start-in";

// The main window with every message answered at once, its texts kept.
class AnsweredMainForm : public TMainForm {
  public:
    using TMainForm::TMainForm;
    QStringList messages;
    int RunDialog(QDialog& dialog) override
    {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages << dialog.objectName() + ": " + box->text();
        return QDialog::Accepted;
    }
};

class AnsweredCityList : public TFCity {
  public:
    using TFCity::TFCity;
    QStringList errors;
    void ShowError(const QString& text) override { errors << text; }
};

// The started program: the window up in the folder of the files, the city list read as the
// list dialog reads it, then the facts the parent checks on standard output, and the end.
int RunStartedProgram(int argc, char** argv, const char* folder)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (!QDir::setCurrent(QString::fromLocal8Bit(folder)))
        return 3;
    QApplication app(argc, argv);
    AnsweredMainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form, 20000))
        return 4;
    QCoreApplication::processEvents(); // the start-up messages queued by the window
    nemra::CityListState cities;
    AnsweredCityList cityList(cities, form.session().GChartInput, {}, &form);
    cityList.FormActivate();
    const qint64 startedMs = sinceStart.elapsed();

    const auto& s = form.session();
    std::printf("started %lld\n", static_cast<long long>(startedMs));
    std::printf("dial %d\n", s.FDialType);
    std::printf("zone %s\n", s.FTransit.Input.TimeZone.str().c_str());
    std::printf("place %s\n", s.FTransit.Input.Place.str().c_str());
    const auto* list = cityList.findChild<QListWidget*>("ListBox1");
    std::printf("cities %d\n", list->count());
    for (int row = 0; row < std::min(list->count(), 5); ++row)
        std::printf("city %s\n", list->item(row)->text().toUtf8().constData());
    for (const QString& message : form.messages + cityList.errors)
        std::printf("message %s\n", message.toUtf8().constData());
    std::fflush(stdout);
    form.hide();
    return 0;
}

void WriteFile(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// A file of `bytes` zero bytes that takes no room on the disk.
void WriteSparseFile(const QString& path, off_t bytes)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
        if (::ftruncate(fd, bytes) != 0)
            qWarning("no sparse file");
        ::close(fd);
    }
}

std::string Junk(std::size_t size)
{
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 16);
    }
    return bytes;
}

// Puts a hostile file of `kind` under `name` in `dir`.
void MakeFile(const QTemporaryDir& dir, const char* name, const QString& kind, const std::string& text)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (kind == "none")
        return;
    if (kind == "fifo")
        ::mkfifo(path.toLocal8Bit().constData(), 0644);
    else if (kind == "folder")
        QDir().mkdir(path);
    else if (kind == "huge")
        WriteSparseFile(path, off_t{1} << 30);
    else if (kind == "binary")
        WriteFile(path, Junk(1 << 16));
    else
        WriteFile(path, text);
}

const std::string kChiangMai = "เชียงใหม่,ไทย,7.00H,18.47N,98.59E";
const std::string kLampang = "ลำปาง,ไทย,7.00H,18.17N,99.30E";

} // namespace

class HostileStartupTest : public QObject {
    Q_OBJECT
  private slots:
    void startsOnHostileFiles_data()
    {
        QTest::addColumn<QString>("settingsKind");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("cityKind");
        QTest::addColumn<QByteArray>("cityFile");
        QTest::addColumn<QStringList>("expected"); // lines the started program prints

        const QByteArray none;
        QTest::newRow("no files") << "none" << none << "none" << none << QStringList{"dial 360", "cities 0"};
        QTest::newRow("huge") << "huge" << none << "text" << QByteArray(4 << 20, '\n') // 4 MiB of line ends
                              << QStringList{"dial 360", "zone 105.00E", "cities 0"};
        QTest::newRow("binary") << "binary" << none << "binary" << none << QStringList{"dial 360", "zone 105.00E"};
        QTest::newRow("FIFO") << "fifo" << none << "fifo" << none
                              << QStringList{"dial 360", "cities 0",
                                             "message SettingsNotice: ไม่ได้อ่านไฟล์ Nemra06.INI: not a regular file"};
        QTest::newRow("folder") << "folder" << none << "folder" << none
                                << QStringList{"dial 360", "cities 0",
                                               "message SettingsNotice: ไม่ได้อ่านไฟล์ Nemra06.INI"};
        QTest::newRow("byte-order mark") << "text"
                                         << QByteArray("\xEF\xBB\xBF[Dial]\r\nDialType=90\r\nMaxContracia=21\r\n")
                                         << "text" << QByteArray::fromStdString("\xEF\xBB\xBF" + kChiangMai + "\r\n")
                                         << QStringList{"dial 90", "cities 1",
                                                        QString::fromStdString("city " + kChiangMai)};
        QTest::newRow("mixed encodings")
            << "text"
            << QByteArray::fromStdString("; " + nemra::ToCp874("ลำปาง") + "\r\n[Place]\r\nCityName=เชียงใหม่"
                                         + "\r\nTimezone=7.00h\r\n")
            << "text" << QByteArray::fromStdString(kChiangMai + "\r\n" + nemra::ToCp874(kLampang) + "\r\n\r\n\r\n")
            << QStringList{"place เชียงใหม่",
                           "zone 105.00E",
                           "cities 2",
                           QString::fromStdString("city " + kChiangMai),
                           QString::fromStdString("city " + kLampang),
                           "message SettingsNotice: ค่าสถานที่ในไฟล์ Nemra06.INI ไม่ถูกต้อง "
                           "จึงใช้ค่าเริ่มต้นแทน: Timezone=7.00h"};
    }

    void startsOnHostileFiles()
    {
        QFETCH(QString, settingsKind);
        QFETCH(QByteArray, settings);
        QFETCH(QString, cityKind);
        QFETCH(QByteArray, cityFile);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        MakeFile(dir, "Nemra06.INI", settingsKind, settings.toStdString());
        MakeFile(dir, "CityTown.dat", cityKind, cityFile.toStdString());

        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag), dir.path()});
        QVERIFY(program.waitForStarted());
        // Generous for a loaded machine: a start that hangs (as on a FIFO) never ends by itself.
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program did not start and end by itself");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QStringList printed = QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        for (const QString& line : expected)
            QVERIFY2(printed.contains(line)
                         || std::any_of(printed.begin(), printed.end(),
                                        [&line](const QString& p) { return p.startsWith(line); }),
                     qPrintable(line + " not in:\n" + printed.join('\n')));
        // Up with its city list read within a few seconds, even on a busy machine.
        const auto started = printed.filter(QRegularExpression("^started ")).value(0).mid(8).toLongLong();
        QVERIFY2(started < 10000, qPrintable(printed.join('\n')));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == kChildFlag)
        return RunStartedProgram(1, argv, argv[2]);
    QApplication app(argc, argv);
    HostileStartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HostileStartupTest.moc"
