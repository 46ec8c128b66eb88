#include "atlas/ui/AtlasSearch.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

constexpr int kShownPlaces = 100;

} // namespace

TAtlasDialog::TAtlasDialog(const std::filesystem::path& atlasFile, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TAtlasDialog"));
    setWindowTitle(QStringLiteral("ค้นหาเมืองทั่วโลก"));
    AtlasEdit = new QLineEdit(this);
    AtlasEdit->setObjectName(QStringLiteral("AtlasEdit"));
    AtlasEdit->setPlaceholderText(QStringLiteral("ชื่อเมืองภาษาไทยหรืออังกฤษ ตามด้วย , และประเทศได้ เช่น ปารีส, ฝรั่งเศส"));
    AtlasList = new QTableWidget(0, 3, this);
    AtlasList->setObjectName(QStringLiteral("AtlasList"));
    AtlasList->setHorizontalHeaderLabels({QStringLiteral("ชื่อ"), QStringLiteral("ประเทศ"), QStringLiteral("เขตเวลา")});
    AtlasList->setSelectionBehavior(QAbstractItemView::SelectRows);
    AtlasList->setSelectionMode(QAbstractItemView::SingleSelection);
    AtlasList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AtlasList->verticalHeader()->hide();
    AtlasList->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    AtlasStatus = new QLabel(this);
    AtlasStatus->setObjectName(QStringLiteral("AtlasStatus"));
    AtlasOk = new QPushButton(QStringLiteral("ตกลง"), this);
    AtlasOk->setObjectName(QStringLiteral("AtlasOk"));
    AtlasOk->setDefault(true);
    AtlasCancel = new QPushButton(QStringLiteral("ยกเลิก"), this);
    AtlasCancel->setObjectName(QStringLiteral("AtlasCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AtlasEdit);
    layout->addWidget(AtlasList, 1);
    layout->addWidget(AtlasStatus);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AtlasOk);
    buttons->addWidget(AtlasCancel);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(AtlasEdit, &QLineEdit::textChanged, this, &TAtlasDialog::AtlasEditChange);
    connect(AtlasList, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(AtlasOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(AtlasCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto opened = nemra::Atlas::Open(atlasFile);
    if (opened.atlas) {
        FAtlas = std::move(opened.atlas);
    } else {
        AtlasStatus->setText(FromUtf8(opened.failure));
        AtlasEdit->setEnabled(false);
    }
    AtlasOk->setEnabled(false);
}

void TAtlasDialog::AtlasEditChange(const QString& text)
{
    FPlaces = FAtlas ? FAtlas->Search(text.toStdString(), kShownPlaces) : std::vector<nemra::AtlasPlace>{};
    AtlasList->setRowCount(static_cast<int>(FPlaces.size()));
    for (int row = 0; row < AtlasList->rowCount(); ++row) {
        const nemra::AtlasPlace& place = FPlaces[static_cast<std::size_t>(row)];
        const std::string name = place.thai.empty() ? place.name : place.thai + " (" + place.name + ")";
        const std::string country = place.country.thai.empty() ? place.country.name : place.country.thai;
        const std::string cells[] = {name, country, place.zone};
        for (int column = 0; column < 3; ++column)
            AtlasList->setItem(row, column, new QTableWidgetItem(FromUtf8(cells[column])));
    }
    if (!FPlaces.empty())
        AtlasList->selectRow(0);
    AtlasOk->setEnabled(!FPlaces.empty());
    if (FAtlas)
        AtlasStatus->setText(text.trimmed().isEmpty() ? QString() : QStringLiteral("พบ %1 แห่ง").arg(FPlaces.size()));
}

std::optional<nemra::AtlasPlace> TAtlasDialog::Chosen() const
{
    const int row = AtlasList->currentRow();
    if (row < 0 || row >= static_cast<int>(FPlaces.size()))
        return std::nullopt;
    return FPlaces[static_cast<std::size_t>(row)];
}

std::optional<nemra::AtlasPlace> ChooseAtlasPlace(QWidget* parent)
{
    TAtlasDialog dialog(nemra::ProgramAtlasFile(std::getenv), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}
