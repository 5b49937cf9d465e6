#include "csv_text.h"

#include "trop/store/cp1250.h"

#include <algorithm>

namespace trop {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool allEmpty(const std::vector<std::string>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

} // namespace

DecodedText decodeSpreadsheetText(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        return {TextEncoding::Utf8WithMark, std::string(bytes.substr(kByteOrderMark.size()))};
    if (isUtf8(bytes))
        return {TextEncoding::Utf8, std::string(bytes)};
    return {TextEncoding::Cp1250, cp1250ToUtf8(bytes)};
}

char detectSeparator(std::string_view text)
{
    int semicolons = 0;
    int commas = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == ',')
            ++commas;
    }
    return commas > semicolons ? ',' : ';';
}

CsvTable parseCsv(std::string_view text)
{
    CsvTable table;
    int line = 1;
    // Spreadsheets may name the separator on a line of its own: "sep=;".
    if (text.size() >= 5 && text.substr(0, 4) == "sep=" && (text[4] == ';' || text[4] == ',') &&
        (text.size() == 5 || text[5] == '\r' || text[5] == '\n')) {
        table.separator = text[4];
        const std::size_t lineEnd = text.find('\n');
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        line = 2;
    } else {
        table.separator = detectSeparator(text);
    }
    CsvRow row{line, {}};
    std::string cell;
    bool quoted = false;
    int quoteLine = 0;
    auto endRow = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
        if (!allEmpty(row.cells))
            table.rows.push_back(std::move(row));
        row = CsvRow{line, {}};
    };
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                cell += '"';
                ++at;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n')
                    ++line;
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
            quoteLine = line;
        } else if (c == table.separator) {
            row.cells.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\n') {
            ++line;
            endRow();
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (quoted)
        table.unclosedQuoteLine = quoteLine;
    if (!cell.empty() || !row.cells.empty())
        endRow();
    return table;
}

} // namespace trop
