#include "charts/ui/StepForm.h"

#include "charts/ui/ChartDialog.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <utility>

namespace {

struct UnitChoice {
    const char* caption;
    nemra::StepUnit unit;
};
const UnitChoice kUnits[] = {
    {"วินาที", nemra::StepUnit::Seconds}, {"นาที", nemra::StepUnit::Minutes}, {"ชั่วโมง", nemra::StepUnit::Hours},
    {"วัน", nemra::StepUnit::Days},      {"เดือน", nemra::StepUnit::Months}, {"ปี", nemra::StepUnit::Years},
};
constexpr int kDaysIndex = 3;
constexpr int kLargestAmount = 9999;

} // namespace

TStepForm::TStepForm(const nemra::TChartInput& chart, StepHandler onStep, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FChart(chart)
    , FOnStep(std::move(onStep))
{
    setObjectName(QStringLiteral("StepForm"));
    setWindowTitle(QStringLiteral("เพิ่ม/ลดวันเวลา"));
    setFont(ThaiDialogFont(9));

    AmountSpin = MakeSpin(this, "AmountSpin", 1, kLargestAmount, 1);
    UnitCombo = new QComboBox(this);
    UnitCombo->setObjectName(QStringLiteral("UnitCombo"));
    for (const auto& choice : kUnits)
        UnitCombo->addItem(QString::fromUtf8(choice.caption));
    UnitCombo->setCurrentIndex(kDaysIndex);
    BackBtn = MakeButton(this, "BackBtn", QStringLiteral("◀ ลด"));
    BackBtn->setToolTip(QStringLiteral("PageUp หรือ -"));
    ForwardBtn = MakeButton(this, "ForwardBtn", QStringLiteral("เพิ่ม ▶"));
    ForwardBtn->setToolTip(QStringLiteral("PageDown หรือ +"));
    for (auto* button : {BackBtn, ForwardBtn}) {
        button->setAutoRepeat(true); // held down, the button keeps stepping
        button->setFocusPolicy(Qt::NoFocus);
    }
    DateTimeEdit = new QLineEdit(this);
    DateTimeEdit->setObjectName(QStringLiteral("DateTimeEdit"));
    DateTimeEdit->setReadOnly(true);
    DateTimeEdit->setAlignment(Qt::AlignCenter);
    MessageLabel = MakeLabel(this, "MessageLabel", {});
    MessageLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    MessageLabel->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->addWidget(MakeLabel(this, "StepTitle", QStringLiteral("ครั้งละ")), 0, 0);
    grid->addWidget(AmountSpin, 0, 1);
    grid->addWidget(UnitCombo, 0, 2);
    grid->addWidget(BackBtn, 1, 0);
    grid->addWidget(DateTimeEdit, 1, 1, 1, 2);
    grid->addWidget(ForwardBtn, 1, 3);
    grid->addWidget(MessageLabel, 2, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    // The stepping keys work on whichever control has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    connect(BackBtn, &QPushButton::clicked, this, &TStepForm::StepBack);
    connect(ForwardBtn, &QPushButton::clicked, this, &TStepForm::StepForward);
    ShowChart();
}

void TStepForm::SetChart(const nemra::TChartInput& chart)
{
    FChart = chart;
    MessageLabel->clear();
    ShowChart();
}

nemra::TimeStep TStepForm::Step() const
{
    return {AmountSpin->value(), kUnits[UnitCombo->currentIndex()].unit};
}

void TStepForm::StepBack()
{
    StepBy(-1);
}

void TStepForm::StepForward()
{
    StepBy(1);
}

void TStepForm::StepBy(int direction)
{
    nemra::TimeStep step = Step();
    step.amount *= direction;
    const nemra::ChartOutcome outcome = nemra::StepChart(FChart, step);
    if (!outcome.ok()) {
        MessageLabel->setText(FromUtf8(outcome.fault().reason));
        return;
    }
    FChart = outcome->chart;
    MessageLabel->clear();
    ShowChart();
    if (FOnStep)
        FOnStep(FChart);
}

void TStepForm::ShowChart()
{
    DateTimeEdit->setText(FromUtf8(FChart.Date.str() + "  " + FChart.Time.str()));
}

// PageUp and - step back, PageDown and + forward; a held key sends repeated presses, each a step.
bool TStepForm::HandleKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_Minus:
        StepBack();
        return true;
    case Qt::Key_PageDown:
    case Qt::Key_Plus:
        StepForward();
        return true;
    default:
        return false;
    }
}

bool TStepForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TStepForm::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event->key()))
        QWidget::keyPressEvent(event);
}
