#include "library/model/StoredChart.h"

#include "core/ChartRecord.h"
#include "core/ThaiText.h"

#include <cmath>
#include <cstdio>

namespace nemra {
namespace {

// Thai labels of the texts, as the input dialog names them.
constexpr const char* kLabels[7] = {"นาม", "วันที่", "เวลา", "เขตเวลา", "แลตติจูด", "ลองกิจูด", "จังหวัด/เมือง"};
constexpr const char* kNoteLabel = "หมายเหตุ";
constexpr const char* kGroupLabel = "กลุ่ม";

StoreFault Refusal(std::string reason)
{
    return {StoreFaultKind::Refused, std::move(reason), {}};
}

// The first character of a UTF-8 text that the Thai code page cannot store, or nothing;
// a malformed byte sequence counts as such a character.
std::optional<std::string> FirstForeignCharacter(std::string_view text)
{
    if (IsCp874Text(text)) // the usual case, checked in one pass
        return std::nullopt;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        const std::string_view one = text.substr(at, length);
        if (!IsCp874Text(one))
            return IsValidUtf8(one) ? std::string(one) : std::string("\xEF\xBF\xBD"); // U+FFFD
        at += length;
    }
    return std::nullopt;
}

bool HasLineBreakOrControl(std::string_view text, bool allowLineBreaks)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
        if ((u < 0x20 || u == 0x7F) && !(allowLineBreaks && lineBreak))
            return true;
    }
    return false;
}

StoreResult<Done> CheckText(std::string_view text, const char* label, bool allowLineBreaks, std::size_t maxChars)
{
    if (const auto foreign = FirstForeignCharacter(text))
        return Refusal(std::string(label) + "มีอักขระที่รหัสภาษาไทย (CP874) เก็บไม่ได้: \"" + *foreign + "\"");
    if (HasLineBreakOrControl(text, allowLineBreaks))
        return Refusal(std::string(label) + "ต้องอยู่ในบรรทัดเดียว ไม่มีอักขระควบคุม");
    if (CharCount(text) > maxChars)
        return Refusal(std::string(label) + "ยาวเกิน " + std::to_string(maxChars) + " ตัวอักษร");
    return Done{};
}

template <std::size_t N> StoreResult<Done> Assign(CappedText<N>& field, const std::string& text, int index)
{
    if (CharCount(text) > N)
        return Refusal(std::string(kLabels[index]) + "ยาวเกิน " + std::to_string(N) + " ตัวอักษร");
    field = text;
    return Done{};
}

} // namespace

const char* const kChartTextKeys[7] = {"name", "date", "time", "zone", "latitude", "longitude", "place"};

StoreResult<Done> CheckDraft(const ChartDraft& draft)
{
    std::string texts[7];
    TextsOfChartInput(draft.input, texts);
    if (texts[0].find_first_not_of(' ') == std::string::npos)
        return Refusal("ต้องมีนามของดวงชะตา");
    for (int i = 0; i < 7; ++i)
        if (auto check = CheckText(texts[i], kLabels[i], false, 1000); !check)
            return check;
    if (auto check = CheckText(draft.group, kGroupLabel, false, kGroupChars); !check)
        return check;
    if (auto check = CheckText(draft.note, kNoteLabel, true, kNoteChars); !check)
        return check;
    if (const auto check = CheckInputTexts(draft.input); !check)
        return Refusal(check.fault().message);
    return Done{};
}

StoreResult<TChartInput> ChartInputOfTexts(const std::string (&fields)[7])
{
    TChartInput input;
    for (auto assigned :
         {Assign(input.Name, fields[0], 0), Assign(input.Date, fields[1], 1), Assign(input.Time, fields[2], 2),
          Assign(input.TimeZone, fields[3], 3), Assign(input.Latitude, fields[4], 4),
          Assign(input.Longitude, fields[5], 5), Assign(input.Place, fields[6], 6)})
        if (!assigned)
            return assigned.fault();
    return input;
}

void TextsOfChartInput(const TChartInput& input, std::string (&fields)[7])
{
    fields[0] = input.Name.str();
    fields[1] = input.Date.str();
    fields[2] = input.Time.str();
    fields[3] = input.TimeZone.str();
    fields[4] = input.Latitude.str();
    fields[5] = input.Longitude.str();
    fields[6] = input.Place.str();
}

// Both keys read the texts as casting reads them.
int DateSortKey(const TChartInput& input)
{
    TChartRecord record;
    record.Input = input;
    ParseChartInput(record);
    return record.Year * 10000 + record.Month * 100 + record.Day;
}

int TimeSortKey(const TChartInput& input)
{
    TChartRecord record;
    record.Input = input;
    ParseChartInput(record);
    return static_cast<int>(std::lround(record.LocalHours * 3600.0));
}

std::string StampText(int year, int month, int day, int hour, int minute, int second)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return buf;
}

bool IsStampText(const std::string& text)
{
    static constexpr char kPattern[] = "0000-00-00 00:00:00";
    if (text.size() != sizeof kPattern - 1)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (kPattern[i] == '0' ? (text[i] < '0' || text[i] > '9') : text[i] != kPattern[i])
            return false;
    return true;
}

TChartInput MergeEditedInput(const TChartInput& stored, const TChartInput& shown, const TChartInput& edited)
{
    std::string storedTexts[7], shownTexts[7], editedTexts[7];
    TextsOfChartInput(stored, storedTexts);
    TextsOfChartInput(shown, shownTexts);
    TextsOfChartInput(edited, editedTexts);
    for (int i = 0; i < 7; ++i)
        if (editedTexts[i] == shownTexts[i])
            editedTexts[i] = storedTexts[i];
    return *ChartInputOfTexts(editedTexts); // every text came from a chart input, so each fits
}

} // namespace nemra
