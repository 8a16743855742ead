#include "document/SheetFormats.h"

#include <string_view>

namespace rylmo {

namespace {

// "-12", "+3", "2,5": a spreadsheet reads these as the numbers they are.
bool isNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    bool digit = false, separator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == ',' || c == '.') && digit && !separator) {
            separator = true;
            digit = false;
        } else {
            return false;
        }
    }
    return digit;
}

// A text that a spreadsheet would run as a formula ("=HYPERLINK(...)" as a station's name)
// starts with an apostrophe, which the spreadsheet shows as text and does not keep.
std::string spreadsheetSafe(const std::string& field) {
    if (field.empty() || std::string_view("=+-@\t\r").find(field.front()) == std::string::npos ||
        isNumber(field)) {
        return field;
    }
    return "'" + field;
}

void appendCsvField(std::string& out, const std::string& text) {
    const std::string field = spreadsheetSafe(text);
    const bool quoted = field.find_first_of("\";\r\n") != std::string::npos ||
                        (!field.empty() && (field.front() == ' ' || field.back() == ' '));
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

template <class Cells, class TextOf>
void appendCsvLine(std::string& out, const Cells& cells, TextOf textOf) {
    bool first = true;
    for (const auto& cell : cells) {
        if (!first) out += ';';
        first = false;
        appendCsvField(out, textOf(cell));
    }
    out += "\r\n";
}

void appendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

}  // namespace

std::string sheetCsv(const Sheet& sheet) {
    std::string out = "\xEF\xBB\xBF";
    appendCsvLine(out, sheet.columns, [](const SheetColumn& column) { return column.header; });
    for (const SheetRow& row : sheet.rows)
        appendCsvLine(out, row.cells, [](const std::string& cell) { return cell; });
    return out;
}

std::string sheetHtml(const Sheet& sheet) {
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    appendEscaped(out, sheet.station + " – " + sheet.kind);
    out +=
        "</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 2em; }\n"
        "table { border-collapse: collapse; }\n"
        "th, td { border-bottom: 1px solid #ccc; padding: 0.2em 0.6em; text-align: left; }\n"
        "thead th { border-bottom: 2px solid #333; }\n"
        "tr.hour th { background: #1d3d6b; color: #fff; }\n"
        "</style>\n</head>\n<body>\n<h1>";
    appendEscaped(out, sheet.station);
    out += "</h1>\n<p>";
    appendEscaped(out, sheet.kind + ", " + sheet.window);
    out += "</p>\n<table>\n<thead><tr>";
    for (const SheetColumn& column : sheet.columns) {
        out += "<th>";
        appendEscaped(out, column.header);
        out += "</th>";
    }
    out += "</tr></thead>\n<tbody>\n";
    for (std::size_t k = 0; k < sheet.rows.size(); ++k) {
        const SheetRow& row = sheet.rows[k];
        if (sheet.hourBands && (k == 0 || !sameHourBand(sheet.rows[k - 1].minute, row.minute))) {
            out += "<tr class=\"hour\"><th colspan=\"" + std::to_string(sheet.columns.size()) +
                   "\">" + hourBandText(row.minute) + "</th></tr>\n";
        }
        out += "<tr>";
        for (const std::string& cell : row.cells) {
            out += "<td>";
            appendEscaped(out, cell);
            out += "</td>";
        }
        out += "</tr>\n";
    }
    out += "</tbody>\n</table>\n";
    if (!sheet.legend.empty()) {
        out += "<p>";
        appendEscaped(out, sheet.legend);
        out += "</p>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

}  // namespace rylmo
