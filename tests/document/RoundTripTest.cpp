#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "document/RozReader.h"
#include "document/RozWriter.h"

using namespace rylmo;

namespace {

// Generates documents of the kind the editors keep: one-line texts without line breaks and
// without blanks at their ends, type words without blanks, a start time without a comma.
class Generator {
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    TimetableContent timetable() {
        TimetableContent c;
        c.version = 2;
        c.stationPicture = line();
        c.authorInfo = authorInfo();
        c.startTime = word(",");
        c.trains.resize(count(30));
        for (Train& t : c.trains) fill(t);
        c.depot.resize(count(10));
        for (DepotEntry& e : c.depot) fill(e);
        c.passages.resize(count(10));
        for (LocomotivePassage& p : c.passages) fill(p);
        c.locomotiveTypes.resize(count(6));
        for (LocomotiveType& t : c.locomotiveTypes) {
            t = {word(""), word(""), word(""), word("")};
        }
        c.locomotiveTypeCount = static_cast<int32_t>(c.locomotiveTypes.size());
        for (auto* list : {&c.probabilities, &c.compositions, &c.coaches, &c.depotNames,
                           &c.stationNames, &c.trainNames}) {
            list->resize(count(6));
            for (std::string& text : *list) text = line();
        }
        return c;
    }

private:
    std::size_t count(int most) {
        return std::uniform_int_distribution<std::size_t>(0, most)(m_random);
    }

    int32_t integer() {
        switch (std::uniform_int_distribution<int>(0, 3)(m_random)) {
            case 0:
                return 0;
            case 1:
                return std::uniform_int_distribution<int32_t>(-10, 3000)(m_random);
            case 2:
                return std::uniform_int_distribution<int32_t>(INT32_MIN, INT32_MAX)(m_random);
            default:
                return std::uniform_int_distribution<int>(0, 1)(m_random) ? INT32_MIN : INT32_MAX;
        }
    }

    template <class Record>
    void fill(Record& record) {
        for (int position = 1; position <= RecordLayout<Record>::fieldCount; ++position) {
            field(record, position) = integer();
        }
    }

    char visible(const char* forbidden) {
        while (true) {
            const char c = static_cast<char>(std::uniform_int_distribution<int>(33, 255)(m_random));
            if (!std::strchr(forbidden, c)) return c;
        }
    }

    std::string word(const char* forbidden) {
        std::string text(1 + count(8), ' ');
        for (char& c : text) c = visible(forbidden);
        return text;
    }

    std::string line() {
        std::string text = word("");
        for (std::size_t i = 0, n = count(3); i < n; ++i) text.append(" ").append(word(","));
        return text;
    }

    std::string authorInfo() {
        std::string text;
        for (std::size_t i = 0, n = count(3); i < n; ++i) text += (i ? "\r\n" : "") + line();
        return text;
    }

    std::mt19937 m_random;
};

}  // namespace

TEST(RoundTrip, WrittenDocumentsReadBackUnchanged) {
    Generator generator(20261206);
    for (int i = 0; i < 2000; ++i) {
        const TimetableContent original = generator.timetable();
        const std::string bytes = writeTimetable(original);
        ASSERT_EQ(readTimetable(bytes), original) << "document " << i << ":\n" << bytes;
        ASSERT_EQ(writeTimetable(readTimetable(bytes)), bytes) << "document " << i;
    }
}

// A type's words are kept behind their lengths: words at the lengths where one more byte of
// length is needed read and write back unchanged.
TEST(RoundTrip, TypeWordsOfEveryLengthEdgeReadBackUnchanged) {
    TimetableContent c;
    c.version = 2;
    c.startTime = "600";
    c.stationPicture = "Stacja";
    for (const std::size_t length : {1u, 127u, 128u, 129u, 255u, 256u, 257u, 65535u, 65536u}) {
        const std::string word(length, 'w');
        c.locomotiveTypes.emplace_back(word, word + "t", "3", "1");
        EXPECT_EQ(c.locomotiveTypes.back().pictureName(), word);
        EXPECT_EQ(c.locomotiveTypes.back().typeName().size(), length + 1);
        EXPECT_EQ(c.locomotiveTypes.back().hierarchy(), "1");
    }
    c.locomotiveTypeCount = static_cast<int32_t>(c.locomotiveTypes.size());
    const std::string bytes = writeTimetable(c);
    TimetableContent back = readTimetable(bytes);
    back.version = 2;
    EXPECT_EQ(back, c);
    EXPECT_EQ(writeTimetable(back), bytes);
}
