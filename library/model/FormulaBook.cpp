#include "library/model/FormulaBook.h"

#include "core/FactorCatalogue.h"
#include "core/ThaiText.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace nemra {
namespace {

constexpr int kLastBookFactor = 21; // Ketu has no entries

struct Token {
    std::string op; // "/", "//", "=", "+", "-", or empty for a factor
    int factor = -1;
};

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::optional<int> FactorOfCode(std::string_view code)
{
    for (int f = 0; f <= kLastBookFactor; ++f) {
        const std::string_view known = FactorCode[static_cast<std::size_t>(f)];
        if (code.size() == 2 && Lower(code[0]) == Lower(known[0]) && Lower(code[1]) == Lower(known[1]))
            return f;
    }
    return std::nullopt;
}

std::string Code(int f)
{
    return std::string(FactorCode[static_cast<std::size_t>(f)]);
}

BookKeyParse Refused(std::string why)
{
    return {std::nullopt, std::move(why)};
}

// The tokens of a key: factor codes and operators, blanks ignored.
std::optional<std::vector<Token>> Tokens(std::string_view text, std::string& error)
{
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            ++i;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            tokens.push_back({"//"});
            i += 2;
        } else if (c == '/' || c == '=' || c == '+' || c == '-') {
            tokens.push_back({std::string(1, c)});
            ++i;
        } else {
            const std::string_view code = text.substr(i, 2);
            const auto f = FactorOfCode(code);
            if (!f) {
                // Named by its first two characters, not bytes: a Thai letter takes three.
                error = "ไม่รู้จักรหัสปัจจัย \"" + CutToChars(text.substr(i), 2) + "\"";
                return std::nullopt;
            }
            tokens.push_back({{}, *f});
            i += 2;
        }
    }
    return tokens;
}

std::string Pair(int a, int b)
{
    return Code(std::min(a, b)) + "/" + Code(std::max(a, b));
}

std::string SortedJoin(std::vector<int> factors, const char* op)
{
    std::sort(factors.begin(), factors.end());
    std::string out;
    for (const int f : factors)
        out += (out.empty() ? "" : op) + Code(f);
    return out;
}

// An equation of two points, each a factor or a midpoint (second < 0 for a factor).
std::string Equation(std::pair<int, int> x, std::pair<int, int> y)
{
    const auto norm = [](std::pair<int, int> p) {
        return p.second < 0 ? p : std::pair{std::min(p.first, p.second), std::max(p.first, p.second)};
    };
    x = norm(x);
    y = norm(y);
    const bool xPair = x.second >= 0;
    const bool yPair = y.second >= 0;
    if ((yPair && !xPair) || (xPair == yPair && y < x))
        std::swap(x, y);
    const auto text = [](std::pair<int, int> p) { return p.second < 0 ? Code(p.first) : Pair(p.first, p.second); };
    return text(x) + "=" + text(y);
}

BookKeyParse PictureKey(const std::vector<Token>& tokens)
{
    std::vector<int> factors;
    std::string ops;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const bool wantFactor = i % 2 == 0;
        if (wantFactor != tokens[i].op.empty())
            return Refused("รหัสปัจจัยกับเครื่องหมายต้องเรียงสลับกัน");
        if (wantFactor)
            factors.push_back(tokens[i].factor);
        else
            ops += tokens[i].op == "//" ? "#" : tokens[i].op;
    }
    if (tokens.empty() || tokens.back().factor < 0)
        return Refused("สูตรต้องลงท้ายด้วยรหัสปัจจัย");
    if (std::set<int>(factors.begin(), factors.end()).size() != factors.size())
        return Refused("มีปัจจัยซ้ำในสูตร");
    const auto& f = factors;
    std::string key;
    if (ops == "=")
        key = SortedJoin(f, "=");
    else if (ops == "/=")
        key = Equation({f[0], f[1]}, {f[2], -1});
    else if (ops == "=/")
        key = Equation({f[0], -1}, {f[1], f[2]});
    else if (ops == "/=/")
        key = Equation({f[0], f[1]}, {f[2], f[3]});
    else if (ops == "/#")
        key = Pair(f[0], f[1]) + "//" + Code(f[2]);
    else if (ops == "#/")
        key = Pair(f[1], f[2]) + "//" + Code(f[0]);
    else if (ops.size() == 2 && ops.find_first_not_of("+-") == std::string::npos) {
        // A signed sum of three factors: the first counts as added.
        std::vector<int> plus = {f[0]};
        std::vector<int> minus;
        for (std::size_t i = 0; i < 2; ++i)
            (ops[i] == '+' ? plus : minus).push_back(f[i + 1]);
        key = SortedJoin(plus, "+");
        if (!minus.empty())
            key.append("-").append(SortedJoin(minus, "-"));
    } else {
        return Refused("สูตรต้องอยู่ในรูป A=B, A/B=C, A/B=C/D, A+B-C, A+B+C, A-B-C หรือ A/B//C");
    }
    return {BookKey{BookKind::Pictures, key}, {}};
}

