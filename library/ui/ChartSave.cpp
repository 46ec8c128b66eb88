#include "library/ui/ChartSave.h"

#include "input/ui/InputDialogKit.h"
#include "library/ui/LibraryDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TChartSave::TChartSave(nemra::ChartStore& store, const nemra::TChartInput& chart, const QString& title, QWidget* parent)
    : QDialog(parent)
    , FStore(store)
    , FChart(chart)
{
    setObjectName(QStringLiteral("ChartSave"));
    setWindowTitle(title);
    setFont(ThaiDialogFont(9));
    ChartTexts = new QLabel(ChartTextsLine(chart), this);
    ChartTexts->setObjectName(QStringLiteral("ChartTexts"));
    ChartTexts->setWordWrap(true);
    NameEdit = MakeEdit(this, "NameEdit");
    NameEdit->setMaxLength(static_cast<int>(decltype(chart.Name)::capacity));
    NameEdit->setText(FromUtf8(chart.Name.str()));
    NameEdit->setToolTip(QStringLiteral("ไม่เกิน 30 ตัวอักษร"));
    GroupCombo = MakeGroupCombo(this, store);
    NoteEdit = new QPlainTextEdit(this);
    NoteEdit->setObjectName(QStringLiteral("NoteEdit"));
    NoteEdit->setTabChangesFocus(true);
    SaveBtn = new QPushButton(QStringLiteral("บันทึก"), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    SaveBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("ยกเลิก"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChartTexts);
    auto* form = new QFormLayout;
    AddNamedRow(form, QStringLiteral("นาม"), NameEdit);
    AddNamedRow(form, QStringLiteral("กลุ่ม"), GroupCombo);
    AddNamedRow(form, QStringLiteral("หมายเหตุ"), NoteEdit);
    layout->addLayout(form, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CancelBtn);
    layout->addLayout(buttons);
    resize(460, 320);

    connect(SaveBtn, &QPushButton::clicked, this, &TChartSave::SaveBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    NameEdit->setFocus();
}

void TChartSave::SaveBtnClick()
{
    nemra::ChartDraft draft{FChart, NoteEdit->toPlainText().toStdString(), GroupCombo->currentText().toStdString()};
    draft.input.Name = NameEdit->text().toStdString();
    auto saved = FStore.Add(draft, nemra::IfNameExists::Ask);
    if (!saved && saved.fault().kind == nemra::StoreFaultKind::NameExists) {
        const auto choice = AskNameExists(NameEdit->text());
        if (!choice)
            return;
        saved = FStore.Add(draft, *choice);
    }
    if (!saved) {
        ShowError(FromUtf8(saved.fault().reason));
        return;
    }
    FSavedId = *saved;
    accept();
}

std::optional<nemra::IfNameExists> TChartSave::AskNameExists(const QString& name)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("โปรดยืนยัน!"),
                    QStringLiteral("มีดวงชะตาชื่อ \"%1\" เก็บไว้แล้ว จะแทนที่ดวงเดิม หรือเก็บไว้ทั้งสองดวง?").arg(name),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("NameExists"));
    QPushButton* replace = box.addButton(QStringLiteral("แทนที่ดวงเดิม"), QMessageBox::AcceptRole);
    replace->setObjectName(QStringLiteral("ReplaceBtn"));
    QPushButton* both = box.addButton(QStringLiteral("เก็บไว้ทั้งสองดวง"), QMessageBox::AcceptRole);
    both->setObjectName(QStringLiteral("KeepBothBtn"));
    box.addButton(QStringLiteral("ยกเลิก"), QMessageBox::RejectRole)->setObjectName(QStringLiteral("CancelBtn"));
    box.exec();
    if (box.clickedButton() == replace)
        return nemra::IfNameExists::Replace;
    if (box.clickedButton() == both)
        return nemra::IfNameExists::KeepBoth;
    return std::nullopt;
}

void TChartSave::ShowError(const QString& text)
{
    ShowLibraryError(this, text);
}
