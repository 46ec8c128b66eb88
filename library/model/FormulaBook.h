// The formula book: the user's texts for planetary pictures and for factors in houses, kept
// in the chart library's database. Here the keys, their normal form (so that every way of
// writing one picture finds the same entry) and the UTF-8 text form of a book for import and
// export. Qt-free and without SQL; ChartStore stores the entries.
//
// Picture keys are made of the factor codes ("SU", "MO", "Me" ... "Po", case ignored):
//   A=B      A/B=C    A/B=C/D   (midpoints equal a factor or another midpoint)
//   A+B-C    A+B+C    A-B-C     A/B//C
// House keys are a factor code and a house: "SU H7" (houses 1..12).
//
// The text form: one entry per block, blocks separated by blank lines; the key on the
// block's first line, the entry's text on the lines after it. A line starting with "#"
// between blocks is a comment.
#pragma once

#include "reports/model/HitSearch.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nemra {

enum class BookKind { Pictures = 1, Houses = 2 };

struct BookKey {
    BookKind book = BookKind::Pictures;
    std::string key; // the normal form
};

struct BookKeyParse {
    std::optional<BookKey> key;
    std::string error; // why the key was refused, when it was
};

// A key of either book in its normal form: the factors of each commutative part in factor
// order, the two sides of "=" with a midpoint side first (two sides of one shape in factor
// order), codes written as the factor catalogue writes them.
BookKeyParse NormaliseBookKey(std::string_view text);

// The picture key of two points that stand on each other: each point a factor (a < 0 for
// none) or the midpoint of two. Empty when the factors are out of range.
std::string PictureKeyOfPoints(int a1, int a2, int b1, int b2);
// The picture a hit-point report row lists: a three-factor hit is its own picture
// (A+B-C ...); a factor or midpoint hit on a studied factor or midpoint makes the picture of
// the two (A=B, A/B=C, A/B=C/D). Empty for the others (reflections, mixed points).
std::string HitPictureKey(const HitPoint& studied, const HitPoint& hit);

// The key of a house entry.
std::string HouseKey(int factor, int house);

struct BookEntry {
    BookKind book = BookKind::Pictures;
    std::string key;
    std::string text;
    friend bool operator==(const BookEntry&, const BookEntry&) = default;
};

struct BookBlockFault {
    int line = 0; // first line of the block, from 1
    std::string reason;
};

struct BookTextPlan {
    std::vector<BookEntry> entries;
    std::vector<BookBlockFault> faults;
};

// Reads the text form. A block with a malformed key, no text, text that is no UTF-8 or a
// key given twice in the file is listed with its line and left out.
BookTextPlan ParseBookText(std::string_view bytes);

// The text form of the entries, in their order.
std::string BookText(std::span<const BookEntry> entries);

// Whether an entry's key or text holds every word of `search` (blanks separate words;
// Latin letters compared without case).
bool BookEntryMatches(const BookEntry& entry, std::string_view search);

} // namespace nemra
