#include "settings/ui/CityEditor.h"

#include "charts/model/ChartPlace.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kRefusedMark = QStringLiteral("(อ่านไม่ได้) ");
constexpr const char* kNotSaved = "บันทึกไฟล์รายชื่อจังหวัด/เมืองไม่สำเร็จ: ";

} // namespace

TCityForm::TCityForm(const nemra::CityRecord& city, SaveFn save, ShowErrorFn showError, nemra::CityListState& cities,
                     QWidget* parent)
    : TChartDialog("CityForm", QStringLiteral("ข้อมูลจังหวัด/เมือง"), cities, {}, parent)
    , FSave(std::move(save))
    , FShowError(std::move(showError))
{
    // The list being edited is no place to take a city from: a label takes the city button's
    // place beside the name.
    if (auto* cityButton = PlaceBox()->findChild<QPushButton*>(QStringLiteral("Button1"))) {
        cityButton->hide();
        if (auto* grid = qobject_cast<QGridLayout*>(PlaceBox()->layout()))
            grid->addWidget(MakeLabel(PlaceBox(), "NameLabel", QStringLiteral("จังหวัด/เมือง")), 0, 0);
    }
    CountryEdit = MakeEdit(this, "CountryEdit");
    CountryEdit->setText(FromUtf8(city.country));
    Body()->addWidget(MakeLabel(this, "CountryLabel", QStringLiteral("ประเทศ")), 0, 0);
    Body()->addWidget(CountryEdit, 0, 1);
    PlaceBox()->ShowPlace({city.zone, city.latitude, city.longitude, city.name});
}

nemra::ChartOutcome TCityForm::MakeChart()
{
    const nemra::ChartPlace place = PlaceBox()->Place();
    if (const auto check = nemra::CheckPlace(place); !check)
        return nemra::Fault{check.fault().reason};
    const nemra::CityRecord city{place.Place.str(), CountryEdit->text().toStdString(), place.TimeZone.str(),
                                 place.Latitude.str(), place.Longitude.str()};
    if (const auto check = nemra::CheckCityRecord(city); !check)
        return nemra::Fault{check.fault().reason};
    const nemra::Result<> saved = FSave(city);
    if (!saved)
        return nemra::Fault{kNotSaved + saved.fault().reason};
    nemra::MadeChart made;
    nemra::PutPlace(place, made.chart);
    return made;
}

