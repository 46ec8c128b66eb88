#include "dials/ui/Umidp1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using nemra::ui::SourceButtons;

TFMidP1::TFMidP1(nemra::DialSession& session, QWidget* parent)
    : QDialog(parent)
    , FSession(session)
    , FNatal(session.FNatal.Computed)
    , FTransit(session.FTransit.Computed)
{
    setObjectName("FMidP1");
    BuildControls();
    FormCreate();
    nemra::ui::FinishDialog(*this, QStringLiteral("เลือกปัจจัย/ศูนย์รังสี"), BitBtn1);
}

TFMidP1::~TFMidP1() = default;

void TFMidP1::BuildControls()
{
    auto* kindGroup = new QGroupBox(QStringLiteral("ประเภทของปัจจัย"), this);
    RadioButton1 = new QRadioButton(QStringLiteral("ปัจจัยเดี่ยว"), kindGroup);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(QStringLiteral("ศูนย์รังสี"), kindGroup);
    RadioButton2->setObjectName("RadioButton2");
    auto* kindLayout = new QHBoxLayout(kindGroup);
    kindLayout->addWidget(RadioButton1);
    kindLayout->addWidget(RadioButton2);

    ComboBox1 = nemra::ui::MakeFactorList(this, "ComboBox1");
    ComboBox2 = nemra::ui::MakeFactorList(this, "ComboBox2");
    CheckBox1 = new QCheckBox(QStringLiteral("จุดสะท้อน"), this);
    CheckBox1->setObjectName("CheckBox1");

    auto* sourceGroup = new QGroupBox(QStringLiteral("เลือกจาก"), this);
    FSources = std::make_unique<SourceButtons>(sourceGroup, 3,
                                               std::vector<SourceButtons::Entry>{
                                                   {nemra::kMidNatal, "ดวงกำเนิด"},
                                                   {nemra::kMidTransit, "ดวงจร"},
                                                   {nemra::kMidNatalTransit, "ดวงกำเนิด/ดวงจร"},
                                                   {nemra::kMidV1, "V1 ธรรมดา"},
                                                   {nemra::kMidV1Half, "V1 ครึ่งโค้ง"},
                                                   {nemra::kMidV1Double, "V1 โค้ง 2 เท่า"},
                                                   {nemra::kMidV2, "V2 ธรรมดา"},
                                                   {nemra::kMidV2Half, "V2 ครึ่งโค้ง"},
                                                   {nemra::kMidV2Double, "V2 โค้ง 2 เท่า"},
                                               },
                                               FSession.FMidSource);

    BitBtn1 = nemra::ui::MakeOkButton(*this, "BitBtn1");
    BitBtn2 = nemra::ui::MakeCancelButton(*this, "BitBtn2");

    auto* left = new QVBoxLayout;
    left->addWidget(kindGroup);
    left->addWidget(ComboBox1);
    left->addWidget(ComboBox2);
    left->addWidget(CheckBox1);
    left->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QGridLayout(this);
    layout->addLayout(left, 0, 0);
    layout->addWidget(sourceGroup, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);

    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
}

void TFMidP1::FormCreate()
{
    ComboBox1->setCurrentIndex(FSession.FMidFactorA);
    ComboBox2->setCurrentIndex(FSession.FMidFactorB);
    ComboBox2->setEnabled(FSession.FMidUsePair);
    if (FSession.FMidUsePair)
        RadioButton2->setChecked(true);
    CheckBox1->setChecked(FSession.FMidReflect);

    FSources->EnableForCharts(
        FNatal, FTransit, nemra::kMidNatal, nemra::kMidTransit,
        {nemra::kMidV1, nemra::kMidV1Half, nemra::kMidV1Double, nemra::kMidV2, nemra::kMidV2Half, nemra::kMidV2Double});
    if (FSession.FMidSource == nemra::kMidNatalTransit)
        FSources->button(nemra::kMidNatalTransit)->setEnabled(true);
    FSources->SelectStored();
    // A single factor has no natal/transit mixture: a mixture remembered from an earlier,
    // cancelled midpoint choice gives way to the natal chart, as a click on the
    // single-factor button does.
    if (RadioButton1->isChecked())
        RadioButton1Click();
}

void TFMidP1::RadioButton1Click()
{
    ComboBox2->setEnabled(false);
    QRadioButton* mixture = FSources->button(nemra::kMidNatalTransit);
    mixture->setEnabled(false);
    if (mixture->isChecked())
        FSources->button(FNatal ? nemra::kMidNatal : nemra::kMidTransit)->setChecked(true);
}

void TFMidP1::RadioButton2Click()
{
    ComboBox2->setEnabled(true);
    if (FNatal && FTransit)
        FSources->button(nemra::kMidNatalTransit)->setEnabled(true);
}

nemra::MidpointChoice TFMidP1::Choice() const
{
    return {FSession.FMidSource, ComboBox1->currentIndex(), ComboBox2->currentIndex(), RadioButton2->isChecked(),
            CheckBox1->isChecked()};
}

namespace nemra::ui {

bool ChooseMidpointIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog)
{
    TFMidP1 dialog(s, parent);
    return RunIndexDialog(dialog, s, runDialog, [&s](const TFMidP1& d) {
        const MidpointChoice choice = d.Choice();
        RememberMidpointChoice(s, choice);
        SetMidpointIndex(s, choice);
    });
}

} // namespace nemra::ui
