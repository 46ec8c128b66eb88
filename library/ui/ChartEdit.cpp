#include "library/ui/ChartEdit.h"

#include "atlas/ui/AtlasSearch.h"
#include "input/ui/ChartInputPanel.h"
#include "input/ui/InputDialogKit.h"
#include "input/ui/Ucity.h"
#include "library/ui/ChartList.h"
#include "library/ui/LibraryDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

nemra::TChartInput Written(const nemra::ChartInputEntry& entry)
{
    nemra::TChartInput input;
    nemra::WriteChartInput(entry, input);
    return input;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// The question before deleting, naming the charts (the first ten of a longer list).
QString DeleteQuestion(const std::vector<nemra::StoredChart>& charts)
{
    if (charts.size() == 1)
        return QStringLiteral("ต้องการลบดวงชะตา \"%1\" หรือไม่?").arg(FromUtf8(charts.front().chart.input.Name.str()));
    QStringList names;
    for (std::size_t i = 0; i < charts.size() && i < 10; ++i)
        names << QStringLiteral("\"%1\"").arg(FromUtf8(charts[i].chart.input.Name.str()));
    QString list = names.join(QStringLiteral(", "));
    if (charts.size() > 10)
        list += QStringLiteral(" และอีก %1 ดวง").arg(charts.size() - 10);
    return QStringLiteral("ต้องการลบดวงชะตา %1 ดวง: %2 หรือไม่?").arg(charts.size()).arg(list);
}

} // namespace

