#include "document/RozWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <functional>
#include <string_view>

#include "document/AtomicFile.h"
#include "document/SaveCheck.h"

namespace rylmo {

namespace {

// Collects the file text in one growing buffer and, when a flush target is given, hands it
// on in pieces, so that saving a large timetable does not hold a second copy of it in memory.
class TextOut {
public:
    explicit TextOut(std::function<void(std::string_view)> flush = {})
        : m_flush(std::move(flush)) {}

    void text(std::string_view s) {
        char* p = room(s.size());
        std::memcpy(p, s.data(), s.size());
        m_size += s.size();
    }
    void line(std::string_view s) {
        text(s);
        text("\r\n");
    }
    void integer(int32_t value) {
        char* p = room(kIntegerWidth);
        m_size = static_cast<std::size_t>(std::to_chars(p, p + kIntegerWidth, value).ptr -
                                          m_buffer.data());
    }
    void count(std::size_t n) {
        integer(static_cast<int32_t>(n));
        line(",");
    }
    // One line of integers, each followed by a comma.
    template <class Record>
    void record(const Record& record) {
        constexpr int n = RecordLayout<Record>::fieldCount;
        char* p = room(n * (kIntegerWidth + 1) + 2);
        for (int position = 1; position <= n; ++position) {
            p = std::to_chars(p, p + kIntegerWidth, field(record, position)).ptr;
            *p++ = ',';
        }
        *p++ = '\r';
        *p++ = '\n';
        m_size = static_cast<std::size_t>(p - m_buffer.data());
        flushIfFull();
    }
    void endRecord() {
        text("\r\n");
        flushIfFull();
    }
    void flushIfFull() {
        if (m_flush && m_size >= kChunk) flush();
    }
    void flush() {
        m_flush(std::string_view(m_buffer.data(), m_size));
        m_size = 0;
    }
    void reserve(std::size_t bytes) { m_buffer.resize(bytes); }
    std::string take() {
        m_buffer.resize(m_size);
        return std::move(m_buffer);
    }

private:
    static constexpr std::size_t kChunk = 1 << 16;
    static constexpr std::size_t kIntegerWidth = 11;  // "-2147483648"

    char* room(std::size_t bytes) {
        if (m_size + bytes > m_buffer.size()) {
            m_buffer.resize(std::max({m_buffer.size() * 2, m_size + bytes, kChunk + 1024}));
        }
        return m_buffer.data() + m_size;
    }

    std::function<void(std::string_view)> m_flush;
    std::string m_buffer;
    std::size_t m_size = 0;
};

template <class Record>
void writeRecords(TextOut& out, const std::vector<Record>& records) {
    out.count(records.size());
    for (const Record& record : records) out.record(record);
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
        for (int word = 0; word < 4; ++word) {
            out.text(type.word(word));
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
    out.reserve(4096 + content.trains.size() * 80);
    writeContent(out, content);
    return out.take();
}

void saveTimetableFile(const TimetableContent& content, const std::string& path, FileStamp* stamp,
                       const std::string& inPlaceBackupFolder) {
    checkSavable(content);
    AtomicFile::Options options;
    options.inPlaceBackupFolder = inPlaceBackupFolder;
    AtomicFile file(path, options);
    BytesHash hash;
    TextOut out([&](std::string_view bytes) {
        file.write(bytes);
        hash.add(bytes);
    });
    writeContent(out, content);
    out.flush();
    file.commit();
    if (stamp) *stamp = fileStamp(path, hash.value());
}

}  // namespace rylmo
