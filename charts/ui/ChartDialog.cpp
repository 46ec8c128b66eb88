#include "charts/ui/ChartDialog.h"

#include "input/model/ChartInputEntry.h"

#include "input/ui/InputDialogKit.h"
#include "input/ui/Ucity.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

QLabel* nemra::ui::MakeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QPushButton* nemra::ui::MakeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QSpinBox* nemra::ui::MakeYearSpin(QWidget* parent, const char* name, int yearBE)
{
    return MakeSpin(parent, name, nemra::kMinYearBE, nemra::kMaxYearBE, yearBE);
}

TChartDialog::TChartDialog(const char* objectName, const QString& title, nemra::CityListState& cities,
                           std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FCities(cities)
    , FCityDataDirs(std::move(cityDataDirs))
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(title);
    setFont(ThaiDialogFont(9));

    FPlaceBox = new TPlaceBox(
        FCities, [this] { RunCityDialog(); }, [this](const QString& text) { ShowError(text); }, this);
    OKBtn = MakeButton(this, "OKBtn", QStringLiteral("ตกลง"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", QStringLiteral("ยกเลิก"));

    FBody = new QGridLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addLayout(FBody);
    layout->addWidget(FPlaceBox);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TChartDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        const nemra::ChartOutcome outcome = MakeChart();
        if (!outcome.ok()) {
            ShowError(FromUtf8(outcome.fault().reason));
            return;
        }
        FResult = outcome->chart;
    }
    QDialog::done(result);
}

void TChartDialog::RunCityDialog()
{
    TFCity city(FCities, FCityInput, FCityDataDirs, this);
    city.exec();
}

void TChartDialog::ShowError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
