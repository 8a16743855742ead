#include "document/TrainClipboard.h"

#include <algorithm>
#include <array>
#include <charconv>

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

bool readNumber(std::string_view text, int64_t& value) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

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

// A pasted field as a message quotes it: its first 40 bytes, cut at a whole character.
std::string quoted(std::string_view text) {
    if (text.size() <= 40) return std::string(text);
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)) + "…";
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
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    pasted.trains.reserve(lineCount);
    pasted.from.reserve(lineCount);
    bool own = false;
    std::size_t number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
            if (!readNumber(fields.field[f], value) ||
                (position ? value < 0 : value < INT32_MIN || value > INT32_MAX)) {
                const std::string name = position
                                             ? std::string("Indeks")
                                             : fieldLabel(Section::trains, fieldAt(trainField));
                return PasteRefusal{number, lineText(number) + ", pole " + std::to_string(f + 1) +
                                                " (" + name + "): „" +
                                                quoted(trimBlanks(fields.field[f])) +
                                                "” nie jest liczbą całkowitą."};
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
