#include "input/ui/Input1.h"

#include "input/ui/ChartInputPanel.h"
#include "input/ui/Input1Layout.h"
#include "input/ui/InputDialogKit.h"
#include "input/ui/Ucity.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;
using nemra::ui::MakeControl;
namespace L = nemra::ui::input1;

#include <QCalendarWidget>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

TNew1::TNew1(nemra::TChartInput& chartInput, nemra::CityListState& cities, nemra::Clock clock,
             std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FChartInput(chartInput)
    , FCities(cities)
    , FClock(std::move(clock))
    , FCityDataDirs(std::move(cityDataDirs))
{
    setObjectName(QLatin1String(L::kDialog.name));
    setWindowTitle(QString::fromUtf8(L::kDialog.caption));
    setFont(ThaiDialogFont(L::kFontPoints));
    Panel = new TChartInputPanel(this);
    BitBtn1 = MakeControl<QPushButton>(this, L::kOkButton);
    BitBtn1->setDefault(true);
    BitBtn2 = MakeControl<QPushButton>(this, L::kCancelButton);

    auto* layout = new QVBoxLayout(this);
    const auto& margins = L::kMargins;
    layout->setContentsMargins(margins[0], margins[1], margins[2], margins[3]);
    layout->setSpacing(L::kSpacing);
    layout->addWidget(Panel, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    layout->addLayout(buttons);
    SetTabOrder();
    setFixedSize(L::kWidth, L::kHeight);

    connect(Panel->Button1, &QPushButton::clicked, this, &TNew1::Button1Click);
    connect(Panel, &TChartInputPanel::EnterOnCalendar, BitBtn1, &QPushButton::click); // Enter there is OK too
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

// Edit1, the calendar and its month tabs, the year, the time, the zone and angle spins, the
// radio buttons, OK, Cancel, the city button, the hours box and the place.
void TNew1::SetTabOrder()
{
    const TChartInputPanel& p = *Panel;
    QWidget* const order[] = {p.Edit1,        p.Calendar1,    p.TabSet1,      p.BESpin,       p.HoSpin,
                              p.MinSpin,      p.SecSpin,      p.SpinEdit5,    p.SpinEdit6,    p.SpinEdit7,
                              p.SpinEdit8,    p.SpinEdit9,    p.SpinEdit10,   p.RadioButton1, p.RadioButton2,
                              p.RadioButton3, p.RadioButton4, p.RadioButton5, p.RadioButton6, BitBtn1,
                              BitBtn2,        p.Button1,      p.AtlasButton,  p.CheckBox1,    p.Edit2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TNew1::FormActivate()
{
    Panel->ShowEntry(nemra::OpeningEntry(FClock(), FChartInput));
    Panel->Button1->setEnabled(nemra::LocateCityFile(CurrentDirectory(), FCityDataDirs).ok());
    Panel->Edit1->setFocus();
}

void TNew1::FormClose()
{
    nemra::WriteChartInput(Entry(), FChartInput);
}

void TNew1::BESpinChange(int value)
{
    Panel->BESpinChange(value);
}

void TNew1::TabSet1Click(int index)
{
    Panel->TabSet1Click(index);
}

void TNew1::CheckBox1Click(bool checked)
{
    Panel->CheckBox1Click(checked);
}

void TNew1::Button1Click()
{
    const nemra::CityListUndo undo(FCities, FChartInput);
    RunCityDialog();
    if (!FCities.CityChosen)
        return;
    if (const auto shown = Panel->ShowCity(FCities.CityChoice); !shown) {
        undo.Undo(); // a line that does not read whole changes nothing, the record included
        ShowError(FromUtf8(shown.fault().reason));
    }
}

int TNew1::BuddhistYear() const
{
    return Panel->BuddhistYear();
}

nemra::ChartInputEntry TNew1::Entry() const
{
    return Panel->Entry();
}

void TNew1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!FActivated && !event->spontaneous()) {
        FActivated = true;
        FormActivate();
    }
}

void TNew1::done(int result)
{
    if (result == QDialog::Accepted) {
        // A date the chart cannot be cast from keeps the dialog open, with the reason.
        if (const auto check = nemra::CheckEntry(Entry()); !check) {
            ShowError(FromUtf8(check.fault().reason));
            return;
        }
        FormClose();
    }
    QDialog::done(result);
}

void TNew1::RunCityDialog()
{
    TFCity city(FCities, FChartInput, FCityDataDirs, this);
    city.exec();
}

void TNew1::ShowError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