// "SU H7": a factor code, then H and the house.
std::optional<BookKeyParse> HouseKeyOf(std::string_view text)
{
    std::string t;
    for (const char c : text)
        if (c != ' ' && c != '\t')
            t += c;
    if (t.size() < 4 || t.size() > 5 || Lower(t[2]) != 'h')
        return std::nullopt;
    const auto f = FactorOfCode(std::string_view(t).substr(0, 2));
    if (!f)
        return Refused("ไม่รู้จักรหัสปัจจัย \"" + t.substr(0, 2) + "\"");
    const std::string digits = t.substr(3);
    if (!std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int house = std::stoi(digits);
    if (house < 1 || house > 12)
        return Refused("เรือนต้องอยู่ระหว่าง 1 ถึง 12");
    return BookKeyParse{BookKey{BookKind::Houses, HouseKey(*f, house)}, {}};
}

std::vector<std::string_view> SplitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool Blank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::string LowerAscii(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

} // namespace

BookKeyParse NormaliseBookKey(std::string_view text)
{
    if (Blank(text))
        return Refused("ยังไม่ได้ระบุสูตร");
    if (auto house = HouseKeyOf(text))
        return *house;
    std::string error;
    const auto tokens = Tokens(text, error);
    if (!tokens)
        return Refused(error);
    return PictureKey(*tokens);
}

std::string PictureKeyOfPoints(int a1, int a2, int b1, int b2)
{
    for (const int f : {a1, a2, b1, b2})
        if (f > kLastBookFactor)
            return {};
    if (a1 < 0 || b1 < 0)
        return {};
    const std::pair<int, int> x{a1, a2 < 0 ? -1 : a2};
    const std::pair<int, int> y{b1, b2 < 0 ? -1 : b2};
    if (x.second < 0 && y.second < 0)
        return SortedJoin({a1, b1}, "=");
    return Equation(x, y);
}

std::string HitPictureKey(const HitPoint& studied, const HitPoint& hit)
{
    const auto& f = hit.factors;
    for (const int factor : f)
        if (factor < 0 || factor > kLastBookFactor)
            return {};
    std::string written;
    switch (hit.kind) {
    case 5:
        written = Code(f[0]) + "+" + Code(f[1]) + "-" + Code(f[2]);
        break;
    case 6:
        written = Code(f[0]) + "+" + Code(f[1]) + "+" + Code(f[2]);
        break;
    case 7:
        written = Code(f[0]) + "-" + Code(f[1]) + "-" + Code(f[2]);
        break;
    case 8:
        written = Code(f[0]) + "/" + Code(f[1]) + "//" + Code(f[2]);
        break;
    case 1:
    case 3: {
        const auto& s = studied.factors;
        if (studied.kind != 1 && studied.kind != 3)
            return {};
        return PictureKeyOfPoints(s[0], studied.kind == 3 ? s[1] : -1, f[0], hit.kind == 3 ? f[1] : -1);
    }
    default:
        return {};
    }
    const BookKeyParse parsed = NormaliseBookKey(written);
    return parsed.key ? parsed.key->key : std::string();
}

std::string HouseKey(int factor, int house)
{
    return Code(std::clamp(factor, 0, kLastBookFactor)) + " H" + std::to_string(house);
}

BookTextPlan ParseBookText(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3); // a byte-order mark
    BookTextPlan plan;
    const std::vector<std::string_view> lines = SplitLines(bytes);
    std::set<std::pair<int, std::string>> seen;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (Blank(lines[i]) || lines[i].front() == '#') {
            ++i;
            continue;
        }
        const int first = static_cast<int>(i) + 1;
        const std::string_view keyLine = lines[i++];
        std::string text;
        for (; i < lines.size() && !Blank(lines[i]); ++i)
            text.append(text.empty() ? "" : "\n").append(lines[i]);
        const auto fault = [&](std::string reason) { plan.faults.push_back({first, std::move(reason)}); };
        const BookKeyParse key = NormaliseBookKey(keyLine);
        if (!key.key) {
            fault("สูตรไม่ถูกต้อง: " + key.error);
        } else if (!IsValidUtf8(text)) {
            fault("ข้อความไม่ใช่ UTF-8");
        } else if (text.empty()) {
            fault("สูตรไม่มีข้อความ");
        } else if (!seen.insert({static_cast<int>(key.key->book), key.key->key}).second) {
            fault("สูตร " + key.key->key + " มีซ้ำในไฟล์");
        } else {
            plan.entries.push_back({key.key->book, key.key->key, text});
        }
    }
    return plan;
}

std::string BookText(std::span<const BookEntry> entries)
{
    std::string out;
    for (const BookEntry& e : entries) {
        if (!out.empty())
            out += "\n";
        out += e.key + "\n" + e.text + "\n";
    }
    return out;
}

bool BookEntryMatches(const BookEntry& entry, std::string_view search)
{
    const std::string haystack = LowerAscii(entry.key) + "\n" + LowerAscii(entry.text);
    std::size_t start = 0;
    const std::string needle = LowerAscii(search);
    while (start < needle.size()) {
        const std::size_t end = std::min(needle.find(' ', start), needle.size());
        if (end > start && haystack.find(needle.substr(start, end - start)) == std::string::npos)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace nemra
