#include "dials/ui/Uselhous.h"

#include "core/FactorCatalogue.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

TFSelHous::TFSelHous(bool natalComputed, bool transitComputed, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("FSelHous");
    auto* label = new QLabel(QStringLiteral("เรือนชะตา"), this);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setToolTip(QStringLiteral("ใช้สกรอลบาร์เลื่อนหาชื่อปัจจัยได้"));
    for (int f = nemra::kMeridian; f <= nemra::kPoseidon; ++f) {
        const std::string_view name = nemra::FactorNamesThai[static_cast<std::size_t>(f)];
        ListBox1->addItem(FromUtf8(name));
    }
    ListBox1->setCurrentRow(0);
    label->setBuddy(ListBox1);

    RadioButton1 = new QRadioButton(QStringLiteral("ดวงกำเนิด"), this);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton2 = new QRadioButton(QStringLiteral("ดวงจร"), this);
    RadioButton2->setObjectName("RadioButton2");
    if (!natalComputed) {
        RadioButton1->setEnabled(false);
        RadioButton2->setChecked(true);
    }
    if (!transitComputed) {
        RadioButton2->setEnabled(false);
        RadioButton1->setChecked(true);
    }
    if (natalComputed && transitComputed)
        RadioButton1->setChecked(true);

    OKBtn = nemra::ui::MakeOkButton(*this, "OKBtn");
    CancelBtn = nemra::ui::MakeCancelButton(*this, "CancelBtn");

    auto* charts = new QHBoxLayout;
    charts->addWidget(RadioButton1);
    charts->addWidget(RadioButton2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ListBox1);
    layout->addLayout(charts);
    layout->addLayout(buttons);
    nemra::ui::FinishDialog(*this, QStringLiteral("เรือนชะตาปัจจัย"), ListBox1);
}

nemra::HouseChoice TFSelHous::Choice() const
{
    return {std::max(ListBox1->currentRow(), 0) + nemra::kMeridian, RadioButton1->isChecked()};
}

namespace nemra::ui {

bool ChooseHouseIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog)
{
    TFSelHous dialog(s.FNatal.Computed, s.FTransit.Computed, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return false;
    SetHouseIndex(s, dialog.Choice());
    return true;
}

} // namespace nemra::ui
