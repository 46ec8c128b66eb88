#include "ui/common/ThaiFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace nemra::ui {
namespace {

// The first installed family of a list of preferences.
QString FirstInstalled(const QStringList& families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    return families.constFirst();
}

QFont MakeFont(const QStringList& families, int pixelSize, bool bold)
{
    QFont font(FirstInstalled(families));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont LabelFont(int pixelSize, bool bold)
{
    static const QStringList kFamilies = {"Noto Sans Thai", "Loma", "Garuda", "Tlwg Typo"};
    return MakeFont(kFamilies, pixelSize, bold);
}

QFont DialogFont(int pixelSize, bool bold)
{
    static const QStringList kFamilies = {"Noto Sans Thai UI", "Noto Sans Thai", "Loma", "Garuda"};
    return MakeFont(kFamilies, pixelSize, bold);
}

} // namespace nemra::ui
