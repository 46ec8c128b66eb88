#include "ui/common/DialFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

// The resource lives in a static library, so it must be initialised by name from code
// outside any namespace.
static void InitDialFontResource()
{
    Q_INIT_RESOURCE(dial_fonts);
}

namespace nemra::ui {
namespace {

bool RegisterOnce()
{
    InitDialFontResource();
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/Zodiglyph.ttf"));
    return id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QString::fromLatin1(kGlyphFontFamily));
}

int PixelsOfPoints(int points)
{
    return (points * 96 + 36) / 72;
}

} // namespace

bool RegisterDialFonts()
{
    if (QGuiApplication::instance() == nullptr)
        return false;
    static const bool registered = RegisterOnce();
    return registered;
}

QFont GlyphFont(int pointSize)
{
    QFont font(QString::fromLatin1(kGlyphFontFamily));
    font.setPixelSize(PixelsOfPoints(pointSize));
    return font;
}

QFont DialTextFont(int pixelSize)
{
    QFont font(QString::fromLatin1(kDialTextFontFamily));
    font.setPixelSize(pixelSize);
    return font;
}

QFont PaperFont(QFont font)
{
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setKerning(false);
    return font;
}

} // namespace nemra::ui
