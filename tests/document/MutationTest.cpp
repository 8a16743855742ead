#include <gtest/gtest.h>

#include <random>

#include "TestFiles.h"
#include "document/ConsistencyCheck.h"
#include "document/Error.h"
#include "document/RozReader.h"

using namespace rylmo;

namespace {

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    std::string mutate(std::string bytes) {
        for (int k = 0, n = pick(1, 3); k < n; ++k) mutateOnce(bytes);
        return bytes;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    std::size_t at(const std::string& bytes) {
        return std::uniform_int_distribution<std::size_t>(0, bytes.size())(m_random);
    }

    void mutateOnce(std::string& bytes) {
        static const char* const pieces[] = {
            ",",           "\r\n", "\r", "\n", "-",   "$",       "0x", " ", "2147483647",
            "-2147483648", "99",   "0,", "1,", "-1,", "999999,", "\0", "9", "\xff"};
        const std::size_t p = at(bytes);
        switch (pick(0, 5)) {
            case 0:  // overwrite a byte
                if (p < bytes.size()) bytes[p] = static_cast<char>(pick(0, 255));
                break;
            case 1: {  // insert a piece the format cares about
                const char* piece = pieces[pick(0, std::size(pieces) - 1)];
                bytes.insert(p, piece[0] ? std::string(piece) : std::string(1, '\0'));
                break;
            }
            case 2:  // delete a run
                bytes.erase(p, static_cast<std::size_t>(pick(1, 12)));
                break;
            case 3: {  // duplicate a run
                const std::string run = bytes.substr(p, static_cast<std::size_t>(pick(1, 40)));
                bytes.insert(at(bytes), run);
                break;
            }
            case 4:  // truncate
                bytes.resize(p);
                break;
            default:  // swap in a digit
                if (p < bytes.size()) bytes[p] = static_cast<char>('0' + pick(0, 9));
                break;
        }
    }

    std::mt19937 m_random;
};

}  // namespace

// Damaged files never crash or hang the reader or the check: each one either reads or fails
// with rylmo::Error. (That what reads and saves reads back the same, the fuzz target and the
// round trip hold.)
TEST(Mutation, DamagedFilesFailCleanly) {
    const std::string seeds[] = {
        test::readBytes(test::dataPath("worked-example.roz")),
        test::readBytes(test::dataPath("version1.roz")),
        test::readBytes(test::dataPath("version1-saved-as-version2.roz")),
    };
    Mutator mutator(1250);
    int read = 0;
    int failed = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string bytes = mutator.mutate(seeds[i % std::size(seeds)]);
        TimetableContent content;
        try {
            content = readTimetable(bytes);
            ++read;
        } catch (const Error&) {
            ++failed;
            continue;
        }
        checkTimetable(content);
    }
    EXPECT_GT(read, 1000);
    EXPECT_GT(failed, 1000);
}
