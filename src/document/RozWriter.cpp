#include "document/RozWriter.h"

#include <charconv>
#include <functional>
#include <string_view>

#include "document/AtomicFile.h"
#include "document/SaveCheck.h"

namespace rylmo {

namespace {

// Collects the file text and hands it on in pieces when a flush target is given, so that
// saving a large timetable does not hold a second copy of it in memory.
class TextOut {
public:
    explicit TextOut(std::function<void(std::string_view)> flush = {})
        : m_flush(std::move(flush)) {}

    void text(std::string_view s) { m_buffer.append(s); }
    void line(std::string_view s) {
        m_buffer.append(s);
        m_buffer.append("\r\n");
    }
    void integer(int32_t value) {
        char digits[16];
        auto result = std::to_chars(digits, digits + sizeof digits, value);
        m_buffer.append(digits, result.ptr);
    }
    void count(std::size_t n) {
        integer(static_cast<int32_t>(n));
        line(",");
    }
    void endRecord() {
        m_buffer.append("\r\n");
        if (m_flush && m_buffer.size() >= kChunk) flush();
    }
    void flush() {
        m_flush(m_buffer);
        m_buffer.clear();
    }
    std::string& buffer() { return m_buffer; }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    std::function<void(std::string_view)> m_flush;
    std::string m_buffer;
};

template <class Record>
void writeRecords(TextOut& out, const std::vector<Record>& records) {
    out.count(records.size());
    for (const Record& record : records) {
        for (int position = 1; position <= RecordLayout<Record>::fieldCount; ++position) {
            out.integer(field(record, position));
            out.text(",");
        }
        out.endRecord();
    }
}

void writeLines(TextOut& out, const std::vector<std::string>& lines) {
    out.count(lines.size());
    for (const std::string& line : lines) {
        out.text(line);
        out.endRecord();
    }
}

void writeContent(TextOut& out, const TimetableContent& content) {
    out.line("2,");
    out.line(content.stationPicture);
    writeRecords(out, content.depot);
    writeRecords(out, content.trains);
    out.text(content.startTime);
    out.line(",");
    writeRecords(out, content.passages);
    out.integer(content.locomotiveTypeCount);
    out.line(",");
    writeLines(out, content.probabilities);
    writeLines(out, content.compositions);
    out.count(content.coaches.size());
    for (const LocomotiveType& type : content.locomotiveTypes) {
        for (const std::string* word : {&type.pictureName, &type.typeName, &type.kind, &type.hierarchy}) {
            out.text(*word);
            out.text(" ");
        }
        out.endRecord();
    }
    for (const std::string& coach : content.coaches) {
        out.text(coach);
        out.endRecord();
    }
    writeLines(out, content.depotNames);
    writeLines(out, content.stationNames);
    writeLines(out, content.trainNames);
    out.line(content.authorInfo);
}

}  // namespace

std::string writeTimetable(const TimetableContent& content) {
    checkSavable(content);
    TextOut out;
    out.buffer().reserve(64 + content.trains.size() * 80);
    writeContent(out, content);
    return std::move(out.buffer());
}

void saveTimetableFile(const TimetableContent& content, const std::string& path) {
    checkSavable(content);
    AtomicFile file(path);
    TextOut out([&file](std::string_view bytes) { file.write(bytes); });
    writeContent(out, content);
    out.flush();
    file.commit();
}

}  // namespace rylmo
