// The formula book's windows: search as you type, adding, editing and deleting entries,
// import with its bad blocks, and the hit-point report showing an entry; the menu entries
// of the main window open them.
#include "book/ui/BookDialogs.h"
#include "../../mainwin/ui/ScriptedMainForm.h"
#include "tests/support/Screenshot.h"

#include "core/FactorCatalogue.h"
#include "dials/model/DialIndex.h"
#include "reports/ui/Ureport.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <fstream>

namespace {

nemra::ChartStore OpenStore(const QTemporaryDir& dir)
{
    auto store = nemra::ChartStore::Open(dir.filePath("charts.sqlite").toStdString());
    if (!store)
        qFatal("%s", store.fault().reason.c_str());
    return std::move(*store);
}

const std::array<QString, 2> kTitles = {"pictures", "houses"};

void Import(nemra::ChartStore& store, const std::string& text)
{
    const auto report = store.ImportBook(text);
    QVERIFY(report && report->faults.empty());
}

// A main window that looks into the hit-point report it runs: the rows with a book text as
// their tooltip, and the pane's text for the first such row selected.
class ReportCapture : public ScriptedMainForm {
  public:
    ReportCapture()
        : ScriptedMainForm(FixedNow)
    {
    }
    int rowsWithText = 0;
    QString paneText;

    int RunDialog(QDialog& dialog) override
    {
        if (auto* report = qobject_cast<TFReport*>(&dialog)) {
            auto* grid = report->findChild<QTableWidget*>("StringGrid1");
            for (int row = 1; row < grid->rowCount(); ++row) {
                if (!grid->item(row, 1) || grid->item(row, 1)->toolTip().isEmpty())
                    continue;
                if (rowsWithText++ == 0) {
                    grid->setCurrentCell(row, 1);
                    paneText = report->findChild<QTextBrowser*>("BookPane")->toPlainText();
                }
            }
            return QDialog::Accepted;
        }
        return ScriptedMainForm::RunDialog(dialog);
    }
};

} // namespace

class BookDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void searchAsYouType()
    {
        QTemporaryDir dir;
        nemra::ChartStore store = OpenStore(dir);
        Import(store, "SU/MO=Ma\nร้อนแรง\n\nSU/MO=Ve\nอ่อนโยน\n\nSa H10\nงาน\n");
        TBookBrowser browser(store, nemra::BookKind::Pictures, false, kTitles);
        QCOMPARE(browser.shown().size(), 2u);
        auto* search = browser.findChild<QLineEdit*>("BookSearch");
        QTest::keyClicks(search, "ve");
        QCOMPARE(browser.shown().size(), 1u);
        QCOMPARE(browser.shown()[0].key, std::string("SU/MO=Ve"));
        QVERIFY(browser.findChild<QTextBrowser*>("BookText")->toPlainText().contains(QStringLiteral("อ่อนโยน")));
        search->setText(QStringLiteral("ร้อน"));
        QCOMPARE(browser.shown().size(), 1u);
        QVERIFY(!browser.findChild<QPushButton*>("BookAdd")); // read-only
        search->clear();
        SaveScreenshot(browser, "formula-book");
    }

    void editorAddsEditsDeletesAndImports()
    {
        QTemporaryDir dir;
        nemra::ChartStore store = OpenStore(dir);
        TBookBrowser editor(store, nemra::BookKind::Pictures, true, kTitles);
        QString typedKey;
        QString typedText;
        editor.runDialog = [&](QDialog& dialog) {
            if (auto* entry = qobject_cast<TBookEntryDialog*>(&dialog)) {
                entry->findChild<QLineEdit*>("EntryKey")->setText(typedKey);
                entry->findChild<QPlainTextEdit*>("EntryText")->setPlainText(typedText);
                entry->accept();
                return entry->result();
            }
            return static_cast<int>(QMessageBox::Yes); // the delete question
        };
        typedKey = "Ma = MO/SU";
        typedText = QStringLiteral("หนึ่ง");
        editor.AddEntry();
        QCOMPARE(editor.shown().size(), 1u);
        QCOMPARE(editor.shown()[0].key, std::string("SU/MO=Ma"));
        typedKey = "SU H7"; // a house key does not go into the pictures book
        editor.AddEntry();
        QCOMPARE(editor.shown().size(), 1u);
        typedKey = "SU/MO=Ju";
        typedText = QStringLiteral("สอง");
        editor.EditEntry(); // the key changes: the old entry goes
        QCOMPARE(editor.shown().size(), 1u);
        QCOMPARE(editor.shown()[0].key, std::string("SU/MO=Ju"));
        editor.DeleteEntry();
        QVERIFY(editor.shown().empty());

        const QString file = dir.filePath("in.txt");
        std::ofstream(file.toStdString()) << "SU H1\nหนึ่ง\n\nSU H13\nbad\n\nMO H2\nสอง\n";
        editor.askFile = [&](bool) { return file; };
        editor.findChild<QComboBox*>("BookChoice")->setCurrentIndex(1);
        editor.ImportFile();
        QCOMPARE(editor.shown().size(), 2u);
        QVERIFY(editor.findChild<QLabel*>("BookMessage")
                    ->text()
                    .contains(QStringLiteral("บรรทัด 4: สูตรไม่ถูกต้อง: เรือนต้องอยู่ระหว่าง 1 ถึง 12")));
    }

    void hitReportShowsTheEntryOfItsRows()
    {
        QTemporaryDir dir;
        qputenv("NEMRA_CHART_DB", dir.filePath("charts.sqlite").toUtf8());
        {
            nemra::ChartStore store = OpenStore(dir);
            std::string book; // "SU=<factor>" for every factor, its text naming the factor's number
            // and "<A>/<B>=SU" for every pair: the report's hits on the Sun all have a text.
            const auto code = [](int f) { return std::string(nemra::FactorCode[static_cast<std::size_t>(f)]); };
            for (int f = 0; f <= nemra::kPoseidon; ++f) {
                if (f != nemra::kSun)
                    book += "SU=" + code(f) + "\nentry " + std::to_string(f) + "\n\n";
                for (int g = f + 1; g <= nemra::kPoseidon; ++g)
                    if (f != nemra::kSun && g != nemra::kSun)
                        book += code(f) + "/" + code(g) + "=SU\nentry " + code(f) + code(g) + "\n\n";
            }
            Import(store, book);
        }
        ReportCapture form;
        nemra::SetMidpointIndex(form.session(), {nemra::kMidNatal, nemra::kSun, 0, false, false});
        form.ReportOnIndex();
        QVERIFY(form.rowsWithText > 0);
        QVERIFY(form.paneText.startsWith("entry "));
        qunsetenv("NEMRA_CHART_DB");
    }

    void menuEntriesOpenTheBooks()
    {
        QTemporaryDir dir;
        qputenv("NEMRA_CHART_DB", dir.filePath("charts.sqlite").toUtf8());
        ScriptedMainForm form(FixedNow);
        for (const char* name : {"See_Book1", "See_Book2", "MnSeeBook1", "MnSeeBook2", "MnEditBook"})
            QVERIFY2(form.item(name)->isEnabled(), name);
        QCOMPARE(form.item("See_Book1")->shortcut(), QKeySequence("Ctrl+F1"));
        form.item("MnSeeBook1")->trigger(); // no library file yet: said so, nothing created
        QCOMPARE(form.shown.last(), QString("InfoMessage"));
        QVERIFY(!QFile::exists(dir.filePath("charts.sqlite")));
        form.item("MnEditBook")->trigger();
        QCOMPARE(form.shown.last(), QString("BookEditor"));
        form.item("See_Book2")->trigger();
        QCOMPARE(form.shown.last(), QString("BookBrowser"));
        qunsetenv("NEMRA_CHART_DB");
    }
};

QTEST_MAIN(BookDialogsTest)
#include "BookDialogsTest.moc"
