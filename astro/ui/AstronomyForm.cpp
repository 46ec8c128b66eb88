#include "astro/ui/AstronomyForm.h"

#include "astro/model/AstroData.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

// Fixed-pitch, so the columns line up; a Thai family whose marks take no column.
QFont ColumnFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Tlwg Mono"), QStringLiteral("Tlwg Typo"), QStringLiteral("Noto Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

QString Joined(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << QString::fromStdString(line);
    return texts.join(QLatin1Char('\n'));
}

QPlainTextEdit* SheetView(QWidget* parent, const char* name, const std::vector<std::string>& lines)
{
    auto* view = new QPlainTextEdit(Joined(lines), parent);
    view->setObjectName(QLatin1String(name));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(ColumnFont());
    return view;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

TAstronomyForm::TAstronomyForm(const nemra::TChartRecord& natal, const nemra::TChartRecord& transit, bool trueNode,
                               QWidget* parent)
    : TReportDialog(parent)
{
    setObjectName(QStringLiteral("AstronomyForm"));
    setWindowTitle(QStringLiteral("ข้อมูลดาราศาสตร์"));
    resize(1180, 640);
    const auto natalLines = nemra::AstroTextLines(nemra::AstroSheetOf(natal, "ดวงกำเนิด", "natal", trueNode));
    const auto transitLines = nemra::AstroTextLines(nemra::AstroSheetOf(transit, "ดวงจร", "transit", trueNode));
    FLines = natalLines;
    FLines.emplace_back();
    FLines.insert(FLines.end(), transitLines.begin(), transitLines.end());

    auto* sides = new QSplitter(Qt::Horizontal, this);
    sides->setObjectName(QStringLiteral("Sides"));
    NatalText = SheetView(sides, "NatalText", natalLines);
    TransitText = SheetView(sides, "TransitText", transitLines);
    sides->addWidget(NatalText);
    sides->addWidget(TransitText);
    CopyBtn = Button(this, "CopyBtn", QStringLiteral("คัดลอก"));
    SaveBtn = Button(this, "SaveBtn", QStringLiteral("บันทึกลงไฟล์"));
    CloseBtn = Button(this, "CloseBtn", QStringLiteral("ปิด"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CopyBtn);
    buttons->addWidget(SaveBtn);
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sides, 1);
    layout->addLayout(buttons);

    connect(CopyBtn, &QPushButton::clicked, this, &TAstronomyForm::CopyClick);
    connect(SaveBtn, &QPushButton::clicked, this, &TAstronomyForm::SaveClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TAstronomyForm::CopyClick()
{
    QApplication::clipboard()->setText(Joined(FLines));
}

void TAstronomyForm::SaveClick()
{
    SaveLinesToFile(FLines, QStringLiteral("บันทึกข้อมูลดาราศาสตร์ลงไฟล์"));
}
