#include "dials/ui/Uuserp1.h"

#include "core/ThaiText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Accepts only names the Thai code page can store, so the name reaches the report files whole.
class ThaiCodePageValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override
    {
        return nemra::IsCp874Text(input.toStdString()) ? Acceptable : Invalid;
    }
};

QSpinBox* MakeSpinEdit(QWidget* parent, const char* name, int maximum)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(0, maximum);
    spin->setValue(0);
    return spin;
}

} // namespace

TFUserP1::TFUserP1(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("FUserP1");
    Edit1 = new QLineEdit(QString::fromUtf8(nemra::kUserPointDefaultName), this);
    Edit1->setObjectName("Edit1");
    Edit1->setValidator(new ThaiCodePageValidator(Edit1));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({QStringLiteral("เมษ"), QStringLiteral("พฤษภ"), QStringLiteral("เมถุน"), QStringLiteral("กรกฎ"),
                         QStringLiteral("สิงห์"), QStringLiteral("กันย์"), QStringLiteral("ตุลย์"), QStringLiteral("พิจิก"),
                         QStringLiteral("ธนู"), QStringLiteral("มกร"), QStringLiteral("กุมภ์"), QStringLiteral("มีน")});
    ComboBox1->setMaxVisibleItems(12);
    ComboBox1->setCurrentIndex(0);
    SpinEdit1 = MakeSpinEdit(this, "SpinEdit1", 29);
    SpinEdit2 = MakeSpinEdit(this, "SpinEdit2", 59);
    OKBtn = nemra::ui::MakeOkButton(*this, "OKBtn");
    CancelBtn = nemra::ui::MakeCancelButton(*this, "CancelBtn");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ชื่อจุด/ปัจจัย"), Edit1);
    form->addRow(QStringLiteral("ราศี"), ComboBox1);
    form->addRow(QStringLiteral("องศา"), SpinEdit1);
    form->addRow(QStringLiteral("ลิบดา"), SpinEdit2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    nemra::ui::FinishDialog(*this, QStringLiteral("จุดกำหนดเอง"), OKBtn);
}

nemra::UserPointChoice TFUserP1::Choice() const
{
    return {Edit1->text().toStdString(), ComboBox1->currentIndex(), SpinEdit1->value(), SpinEdit2->value()};
}

namespace nemra::ui {

bool ChooseUserIndex(QWidget* parent, DialSession& s, const RunDialogFn& runDialog)
{
    TFUserP1 dialog(parent);
    return RunIndexDialog(dialog, s, runDialog, [&s](const TFUserP1& d) { SetUserIndex(s, d.Choice()); });
}

} // namespace nemra::ui
