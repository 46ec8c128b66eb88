#include "input/ui/Ucity.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFCity::TFCity(nemra::CityListState& cities, nemra::TChartInput& chartInput,
               std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FCities(cities)
    , FChartInput(chartInput)
    , FCityDataDirs(std::move(cityDataDirs))
{
    setObjectName(QStringLiteral("FCity"));
    setWindowTitle(QStringLiteral("จังหวัด/เมือง"));
    setFont(ThaiDialogFont(9, true));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("เลือกด้วยการดับเบิ้ลคลิกก็ได้"));
    ListBox1->setFrameShape(QFrame::StyledPanel);
    ListBox1->setUniformItemSizes(true);

    OKBtn = new QPushButton(QStringLiteral("ตกลง"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("ยกเลิก"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (auto* button : {OKBtn, CancelBtn})
        button->setFixedWidth(72);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(ListBox1, 1);
    layout->addLayout(buttons);

    setFixedSize(395, 214);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, ListBox1);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFCity::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListBox1DblClick(ListBox1->row(item)); });
    connect(OKBtn, &QPushButton::clicked, this, &TFCity::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TFCity::FormActivate()
{
    ListBox1->clear();
    FCities.CityChosen = false;
    FCities.SelectedLine.clear();
    const auto location = nemra::LocateCityFile(CurrentDirectory(), FCityDataDirs);
    const auto file = location ? nemra::ReadCityFile(*location) : nemra::CityFileLines{location.fault()};
    if (file) {
        for (const auto& line : *file)
            ListBox1->addItem(FromUtf8(line));
    }
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    OKBtn->setFocus();
    if (!file)
        ShowError(FromUtf8(file.fault().reason));
}

void TFCity::ListBox1Click(int row)
{
    if (auto* item = ListBox1->item(row))
        FCities.SelectedLine = item->text().toStdString();
}

void TFCity::ListBox1DblClick(int row)
{
    if (!ListBox1->item(row))
        return;
    ListBox1->setCurrentRow(row);
    ListBox1Click(row);
    TakeSelectedLine();
}

void TFCity::OKBtnClick()
{
    if (ListBox1->currentRow() < 0) {
        reject();
        return;
    }
    TakeSelectedLine();
}

void TFCity::TakeSelectedLine()
{
    nemra::ParseCityLine(FCities, FChartInput);
    accept();
}

void TFCity::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFCity::ShowError(const QString& text)
{
    QMessageBox::critical(this, windowTitle(), text);
}
