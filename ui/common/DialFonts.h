// The fonts of the dial: the glyph font built into the program, and the Thai text font of
// the titles, captions and house numbers. Sizes are pixel sizes (the design's point sizes
// at 96 dots per inch), so the dial looks the same on every screen.
#pragma once

#include <QFont>

namespace nemra::ui {

inline constexpr const char* kGlyphFontFamily = "Zodiglyph";
// A Thai face of the fonts-thai-tlwg package, narrow enough for the title lines.
inline constexpr const char* kDialTextFontFamily = "Loma";

// Makes the glyph font built into the program known to the font database (once; later
// calls repeat the first result). Needs a QGuiApplication. False when the font could not
// be registered: the dial then shows whatever font the system substitutes.
bool RegisterDialFonts();

// The glyph font at a design point size (16 for factor glyphs, 18 for signs and markers).
QFont GlyphFont(int pointSize);
// The Thai text font at a pixel size.
QFont DialTextFont(int pixelSize);

// `font` set without glyph substitutions, for paper: a PDF maps each glyph it embeds back to
// one character only when the glyph is the font's own for that character, so Thai text
// shaped with substituted marks loses them when searched or copied. The Thai text font
// places its marks well without substitutions.
QFont PaperFont(QFont font);

} // namespace nemra::ui
