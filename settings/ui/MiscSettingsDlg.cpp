#include "settings/ui/MiscSettingsDlg.h"

#include "charts/ui/ChartDialog.h"
#include "settings/model/IniFile.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The reflection counts in the order of the main window's list, with its texts.
constexpr int kContraciaValues[] = {21, 5, 0};
const char* const kContraciaTexts[] = {"จุดสะท้อนทั้งหมด", "จุดสะท้อนเจ้าชะตา", "ไม่แสดงจุดสะท้อน"};

// A framed group of two exclusive choices, the first or the second checked.
QGroupBox* ChoiceGroup(QWidget* parent, const char* name, const QString& title, QRadioButton* first,
                       QRadioButton* second, bool firstChecked)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    first->setParent(group);
    second->setParent(group);
    layout->addWidget(first);
    layout->addWidget(second);
    (firstChecked ? first : second)->setChecked(true);
    return group;
}

} // namespace

TMiscSettingsDlg::TMiscSettingsDlg(const nemra::StartSettings& inForce, std::string iniPath, ApplyFn apply,
                                   QWidget* parent)
    : QDialog(parent)
    , FInForce(inForce)
    , FIniPath(std::move(iniPath))
    , FApply(std::move(apply))
{
    setObjectName(QStringLiteral("MiscSettingsDlg"));
    setWindowTitle(QStringLiteral("ตัวเลือกอื่นๆ"));
    setFont(ThaiDialogFont(9));

    Dial360 = MakeRadio(this, "Dial360", QStringLiteral("จาน 360 องศา"));
    Dial90 = MakeRadio(this, "Dial90", QStringLiteral("จาน 90 องศา"));
    AriesAxis = MakeRadio(this, "AriesAxis", QStringLiteral("เมษ-ตุลย์"));
    CancerAxis = MakeRadio(this, "CancerAxis", QStringLiteral("กรกฎ-มกร"));
    TrueNodeBox = new QCheckBox(QStringLiteral("ใช้ราหูจริงแทนราหูเฉลี่ย"), this);
    TrueNodeBox->setObjectName(QStringLiteral("TrueNodeBox"));
    TrueNodeBox->setChecked(inForce.trueNode);
    ContraciaList = new QComboBox(this);
    ContraciaList->setObjectName(QStringLiteral("ContraciaList"));
    for (std::size_t i = 0; i < std::size(kContraciaValues); ++i) {
        ContraciaList->addItem(QString::fromUtf8(kContraciaTexts[i]));
        if (kContraciaValues[i] == inForce.maxContracia)
            ContraciaList->setCurrentIndex(static_cast<int>(i));
    }
    OKBtn = MakeButton(this, "OKBtn", QStringLiteral("ตกลง"));
    OKBtn->setDefault(true);
    CancelBtn = MakeButton(this, "CancelBtn", QStringLiteral("ยกเลิก"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* contracia = new QHBoxLayout;
    contracia->addWidget(MakeLabel(this, "ContraciaLabel", QStringLiteral("แสดงจุดสะท้อน")));
    contracia->addWidget(ContraciaList, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        ChoiceGroup(this, "DialTypeGroup", QStringLiteral("ชนิดจานหมุน"), Dial360, Dial90, inForce.dialType == 360));
    layout->addWidget(
        ChoiceGroup(this, "AxisGroup", QStringLiteral("แกนจุดสะท้อน"), AriesAxis, CancerAxis, inForce.axis == 360));
    layout->addWidget(TrueNodeBox);
    layout->addLayout(contracia);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

nemra::StartSettings TMiscSettingsDlg::Settings() const
{
    nemra::StartSettings s = FInForce;
    s.dialType = Dial360->isChecked() ? nemra::kDial360 : nemra::kDial90;
    s.axis = AriesAxis->isChecked() ? nemra::kAxisAriesLibra : nemra::kAxisCancerCapricorn;
    s.trueNode = TrueNodeBox->isChecked();
    s.maxContracia = kContraciaValues[std::max(0, ContraciaList->currentIndex())];
    return s;
}

void TMiscSettingsDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        const nemra::StartSettings settings = Settings();
        const nemra::Result<> written = nemra::WriteIniEntries(FIniPath, nemra::MiscSettingsEntries(settings));
        if (!written) {
            ShowError(FromUtf8("บันทึกไฟล์ " + FIniPath + " ไม่สำเร็จ: " + written.fault().reason));
            return;
        }
        if (FApply)
            FApply(settings);
    }
    QDialog::done(result);
}

void TMiscSettingsDlg::ShowError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
