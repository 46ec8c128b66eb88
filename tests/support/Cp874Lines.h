// The lines of a text file the program saved in the Thai code page with CR LF line ends,
// read back as Unicode.
#pragma once

#include "core/ThaiText.h"

#include <QString>
#include <QStringList>

#include <fstream>
#include <sstream>

namespace nemra::test {

// Split at every CR LF: a file ending in CR LF gives an empty last element.
inline QStringList Cp874Lines(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return QString::fromStdString(FromCp874(bytes.str())).split(QStringLiteral("\r\n"));
}

// The lines of the text, without the empty element after a final CR LF.
inline QStringList Cp874TextLines(const QString& path)
{
    QStringList lines = Cp874Lines(path);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace nemra::test
