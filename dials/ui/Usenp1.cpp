#include "dials/ui/Usenp1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using nemra::ui::SourceButtons;

namespace {

constexpr std::array<const char*, nemra::kSensKindCount> kFormulaCaptions = {
    "A+B-C", "A+B+C", "A-B-C", "A/B//C", "AR+MC-(MC/SU)", "AR+SU-(MC/SU)",
};
constexpr int kFirstOwnFormula = 5; // kinds 5 and 6 take no chosen factors

} // namespace

TFSenP1::TFSenP1(nemra::DialSession& session, QWidget* parent)
    : QDialog(parent)
    , FSession(session)
    , FNatal(session.FNatal.Computed)
    , FTransit(session.FTransit.Computed)
{
    setObjectName("FSenP1");
    BuildControls();
    FormCreate();
    nemra::ui::FinishDialog(*this, QStringLiteral("จุดอิทธิพล"), OKBtn);
}

TFSenP1::~TFSenP1() = default;

void TFSenP1::BuildControls()
{
    auto* formulaGroup = new QGroupBox(QStringLiteral("ชนิดจุดอิทธิพล"), this);
    auto* formulaLayout = new QVBoxLayout(formulaGroup);
    for (int kind = 1; kind <= nemra::kSensKindCount; ++kind) {
        auto* button =
            new QRadioButton(QString::fromLatin1(kFormulaCaptions[static_cast<std::size_t>(kind - 1)]), formulaGroup);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(kind));
        formulaLayout->addWidget(button);
        connect(button, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                FormulaClick(kind);
        });
        FFormulaButtons[static_cast<std::size_t>(kind - 1)] = button;
    }

    auto* factorGroup = new QGroupBox(QStringLiteral("ปัจจัย"), this);
    ComboBox1 = nemra::ui::MakeFactorList(factorGroup, "ComboBox1");
    ComboBox2 = nemra::ui::MakeFactorList(factorGroup, "ComboBox2");
    ComboBox3 = nemra::ui::MakeFactorList(factorGroup, "ComboBox3");
    auto* factorLayout = new QVBoxLayout(factorGroup);
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3})
        factorLayout->addWidget(list);
    factorLayout->addStretch();

    auto* sourceGroup = new QGroupBox(QStringLiteral("เลือกจาก"), this);
    FSources = std::make_unique<SourceButtons>(sourceGroup, 7,
                                               std::vector<SourceButtons::Entry>{
                                                   {nemra::kSensNatal, "ดวงกำเนิด"},
                                                   {nemra::kSensTransit, "ดวงจร"},
                                                   {nemra::kSensV1, "V1 ธรรมดา"},
                                                   {nemra::kSensV1Half, "V1 ครึ่งโค้ง"},
                                                   {nemra::kSensV1Double, "V1 โค้ง 2 เท่า"},
                                                   {nemra::kSensV2, "V2 ธรรมดา"},
                                                   {nemra::kSensV2Half, "V2 ครึ่งโค้ง"},
                                                   {nemra::kSensV2Double, "V2 โค้ง 2 เท่า"},
                                               },
                                               FSession.FSensSource);

    OKBtn = nemra::ui::MakeOkButton(*this, "OKBtn");
    CancelBtn = nemra::ui::MakeCancelButton(*this, "CancelBtn");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* layout = new QGridLayout(this);
    layout->addWidget(formulaGroup, 0, 0);
    layout->addWidget(factorGroup, 0, 1);
    layout->addWidget(sourceGroup, 0, 2);
    layout->addLayout(buttons, 1, 0, 1, 3);
}

void TFSenP1::FormCreate()
{
    ComboBox1->setCurrentIndex(FSession.FSensFactorA);
    ComboBox2->setCurrentIndex(FSession.FSensFactorB);
    ComboBox3->setCurrentIndex(FSession.FSensFactorC);
    FSources->EnableForCharts(FNatal, FTransit, nemra::kSensNatal, nemra::kSensTransit,
                              {nemra::kSensV1, nemra::kSensV1Half, nemra::kSensV1Double, nemra::kSensV2,
                               nemra::kSensV2Half, nemra::kSensV2Double});
    const int kind = std::clamp(FSession.FSensKind, 1, nemra::kSensKindCount);
    FFormulaButtons[static_cast<std::size_t>(kind - 1)]->setChecked(true); // runs FormulaClick
    FSources->SelectStored();
}

void TFSenP1::FormulaClick(int kind)
{
    FSession.FSensKind = kind;
    for (QComboBox* list : {ComboBox1, ComboBox2, ComboBox3})
        list->setEnabled(kind < kFirstOwnFormula);
}

nemra::SensitiveChoice TFSenP1::Choice() const
{
    return {FSession.FSensKind, FSession.FSensSource, ComboBox1->currentIndex(), ComboBox2->currentIndex(),
            ComboBox3->currentIndex()};
}

namespace nemra::ui {

bool ChooseSensitiveIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog)
{
    TFSenP1 dialog(s, parent);
    return RunIndexDialog(dialog, s, runDialog, [&s](const TFSenP1& d) {
        const SensitiveChoice choice = d.Choice();
        RememberSensitiveChoice(s, choice);
        SetSensitiveIndex(s, choice);
    });
}

} // namespace nemra::ui
