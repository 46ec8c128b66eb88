#include "dials/ui/DialControls.h"

#include "core/FactorCatalogue.h"
#include "ui/common/QtText.h"
#include "ui/common/ThaiFonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace nemra::ui {
namespace {

constexpr const char* kAriesPointEntry = "จุดเมษ";

} // namespace

QStringList ChoosableFactorNames()
{
    QStringList names{QString::fromUtf8(kAriesPointEntry)};
    for (int f = kMeridian; f <= kPoseidon; ++f)
        names << FromUtf8(FactorNamesThai[static_cast<std::size_t>(f)]);
    return names;
}

QComboBox* MakeFactorList(QWidget* parent, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(ChoosableFactorNames());
    list->setMaxVisibleItems(22);
    return list;
}

QPushButton* MakeOkButton(QDialog& dialog, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("ตกลง"), &dialog);
    button->setObjectName(name);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

QPushButton* MakeCancelButton(QDialog& dialog, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("ยกเลิก"), &dialog);
    button->setObjectName(name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

void FinishDialog(QDialog& dialog, const QString& caption, QWidget* active)
{
    dialog.setWindowTitle(caption);
    dialog.setFont(DialogFont());
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog.adjustSize();
    if (const QScreen* screen = dialog.screen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    active->setFocus();
}

SourceButtons::SourceButtons(QGroupBox* group, int firstButtonNumber, const std::vector<Entry>& entries, int& stored)
    : FStored(stored)
{
    auto* layout = new QVBoxLayout(group);
    int number = firstButtonNumber;
    for (const Entry& entry : entries) {
        auto* button = new QRadioButton(QString::fromUtf8(entry.caption), group);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(number++));
        button->setEnabled(false);
        layout->addWidget(button);
        const int value = entry.value;
        QObject::connect(button, &QRadioButton::toggled, button, [target = &stored, value](bool on) {
            if (on)
                *target = value;
        });
        FButtons[value] = button;
    }
}

QRadioButton* SourceButtons::button(int value) const
{
    const auto it = FButtons.find(value);
    return it == FButtons.end() ? nullptr : it->second;
}

void SourceButtons::EnableForCharts(bool natal, bool transit, int natalValue, int transitValue,
                                    const std::vector<int>& directed)
{
    if (natal) {
        button(natalValue)->setEnabled(true);
        if (!transit)
            button(natalValue)->setChecked(true);
    }
    if (transit) {
        button(transitValue)->setEnabled(true);
        if (!natal)
            button(transitValue)->setChecked(true);
    }
    if (natal && transit)
        for (int value : directed)
            button(value)->setEnabled(true);
}

void SourceButtons::SelectStored()
{
    if (QRadioButton* stored = button(FStored))
        stored->setChecked(true);
}

} // namespace nemra::ui
