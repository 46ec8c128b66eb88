#include "library/ui/LibraryDialogKit.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace nemra::ui {

QString ChartTextsLine(const nemra::TChartInput& chart)
{
    return QStringLiteral("วันที่ %1  เวลา %2  เขตเวลา %3  แลตติจูด %4  ลองกิจูด %5  จังหวัด/เมือง %6")
        .arg(FromUtf8(chart.Date.str()), FromUtf8(chart.Time.str()), FromUtf8(chart.TimeZone.str()),
             FromUtf8(chart.Latitude.str()), FromUtf8(chart.Longitude.str()), FromUtf8(chart.Place.str()));
}

QComboBox* MakeGroupCombo(QWidget* parent, const nemra::ChartStore& store)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("GroupCombo"));
    combo->setEditable(true);
    QStringList groups{QString(), QStringLiteral("ลูกค้า"), QStringLiteral("ครอบครัว"), QStringLiteral("เหตุการณ์")};
    if (const auto stored = store.Groups())
        for (const std::string& group : *stored)
            if (!groups.contains(FromUtf8(group)))
                groups << FromUtf8(group);
    combo->addItems(groups);
    combo->lineEdit()->setMaxLength(static_cast<int>(nemra::kGroupChars));
    return combo;
}

void AddNamedRow(QFormLayout* form, const QString& text, QWidget* field)
{
    auto* label = new QLabel(text, field->parentWidget());
    label->setObjectName(field->objectName() + QStringLiteral("Label"));
    label->setBuddy(field);
    form->addRow(label, field);
}

bool AskYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("โปรดยืนยัน!"), question, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("Confirm"));
    QPushButton* yes = box.addButton(QStringLiteral("ใช่"), QMessageBox::AcceptRole);
    yes->setObjectName(QStringLiteral("ConfirmYes"));
    QPushButton* no = box.addButton(QStringLiteral("ไม่ใช่"), QMessageBox::RejectRole);
    no->setObjectName(QStringLiteral("ConfirmNo"));
    box.setDefaultButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void ShowLibraryError(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorMessage"));
    box.exec();
}

void ShowLibraryInfo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, parent ? parent->windowTitle() : QString(), text, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("InfoMessage"));
    box.exec();
}

} // namespace nemra::ui
