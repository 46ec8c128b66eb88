#include "library/model/ChartCsv.h"

#include "core/ThaiText.h"

#include <algorithm>
#include <array>

namespace nemra {
namespace {

constexpr std::array<const char*, 4> kExtraKeys = {"note", "group", "created", "changed"};
constexpr std::size_t kColumns = 7 + kExtraKeys.size();

void AppendField(std::string& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

StoreFault HeaderFault(const std::string& reason)
{
    return {StoreFaultKind::BadFile, "หัวตารางของไฟล์ CSV " + reason, {}};
}

// Column of each of the eleven keys in the file, or -1 when the file leaves it out.
std::optional<StoreFault> MapHeader(const CsvRecord& header, std::array<int, kColumns>& column)
{
    column.fill(-1);
    if (!header.fault.empty())
        return HeaderFault(header.fault);
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string key = Lower(header.fields[i]);
        std::size_t k = 0;
        while (k < kColumns && key != (k < 7 ? kChartTextKeys[k] : kExtraKeys[k - 7]))
            ++k;
        if (k == kColumns)
            return HeaderFault("มีช่องที่ไม่รู้จัก: \"" + header.fields[i] + "\"");
        if (column[k] >= 0)
            return HeaderFault("มีช่อง \"" + key + "\" ซ้ำ");
        column[k] = static_cast<int>(i);
    }
    for (int k = 0; k < 7; ++k)
        if (column[k] < 0)
            return HeaderFault("ไม่มีช่อง \"" + std::string(kChartTextKeys[k]) + "\"");
    return std::nullopt;
}

std::optional<std::string> ReadRow(const CsvRecord& record, const std::array<int, kColumns>& column,
                                   std::size_t headerSize, CsvImportRow& row)
{
    if (!record.fault.empty())
        return record.fault;
    if (record.fields.size() != headerSize)
        return "มี " + std::to_string(record.fields.size()) + " ช่อง แต่หัวตารางมี " + std::to_string(headerSize) + " ช่อง";
    const auto field = [&](std::size_t k) { return column[k] < 0 ? std::string() : record.fields[column[k]]; };
    std::string texts[7];
    for (std::size_t k = 0; k < 7; ++k)
        texts[k] = field(k);
    auto input = ChartInputOfTexts(texts);
    if (!input)
        return input.fault().reason;
    row.chart = {*input, field(7), field(8)};
    row.created = field(9);
    row.changed = field(10);
    if (const auto check = CheckDraft(row.chart); !check)
        return check.fault().reason;
    for (const std::string* stamp : {&row.created, &row.changed})
        if (!stamp->empty() && !IsStampText(*stamp))
            return "เวลาบันทึกต้องอยู่ในรูป ปปปป-ดด-วว ชช:นน:วว: \"" + *stamp + "\"";
    return std::nullopt;
}

} // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text)
{
    std::vector<CsvRecord> records;
    std::size_t at = 0;
    int line = 1;
    // A line end at `at`: CR LF, LF or CR; steps over it and counts the line.
    const auto takeLineEnd = [&]() {
        if (at >= text.size() || (text[at] != '\r' && text[at] != '\n'))
            return false;
        at += (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ? 2 : 1;
        ++line;
        return true;
    };
    while (at < text.size()) {
        if (takeLineEnd()) // an empty line
            continue;
        CsvRecord record;
        record.line = line;
        for (;;) { // one field per pass
            std::string field;
            if (at < text.size() && text[at] == '"') {
                ++at;
                bool closed = false;
                while (at < text.size()) {
                    const char c = text[at++];
                    if (c == '"') {
                        if (at < text.size() && text[at] == '"') {
                            field += '"';
                            ++at;
                            continue;
                        }
                        closed = true;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && (at >= text.size() || text[at] != '\n')))
                        ++line;
                    field += c;
                }
                if (!closed && record.fault.empty())
                    record.fault = "เครื่องหมายคำพูด (\") เปิดไว้แต่ไม่ได้ปิด";
                if (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n' && record.fault.empty())
                    record.fault = "มีข้อความต่อท้ายเครื่องหมายคำพูดปิด";
            }
            while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n')
                field += text[at++];
            record.fields.push_back(std::move(field));
            if (at < text.size() && text[at] == ',') {
                ++at;
                continue;
            }
            takeLineEnd();
            break;
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::string ChartsCsv(const std::vector<StoredChart>& charts)
{
    std::string out;
    for (std::size_t k = 0; k < kColumns; ++k) {
        if (k > 0)
            out += ',';
        out += k < 7 ? kChartTextKeys[k] : kExtraKeys[k - 7];
    }
    out += "\r\n";
    for (const StoredChart& chart : charts) {
        std::string texts[7];
        TextsOfChartInput(chart.chart.input, texts);
        for (const std::string& text : texts) {
            AppendField(out, text);
            out += ',';
        }
        for (const std::string* extra : {&chart.chart.note, &chart.chart.group, &chart.created}) {
            AppendField(out, *extra);
            out += ',';
        }
        AppendField(out, chart.changed);
        out += "\r\n";
    }
    return out;
}

CsvImportPlan PlanCsvImport(std::string_view bytes)
{
    CsvImportPlan plan;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    const std::vector<CsvRecord> records = ParseCsv(DecodeFileText(bytes));
    if (records.empty()) {
        plan.fileFault = HeaderFault("ไม่มีหัวตาราง (ไฟล์ว่าง)");
        return plan;
    }
    std::array<int, kColumns> column{};
    if ((plan.fileFault = MapHeader(records.front(), column)))
        return plan;
    for (std::size_t i = 1; i < records.size(); ++i) {
        CsvImportRow row;
        row.line = records[i].line;
        if (auto reason = ReadRow(records[i], column, records.front().fields.size(), row))
            plan.faults.push_back({records[i].line, std::move(*reason)});
        else
            plan.rows.push_back(std::move(row));
    }
    return plan;
}

} // namespace nemra
