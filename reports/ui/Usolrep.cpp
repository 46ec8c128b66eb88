#include "reports/ui/Usolrep.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace nemra::ui;

namespace {

constexpr int kColumnWidths[] = {34, 122, 73, 70, 71};
constexpr int kColumns = 5;
constexpr int kRowHeight = 18;

} // namespace

TFSolRep::TFSolRep(const nemra::SolarArcNatal& natal, QWidget* parent)
    : TReportDialog(parent)
    , FNatal(natal)
{
    setObjectName(QStringLiteral("FSolRep"));
    setWindowTitle(QStringLiteral("รายงานโค้งสุริยยาตร์ 100 ปี"));
    CreateControls();
    FormCreate();
    connect(BitBtn2, &QPushButton::clicked, this, &TFSolRep::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TFSolRep::CreateControls()
{
    StringGrid1 = new QTableWidget(nemra::kSolarArcYears, kColumns, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    SetUpReportGrid(*StringGrid1, kRowHeight);
    int width = 0;
    for (int column = 0; column < kColumns; ++column) {
        StringGrid1->setColumnWidth(column, kColumnWidths[column]);
        width += kColumnWidths[column];
    }
    StringGrid1->setMinimumWidth(width + 24);

    BitBtn2 = new QPushButton(QStringLiteral("บันทึกไฟล์"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn1 = new QPushButton(QStringLiteral("จบรายงาน"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(buttons);
}

void TFSolRep::FormCreate()
{
    FRows = nemra::BuildSolarArcTable(FNatal);
    SetReportGridHeader(*StringGrid1, nemra::SolarArcHeaderCells());
    for (std::size_t i = 0; i < FRows.size(); ++i)
        SetReportGridRow(*StringGrid1, static_cast<int>(i), FRows[i].cells);
}

void TFSolRep::BitBtn2Click()
{
    SaveLinesToFile(nemra::SolarArcFileLines(FNatal, FRows));
}
