// Text files written by spreadsheets: the encoding found from the bytes and
// the rows of comma- or semicolon-separated cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trop {

enum class TextEncoding { Utf8WithMark, Utf8, Cp1250 };

struct DecodedText {
    TextEncoding encoding = TextEncoding::Utf8;
    std::string utf8; // the text without a byte order mark
};

// UTF-8 when the bytes start with its byte order mark or are well-formed
// UTF-8 (plain ASCII included), code page 1250 otherwise.
DecodedText decodeSpreadsheetText(std::string_view bytes);

struct CsvRow {
    int line = 0; // 1-based line on which the row starts
    std::vector<std::string> cells;
};

struct CsvTable {
    char separator = ';';
    std::vector<CsvRow> rows;   // rows whose cells are all empty are left out
    int unclosedQuoteLine = 0;  // the line of a quote never closed, else 0
};

// ";" or ",", whichever the first line holds more of outside quotes (";"
// when it holds neither).
char detectSeparator(std::string_view text);

// Cells as spreadsheets write them: a quoted cell may hold separators, line
// breaks and doubled quotes; lines end with LF or CR LF. A first line
// "sep=;" or "sep=," names the separator.
CsvTable parseCsv(std::string_view text);

} // namespace trop
