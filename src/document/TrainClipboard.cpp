#include "document/TrainClipboard.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "document/PolishCount.h"
#include "document/Problem.h"
#include "document/Tokens.h"

namespace rylmo {

namespace {

constexpr int fieldCount = RecordLayout<Train>::fieldCount;

// The tab-separated fields of a line, as many as fit; count tells how many there were.
struct LineFields {
    static constexpr std::size_t most = RecordLayout<Train>::fieldCount + 1;
    std::array<std::string_view, most> field;
    std::size_t count = 0;

    explicit LineFields(std::string_view line) {
        for (std::size_t start = 0;;) {
            const std::size_t end = line.find('\t', start);
            if (count < most)
                field[count] =
                    line.substr(start, end == std::string_view::npos ? end : end - start);
            ++count;
            if (end == std::string_view::npos) return;
            start = end + 1;
        }
    }
};

// The raw list's header: "Indeks" (or nothing) and then the field numbers 1 to 26.
bool isHeader(const LineFields& fields) {
    const std::size_t skip = fields.count == fieldCount + 1 ? 1 : 0;
    if (fields.count != fieldCount + skip) return false;
    for (int f = 1; f <= fieldCount; ++f) {
        if (trimBlanks(fields.field[skip + static_cast<std::size_t>(f) - 1]) != std::to_string(f))
            return false;
    }
    return true;
}

// A pasted field as a message quotes it: its first 40 bytes, cut at a whole character, with
// control characters (a NUL byte, a tab) written as \xNN so that the message shows them.
std::string quoted(std::string_view text) {
    std::size_t cut = text.size();
    if (text.size() > 40) {
        cut = 40;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    }
    std::string shown;
    for (const char c : text.substr(0, cut)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            const char* const digits = "0123456789ABCDEF";
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return cut < text.size() ? shown + "…" : shown;
}

// Why a field is no value for its place, or empty when it is one.
std::string fieldRefusal(std::string_view text, bool position, int64_t& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const bool integer = !text.empty() && end == text.data() + text.size() &&
                         (error == std::errc() || error == std::errc::result_out_of_range);
    if (!integer) return "nie jest liczbą całkowitą";
    if (error == std::errc::result_out_of_range || value < INT32_MIN || value > INT32_MAX)
        return "leży poza zakresem liczb pliku (od -2147483648 do 2147483647)";
    if (position && value < 0) return "nie jest pozycją pociągu (liczbą od 0 wzwyż)";
    return {};
}

std::string lineText(std::size_t line) {
    return "Wiersz " + std::to_string(line);
}

}  // namespace

std::string trainClipboardText(const std::vector<Train>& trains,
                               const std::vector<std::size_t>& group) {
    std::string text(trainClipboardHeading);
    text += "\r\n";
    for (const std::size_t position : group) {
        if (position >= trains.size()) continue;
        text += std::to_string(position);
        for (int f = 1; f <= fieldCount; ++f) {
            text += '\t';
            text += std::to_string(field(trains[position], f));
        }
        text += "\r\n";
    }
    return text;
}

std::variant<PastedTrains, PasteRefusal> readPastedTrains(std::string_view text) {
    PastedTrains pasted;
    // Room for as many trains as the tabs can separate fields of: blank lines take none.
    const auto most =
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '\t')) / (fieldCount - 1);
    pasted.trains.reserve(most);
    pasted.from.reserve(most);
    bool own = false;
    std::size_t number = 0;
    // Lines end in CR LF, LF or a lone CR, as the file reader takes them.
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        ++number;
        if (trimBlanks(line).empty()) continue;
        if (pasted.trains.empty() && !own && line == trainClipboardHeading) {
            own = true;
            continue;
        }
        const LineFields fields(line);
        if (pasted.trains.empty() && !own && isHeader(fields)) continue;
        const bool withPosition = fields.count == fieldCount + 1;
        if (fields.count != fieldCount && !withPosition) {
            return PasteRefusal{
                number, lineText(number) + ": " +
                            polishCount(static_cast<int64_t>(fields.count), "pole", "pola", "pól") +
                            " zamiast " + std::to_string(fieldCount) +
                            " pól pociągu oddzielonych tabulatorem."};
        }
        Train train;
        int64_t from = -1;
        for (std::size_t f = 0; f < fields.count; ++f) {
            int64_t value = 0;
            const bool position = withPosition && f == 0;
            const int trainField = static_cast<int>(f) + (withPosition ? 0 : 1);
            if (const std::string why = fieldRefusal(fields.field[f], position, value);
                !why.empty()) {
                const std::string name = position
                                             ? std::string("Indeks")
                                             : fieldLabel(Section::trains, fieldAt(trainField));
                return PasteRefusal{
                    number, lineText(number) + ", pole " + std::to_string(f + 1) + " (" + name +
                                "): „" + quoted(trimBlanks(fields.field[f])) + "” " + why + "."};
            }
            if (position) {
                from = value;
            } else {
                field(train, trainField) = static_cast<int32_t>(value);
            }
        }
        pasted.trains.push_back(train);
        pasted.from.push_back(from);
    }
    if (pasted.trains.empty()) return PasteRefusal{0, "Schowek nie zawiera pociągów."};
    return pasted;
}

}  // namespace rylmo
