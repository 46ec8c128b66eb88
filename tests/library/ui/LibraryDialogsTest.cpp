// The chart library's dialogs offscreen: typing narrows the list, Enter and a double-click
// take a chart exactly as stored, columns sort, saving asks about a name that exists, the
// edit window keeps untouched texts as typed, deleting names the charts, CSV both ways.
#include "input/ui/ChartInputPanel.h"
#include "library/ui/ChartEdit.h"
#include "library/ui/ChartFind.h"
#include "library/ui/ChartList.h"
#include "library/ui/ChartSave.h"
#include "tests/support/ChartInputs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

namespace {

nemra::TChartInput Input(const char* name, const char* date, const char* time, const char* place)
{
    return nemra::test::BangkokInput(date, time, "7.00H", name, place);
}

// Types a text key by key, as a person would (QTest::keyClicks takes only Latin-1).
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class ScriptedSave : public TChartSave {
  public:
    using TChartSave::TChartSave;
    std::optional<nemra::IfNameExists> answer;
    QStringList asked, errors;

  protected:
    std::optional<nemra::IfNameExists> AskNameExists(const QString& name) override
    {
        asked << name;
        return answer;
    }
    void ShowError(const QString& text) override { errors << text; }
};

class ScriptedEdit : public TChartEdit {
  public:
    using TChartEdit::TChartEdit;
    bool confirm = true;
    QString fileName;
    QStringList questions, errors, infos;

  protected:
    bool Confirm(const QString& question) override
    {
        questions << question;
        return confirm;
    }
    void ShowError(const QString& text) override { errors << text; }
    void ShowInfo(const QString& text) override { infos << text; }
    QString AskOpenFileName() override { return fileName; }
    QString AskSaveFileName() override { return fileName; }
};

} // namespace

class LibraryDialogsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir FDir;
    std::optional<nemra::ChartStore> FStore;
    nemra::CityListState FCities;

    nemra::ChartStore& Store() { return *FStore; }
    std::int64_t Add(const nemra::TChartInput& input, const char* group = "")
    {
        return *Store().Add({input, "", group}, nemra::IfNameExists::KeepBoth);
    }
    static QStringList Names(const TChartListPanel& list)
    {
        QStringList names;
        for (int row = 0; row < list.Model->rowCount(); ++row)
            names << QString::fromStdString(list.Model->Chart(row).chart.input.Name.str());
        return names;
    }
    static void SelectRows(TChartListPanel& list, std::initializer_list<int> rows)
    {
        list.ChartList->clearSelection();
        for (const int row : rows)
            list.ChartList->selectionModel()->select(list.Model->index(row, 0),
                                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list.ChartList->selectionModel()->setCurrentIndex(list.Model->index(*rows.begin(), 0),
                                                          QItemSelectionModel::NoUpdate);
    }

  private slots:
    void init()
    {
        FStore.reset();
        QFile::remove(FDir.filePath("charts.sqlite"));
        auto opened = nemra::ChartStore::Open(FDir.filePath("charts.sqlite").toStdString());
        QVERIFY(opened);
        FStore.emplace(std::move(*opened));
        Add(Input("นายสมชาย ใจดี", "5/3/2484", "9.3", "ลำปาง"), "ลูกค้า");
        Add(Input("สมหญิง รักไทย", "01/01/2500", "10.00", "เชียงใหม่"));
        Add(Input("Anna", "7/12/2569", " 9.05.07", "London"), "ลูกค้า");
    }

    void typingNarrowsTheListAndEnterTakesTheChartAsStored()
    {
        TChartFind find(Store(), QStringLiteral("หาดวงกำเนิดจากไฟล์"));
        find.show();
        QCOMPARE(find.windowTitle(), QStringLiteral("หาดวงกำเนิดจากไฟล์"));
        QCOMPARE(find.List->Model->rowCount(), 3);
        QVERIFY(find.List->StatusLabel->text().contains(QStringLiteral("3 ดวง")));
        Type(find.List->SearchEdit, QStringLiteral("สม"));
        QCOMPARE(Names(*find.List), (QStringList{"นายสมชาย ใจดี", "สมหญิง รักไทย"}));
        Type(find.List->SearchEdit, QStringLiteral("ชาย"));
        QCOMPARE(Names(*find.List), QStringList{"นายสมชาย ใจดี"});
        QTest::keyClick(find.List->SearchEdit, Qt::Key_Down); // into the list
        QCOMPARE(find.focusWidget(), static_cast<QWidget*>(find.List->ChartList));
        QTest::keyClick(find.List->ChartList, Qt::Key_Return);
        QCOMPARE(find.result(), int(QDialog::Accepted));
        QVERIFY(find.ChosenInput() == Input("นายสมชาย ใจดี", "5/3/2484", "9.3", "ลำปาง"));
    }

    void aDoubleClickOrEnterInTheSearchBoxTakesTheCurrentChart()
    {
        TChartFind find(Store(), QStringLiteral("หาดวงจรจากไฟล์"));
        find.show();
        Type(find.List->SearchEdit, QStringLiteral("london"));
        QTest::keyClick(find.List->SearchEdit, Qt::Key_Return);
        QCOMPARE(find.result(), int(QDialog::Accepted));
        QCOMPARE(find.ChosenInput()->Time.str(), std::string(" 9.05.07"));

        TChartFind again(Store(), QStringLiteral("หาดวงจรจากไฟล์"));
        again.show();
        auto* view = again.List->ChartList;
        const QRect second = view->visualRect(again.List->Model->index(1, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, second.center()); // the press a double-click follows
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(again.Chosen()->id, again.List->Model->Chart(1).id);

        TChartFind none(Store(), QStringLiteral("หาดวงจรจากไฟล์"));
        none.show();
        Type(none.List->SearchEdit, QStringLiteral("ไม่มีดวงนี้"));
        QVERIFY(!none.OKBtn->isEnabled());
        QTest::keyClick(none.List->SearchEdit, Qt::Key_Return);
        QVERIFY(!none.Chosen());
    }

    void columnsSortTheWholeList()
    {
        TChartFind find(Store(), QString());
        find.List->ChartList->sortByColumn(1, Qt::AscendingOrder); // date: 1940 (2483 BE), 1957, 2026
        QCOMPARE(Names(*find.List), (QStringList{"นายสมชาย ใจดี", "สมหญิง รักไทย", "Anna"}));
        find.List->ChartList->sortByColumn(2, Qt::DescendingOrder); // time: 10.00, 9.30, 9.05.07
        QCOMPARE(Names(*find.List), (QStringList{"สมหญิง รักไทย", "นายสมชาย ใจดี", "Anna"}));
        find.List->ChartList->sortByColumn(4, Qt::AscendingOrder); // group: none first
        QCOMPARE(Names(*find.List).first(), QStringLiteral("สมหญิง รักไทย"));
    }

    void savingAnExistingNameAsksToReplaceOrKeepBoth()
    {
        const auto chart = Input("Anna", "1/1/2501", "8.00", "ภูเก็ต");
        ScriptedSave cancelled(Store(), chart, QStringLiteral("บันทึกลงไฟล์"));
        cancelled.show();
        QCOMPARE(cancelled.NameEdit->text(), QStringLiteral("Anna"));
        QVERIFY(cancelled.ChartTexts->text().contains(QStringLiteral("1/1/2501")));
        QTest::mouseClick(cancelled.SaveBtn, Qt::LeftButton);
        QCOMPARE(cancelled.asked, QStringList{"Anna"});
        QVERIFY(cancelled.isVisible());
        QCOMPARE(*Store().Count(), 3);

        ScriptedSave both(Store(), chart, QStringLiteral("บันทึกลงไฟล์"));
        both.answer = nemra::IfNameExists::KeepBoth;
        both.GroupCombo->setCurrentText(QStringLiteral("ครอบครัว"));
        both.NoteEdit->setPlainText(QStringLiteral("โทร 081, \"บ่าย\"\nสอง"));
        QTest::mouseClick(both.SaveBtn, Qt::LeftButton);
        QCOMPARE(both.result(), int(QDialog::Accepted));
        QCOMPARE(Store().IdsNamed("Anna")->size(), 2u);
        const auto kept = *Store().Get(both.SavedId());
        QCOMPARE(kept.chart.group, std::string("ครอบครัว"));
        QCOMPARE(kept.chart.note, std::string("โทร 081, \"บ่าย\"\nสอง"));

        ScriptedSave replace(Store(), Input("Anna", "2/2/2502", "8.00", "ตรัง"), QStringLiteral("บันทึกลงไฟล์"));
        replace.answer = nemra::IfNameExists::Replace;
        QTest::mouseClick(replace.SaveBtn, Qt::LeftButton);
        QCOMPARE(Store().IdsNamed("Anna")->size(), 2u);
        QCOMPARE(Store().Get(replace.SavedId())->chart.input.Place.str(), std::string("ตรัง"));
    }

    void aChartThatCannotBeStoredIsRefusedWithTheReason()
    {
        ScriptedSave save(Store(), Input("ใหม่", "1/1/2501", "8.00", "x"), QStringLiteral("บันทึกลงไฟล์"));
        save.NoteEdit->setPlainText(QStringLiteral("☃"));
        QTest::mouseClick(save.SaveBtn, Qt::LeftButton);
        QCOMPARE(save.errors.size(), 1);
        QVERIFY(save.errors.front().contains(QStringLiteral("CP874")));
        QVERIFY(save.result() != QDialog::Accepted);
        QCOMPARE(*Store().Count(), 3);
    }

    void editingKeepsTheTextsLeftAsTheyWere()
    {
        ScriptedEdit edit(Store(), FCities, {});
        edit.show();
        Type(edit.List->SearchEdit, QStringLiteral("สมชาย"));
        QCOMPARE(edit.Form->Edit1->text(), QStringLiteral("นายสมชาย ใจดี"));
        QCOMPARE(edit.GroupCombo->currentText(), QStringLiteral("ลูกค้า"));
        edit.Form->Edit2->setText(QStringLiteral("ลำพูน"));
        edit.NoteEdit->setPlainText(QStringLiteral("ย้ายบ้าน"));
        QTest::mouseClick(edit.SaveBtn, Qt::LeftButton);
        QVERIFY(edit.errors.isEmpty());
        const auto id = Store().IdsNamed("นายสมชาย ใจดี")->front();
        const auto saved = *Store().Get(id);
        QCOMPARE(saved.chart.input.Place.str(), std::string("ลำพูน"));
        QCOMPARE(saved.chart.input.Time.str(), std::string("9.3")); // as typed, not " 9.30.00"
        QCOMPARE(saved.chart.input.Date.str(), std::string("5/3/2484"));
        QCOMPARE(saved.chart.note, std::string("ย้ายบ้าน"));
        QCOMPARE(edit.List->Current()->id, id); // the list stays on the chart

        edit.Form->HoSpin->setValue(11);
        QTest::mouseClick(edit.SaveBtn, Qt::LeftButton);
        QCOMPARE(Store().Get(id)->chart.input.Time.str(), std::string("11.30.00"));
    }

    void deletingAsksFirstNamingTheCharts()
    {
        ScriptedEdit edit(Store(), FCities, {});
        edit.show();
        edit.List->ChartList->sortByColumn(0, Qt::AscendingOrder); // Anna, นายสมชาย ใจดี, สมหญิง รักไทย
        SelectRows(*edit.List, {0});
        edit.confirm = false;
        QTest::mouseClick(edit.DeleteBtn, Qt::LeftButton);
        QCOMPARE(edit.questions, QStringList{"ต้องการลบดวงชะตา \"Anna\" หรือไม่?"});
        QCOMPARE(*Store().Count(), 3);

        SelectRows(*edit.List, {1, 2});
        edit.confirm = true;
        QTest::mouseClick(edit.DeleteBtn, Qt::LeftButton);
        QCOMPARE(edit.questions.last(),
                 QStringLiteral("ต้องการลบดวงชะตา 2 ดวง: \"นายสมชาย ใจดี\", \"สมหญิง รักไทย\" หรือไม่?"));
        QCOMPARE(Names(*edit.List), QStringList{"Anna"});
        QCOMPARE(*Store().Count(), 1);
        QVERIFY(edit.List->StatusLabel->text().contains(QStringLiteral("1 ดวง")));
    }

    void csvExportAndImportButtons()
    {
        ScriptedEdit edit(Store(), FCities, {});
        edit.show();
        edit.fileName = FDir.filePath("all.csv");
        QTest::mouseClick(edit.ExportAllBtn, Qt::LeftButton);
        QCOMPARE(edit.infos, QStringList{"บันทึกไฟล์เรียบร้อยแล้ว!"});
        QVERIFY(QFile(edit.fileName).size() > 100);
        edit.fileName = FDir.filePath("none/there.csv");
        QTest::mouseClick(edit.ExportSelectedBtn, Qt::LeftButton);
        QCOMPARE(edit.errors.size(), 1); // the folder does not exist: the reason is shown

        edit.fileName = FDir.filePath("in.csv");
        std::ofstream(edit.fileName.toStdString(), std::ios::binary) << "name,date,time,zone,latitude,longitude,place\n"
                                                                        "ใหม่,1/1/2500,9.30,7.00H,13.45N,100.30E,x\n"
                                                                        "เสีย,31/2/2500,9.30,7.00H,13.45N,100.30E,x\n";
        QTest::mouseClick(edit.ImportBtn, Qt::LeftButton);
        QCOMPARE(edit.infos.size(), 2);
        QVERIFY2(edit.infos.last().contains(QStringLiteral("นำเข้าดวงชะตา 1 ดวง")), qPrintable(edit.infos.last()));
        QVERIFY(edit.infos.last().contains(QStringLiteral("บรรทัด 3: ไม่มีวันที่นี้ในเดือนที่ระบุ")));
        QCOMPARE(edit.List->Model->rowCount(), 4);
    }
};

QTEST_MAIN(LibraryDialogsTest)
#include "LibraryDialogsTest.moc"
