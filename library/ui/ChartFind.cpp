#include "library/ui/ChartFind.h"

#include "input/ui/InputDialogKit.h"
#include "library/ui/ChartList.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace nemra::ui;

TChartFind::TChartFind(nemra::ChartStore& store, const QString& title, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChartFind"));
    setWindowTitle(title);
    setFont(ThaiDialogFont(9));
    List = new TChartListPanel(store, false, this);
    OKBtn = new QPushButton(QStringLiteral("ตกลง"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("ยกเลิก"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    resize(640, 460);

    connect(List, &TChartListPanel::Chosen, this, &TChartFind::Take);
    connect(List, &TChartListPanel::CurrentChanged, this, [this] { OKBtn->setEnabled(List->Current() != nullptr); });
    connect(OKBtn, &QPushButton::clicked, this, &TChartFind::Take);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    OKBtn->setEnabled(List->Current() != nullptr);
    List->SearchEdit->setFocus();
}

void TChartFind::Take()
{
    if (const nemra::StoredChart* chart = List->Current()) {
        FChosen = *chart;
        accept();
    }
}

std::optional<nemra::TChartInput> TChartFind::ChosenInput() const
{
    if (!FChosen)
        return std::nullopt;
    return FChosen->chart.input;
}