TCityEditor::TCityEditor(const std::filesystem::path& currentDir,
                         const std::vector<std::filesystem::path>& cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FBook(nemra::CityBook::Open(currentDir, cityDataDirs))
{
    setObjectName(QStringLiteral("CityEditor"));
    setWindowTitle(QStringLiteral("แก้ไขข้อมูลจังหวัด/เมือง"));
    setFont(ThaiDialogFont(9));
    resize(560, 480);

    SearchEdit = MakeEdit(this, "SearchEdit");
    SearchEdit->setPlaceholderText(QStringLiteral("ค้นหาชื่อจังหวัด/เมือง"));
    CityGrid = new QTableWidget(0, 4, this);
    CityGrid->setObjectName(QStringLiteral("CityGrid"));
    CityGrid->setHorizontalHeaderLabels(
        {QStringLiteral("จังหวัด/เมือง"), QStringLiteral("เขตเวลา"), QStringLiteral("แลตติจูด"), QStringLiteral("ลองกิจูด")});
    CityGrid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    CityGrid->verticalHeader()->hide();
    CityGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    CityGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    CityGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileLabel = MakeLabel(this, "FileLabel", QString());
    FileLabel->setWordWrap(true);
    AddBtn = MakeButton(this, "AddBtn", QStringLiteral("เพิ่ม"));
    EditBtn = MakeButton(this, "EditBtn", QStringLiteral("แก้ไข"));
    DeleteBtn = MakeButton(this, "DeleteBtn", QStringLiteral("ลบ"));
    CloseBtn = MakeButton(this, "CloseBtn", QStringLiteral("ปิด"));
    for (QPushButton* button : {AddBtn, EditBtn, DeleteBtn})
        button->setEnabled(FBook.Editable());

    auto* search = new QHBoxLayout;
    search->addWidget(MakeLabel(this, "SearchLabel", QStringLiteral("ค้นหา")));
    search->addWidget(SearchEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AddBtn);
    buttons->addWidget(EditBtn);
    buttons->addWidget(DeleteBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(CityGrid, 1);
    layout->addWidget(FileLabel);
    layout->addLayout(buttons);

    connect(SearchEdit, &QLineEdit::textChanged, this, &TCityEditor::SearchChange);
    connect(AddBtn, &QPushButton::clicked, this, &TCityEditor::AddClick);
    connect(EditBtn, &QPushButton::clicked, this, &TCityEditor::EditClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TCityEditor::DeleteClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CityGrid, &QTableWidget::cellDoubleClicked, this, [this] { EditClick(); });
    SearchChange(QString());
}

void TCityEditor::SearchChange(const QString& typed)
{
    FRows = FBook.Matching(typed.toStdString());
    FillGrid();
}

void TCityEditor::FillGrid()
{
    CityGrid->setRowCount(static_cast<int>(FRows.size()));
    for (int row = 0; row < CityGrid->rowCount(); ++row) {
        const nemra::CityLine& line = FBook.Lines()[FRows[static_cast<std::size_t>(row)]];
        QStringList cells;
        if (line.city)
            cells << FromUtf8(line.city->name) << FromUtf8(line.city->zone) << FromUtf8(line.city->latitude)
                  << FromUtf8(line.city->longitude);
        else
            cells << kRefusedMark + FromUtf8(line.text) << QString() << QString() << QString();
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (!line.city) {
                item->setForeground(Qt::darkRed);
                item->setToolTip(FromUtf8(line.refusal));
            }
            CityGrid->setItem(row, column, item);
        }
    }
    QString about = QStringLiteral("ไฟล์: ") + QString::fromStdString(FBook.SavePath().string());
    if (!FBook.Problem().empty())
        about += QLatin1Char('\n') + FromUtf8(FBook.Problem());
    FileLabel->setText(about);
}

std::optional<std::size_t> TCityEditor::SelectedLine() const
{
    const int row = CityGrid->currentRow();
    if (row < 0 || row >= static_cast<int>(FRows.size()))
        return std::nullopt;
    return FRows[static_cast<std::size_t>(row)];
}

void TCityEditor::EditLine(std::optional<std::size_t> line)
{
    nemra::CityRecord city{"", "ไทย", "7.00H", "13.45N", "100.30E"};
    if (line) {
        const nemra::CityLine& shown = FBook.Lines()[*line];
        if (shown.city)
            city = *shown.city;
        else // a refused line offers what it names; the place starts on Bangkok's
            city.name = shown.text.substr(0, shown.text.find(','));
    }
    TCityForm form(
        city, [this, line](const nemra::CityRecord& edited) { return FBook.Put(line, edited); },
        [this](const QString& text) { ShowError(text); }, FFormCities, this);
    RunCityForm(form);
    SearchChange(SearchEdit->text());
}

void TCityEditor::AddClick()
{
    EditLine(std::nullopt);
}

void TCityEditor::EditClick()
{
    if (const auto line = SelectedLine())
        EditLine(line);
}

void TCityEditor::DeleteClick()
{
    const auto line = SelectedLine();
    if (!line)
        return;
    const nemra::CityLine& shown = FBook.Lines()[*line];
    if (!Confirm(QStringLiteral("ลบ ") + FromUtf8(shown.city ? shown.city->name : shown.text) + QStringLiteral(" ?")))
        return;
    const nemra::Result<> erased = FBook.Erase(*line);
    if (!erased)
        ShowError(FromUtf8(kNotSaved + erased.fault().reason));
    SearchChange(SearchEdit->text());
}

void TCityEditor::RunCityForm(TCityForm& form)
{
    form.exec();
}

bool TCityEditor::Confirm(const QString& text)
{
    return QMessageBox::question(this, windowTitle(), text) == QMessageBox::Yes;
}

void TCityEditor::ShowError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