TChartEdit::TChartEdit(nemra::ChartStore& store, nemra::CityListState& cities,
                       std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FStore(store)
    , FCities(cities)
    , FCityDataDirs(std::move(cityDataDirs))
{
    setObjectName(QStringLiteral("ChartEdit"));
    setWindowTitle(QStringLiteral("แก้ไข/ลบข้อมูลดวงชะตา"));
    setFont(ThaiDialogFont(9));
    List = new TChartListPanel(store, true, this);
    Form = new TChartInputPanel(this);
    GroupCombo = MakeGroupCombo(this, store);
    NoteEdit = new QPlainTextEdit(this);
    NoteEdit->setObjectName(QStringLiteral("NoteEdit"));
    NoteEdit->setTabChangesFocus(true);
    NoteEdit->setMaximumHeight(70);
    SaveBtn = MakeButton(this, "SaveBtn", QStringLiteral("บันทึกการแก้ไข"));
    DeleteBtn = MakeButton(this, "DeleteBtn", QStringLiteral("ลบ"));
    ImportBtn = MakeButton(this, "ImportBtn", QStringLiteral("นำเข้า CSV"));
    ExportAllBtn = MakeButton(this, "ExportAllBtn", QStringLiteral("ส่งออกทุกดวง"));
    ExportSelectedBtn = MakeButton(this, "ExportSelectedBtn", QStringLiteral("ส่งออกดวงที่เลือก"));
    CloseBtn = MakeButton(this, "CloseBtn", QStringLiteral("ปิด"));
    SaveBtn->setToolTip(QStringLiteral("บันทึกข้อมูลดวงชะตาที่แก้ไขลงไฟล์"));
    DeleteBtn->setToolTip(QStringLiteral("ลบดวงชะตาที่เลือกทั้งหมด"));
    ExportAllBtn->setToolTip(QStringLiteral("บันทึกข้อมูลดวงชะตาทุกดวงลงไฟล์ CSV"));
    ExportSelectedBtn->setToolTip(QStringLiteral("บันทึกข้อมูลดวงชะตาที่เลือกลงไฟล์ CSV"));

    auto* right = new QVBoxLayout;
    right->addWidget(Form, 1);
    auto* extra = new QFormLayout;
    AddNamedRow(extra, QStringLiteral("กลุ่ม"), GroupCombo);
    AddNamedRow(extra, QStringLiteral("หมายเหตุ"), NoteEdit);
    right->addLayout(extra);
    auto* columns = new QHBoxLayout;
    columns->addWidget(List, 1);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {SaveBtn, DeleteBtn, ImportBtn, ExportAllBtn, ExportSelectedBtn})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(1000, 560);

    connect(List, &TChartListPanel::CurrentChanged, this, &TChartEdit::ShowCurrent);
    connect(Form->Button1, &QPushButton::clicked, this, &TChartEdit::Button1Click);
    connect(SaveBtn, &QPushButton::clicked, this, &TChartEdit::SaveBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TChartEdit::DeleteBtnClick);
    connect(ImportBtn, &QPushButton::clicked, this, &TChartEdit::ImportBtnClick);
    connect(ExportAllBtn, &QPushButton::clicked, this, [this] { ExportBtnClick(false); });
    connect(ExportSelectedBtn, &QPushButton::clicked, this, [this] { ExportBtnClick(true); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    Form->Button1->setEnabled(nemra::LocateCityFile(CurrentDirectory(), FCityDataDirs).ok());
    ShowCurrent();
    List->SearchEdit->setFocus();
}

void TChartEdit::ShowCurrent()
{
    const nemra::StoredChart* chart = List->Current();
    for (QWidget* widget : {static_cast<QWidget*>(Form), static_cast<QWidget*>(GroupCombo),
                            static_cast<QWidget*>(NoteEdit), static_cast<QWidget*>(SaveBtn)})
        widget->setEnabled(chart != nullptr);
    if (!chart) {
        FShown.reset();
        return;
    }
    FShown = *chart;
    Form->ShowEntry(nemra::EntryForChartInput(chart->chart.input));
    FShownForm = Written(Form->Entry());
    GroupCombo->setCurrentText(FromUtf8(chart->chart.group));
    NoteEdit->setPlainText(FromUtf8(chart->chart.note));
}

void TChartEdit::SaveBtnClick()
{
    if (!FShown)
        return;
    const nemra::ChartDraft draft{nemra::MergeEditedInput(FShown->chart.input, FShownForm, Written(Form->Entry())),
                                  NoteEdit->toPlainText().toStdString(), GroupCombo->currentText().toStdString()};
    if (const auto saved = FStore.Update(FShown->id, draft); !saved) {
        ShowError(FromUtf8(saved.fault().reason));
        return;
    }
    List->Reload(FShown->id);
}

void TChartEdit::DeleteBtnClick()
{
    const auto charts = List->Selected();
    if (charts.empty() || !Confirm(DeleteQuestion(charts)))
        return;
    std::vector<std::int64_t> ids;
    for (const nemra::StoredChart& chart : charts)
        ids.push_back(chart.id);
    if (const auto deleted = FStore.Delete(ids); !deleted)
        ShowError(FromUtf8(deleted.fault().reason));
    List->Reload();
}

void TChartEdit::ImportBtnClick()
{
    const QString file = AskOpenFileName();
    if (file.isEmpty())
        return;
    const std::string name = file.toStdString();
    std::optional<nemra::Atlas> atlas; // places AAF records without #B93; opened only for them
    if (nemra::IsAafFileName(name))
        atlas = std::move(nemra::Atlas::Open(nemra::ProgramAtlasFile(std::getenv)).atlas);
    const auto report =
        nemra::IsAafFileName(name) ? FStore.ImportAafFile(name, atlas ? &*atlas : nullptr) : FStore.ImportCsvFile(name);
    if (!report) {
        ShowError(FromUtf8(report.fault().reason));
        return;
    }
    List->Reload();
    ShowInfo(FromUtf8(nemra::DescribeImport(*report)));
}

void TChartEdit::ExportBtnClick(bool selectedOnly)
{
    std::vector<std::int64_t> ids;
    if (selectedOnly) {
        for (const nemra::StoredChart& chart : List->Selected())
            ids.push_back(chart.id);
        if (ids.empty())
            return;
    }
    const QString file = AskSaveFileName();
    if (file.isEmpty())
        return;
    const std::string name = file.toStdString();
    if (const auto written = nemra::IsAafFileName(name) ? FStore.ExportAaf(name, ids) : FStore.ExportCsv(name, ids);
        !written)
        ShowError(FromUtf8(written.fault().reason));
    else
        ShowInfo(QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!"));
}

void TChartEdit::Button1Click()
{
    RunCityDialog();
    if (!FCities.CityChosen)
        return;
    if (const auto shown = Form->ShowCity(FCities.CityChoice); !shown)
        ShowError(FromUtf8(shown.fault().reason));
}

bool TChartEdit::Confirm(const QString& question)
{
    return AskYesNo(this, question);
}

void TChartEdit::ShowError(const QString& text)
{
    ShowLibraryError(this, text);
}

void TChartEdit::ShowInfo(const QString& text)
{
    ShowLibraryInfo(this, text);
}

QString TChartEdit::AskOpenFileName()
{
    return QFileDialog::getOpenFileName(this, QStringLiteral("นำเข้าข้อมูลดวงชะตาจากไฟล์ CSV หรือ AAF"), QString(),
                                        QStringLiteral("CSV (*.csv);;AAF (*.aaf);;All File (*.*)"));
}

QString TChartEdit::AskSaveFileName()
{
    QFileDialog dialog(this, QStringLiteral("ส่งออกข้อมูลดวงชะตาลงไฟล์ CSV หรือ AAF"), QString(),
                       QStringLiteral("CSV (*.csv);;AAF (*.aaf);;All File (*.*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// The city list writes the chosen place into a chart input; the window's form takes the
// city from the choice, so a scratch input receives it.
void TChartEdit::RunCityDialog()
{
    nemra::TChartInput scratch;
    TFCity city(FCities, scratch, FCityDataDirs, this);
    city.exec();
}
