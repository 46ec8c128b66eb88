// Small pieces the input dialogs share: their Thai font, UTF-8 texts of the model as Qt
// strings, and the current directory where the city file is looked for first.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <system_error>

// A Thai family shipped with Debian (fonts-thai-tlwg), with the usual fallbacks, at a size
// where Thai vowel and tone marks stay readable.
inline QFont ThaiDialogFont(int pointSize = 10, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Tlwg Typo"),
                      QStringLiteral("Noto Sans Thai")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

inline QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The current directory, or "." when the system cannot name it.
inline std::filesystem::path CurrentDirectory()
{
    std::error_code ec;
    auto dir = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : dir;
}
