// Fonts of the input dialogs: a Thai family shipped with Debian (fonts-thai-tlwg), with the
// usual fallbacks, at a size where Thai vowel and tone marks stay readable.
#pragma once

#include <QFont>
#include <QStringList>

inline QFont ThaiDialogFont(int pointSize = 10, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Tlwg Typo"),
                      QStringLiteral("Noto Sans Thai")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
