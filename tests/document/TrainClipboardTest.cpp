#include <gtest/gtest.h>

#include <cstdint>

#include "TestTrains.h"
#include "document/Codes.h"
#include "document/Problem.h"
#include "document/TrainClipboard.h"
#include "document/TrainCopies.h"

namespace rylmo {
namespace {

TEST(TrainClipboard, OwnFormatAndSpreadsheetLinesReadBack) {
    std::vector<Train> trains = {Train(test::train(2, 600, 610).numbers(1, 1)),
                                 Train(test::train(2, 705, 712).numbers(4512, 4512))};
    trains[1].coupledWith = couplingCode(0, 1);
    trains[1].reserved = -7;
    const auto own = readPastedTrains(trainClipboardText(trains, {1, 0}));
    ASSERT_TRUE(std::holds_alternative<PastedTrains>(own));
    const PastedTrains& pasted = std::get<PastedTrains>(own);
    EXPECT_EQ(pasted.trains, (std::vector<Train>{trains[1], trains[0]}));
    EXPECT_EQ(pasted.from, (std::vector<int64_t>{1, 0}));
    // Appended after 5 trains, the coupling to train 0 follows it to its new place.
    EXPECT_EQ(appendedGroup(pasted.trains, pasted.from, 5)[0].coupledWith, couplingCode(6, 1));
    EXPECT_EQ(appendedGroup(pasted.trains, {1, -1}, 5)[0].coupledWith, couplingCode(0, 1));

    // 26 fields, with the raw list's header and CR LF; 27 with the position first.
    std::string header = "Indeks";
    std::string line26;
    for (int f = 1; f <= 26; ++f) {
        header.append("\t").append(std::to_string(f));
        line26.append(f > 1 ? "\t" : "").append(std::to_string(f * 10));
    }
    const auto sheet = readPastedTrains(header + "\r\n" + line26 + "\r\n7\t" + line26 + "\r\n\r\n");
    ASSERT_TRUE(std::holds_alternative<PastedTrains>(sheet));
    EXPECT_EQ(std::get<PastedTrains>(sheet).trains.size(), 2u);
    EXPECT_EQ(std::get<PastedTrains>(sheet).trains[0].reserved, 260);
    EXPECT_EQ(std::get<PastedTrains>(sheet).from, (std::vector<int64_t>{-1, 7}));
}

TEST(TrainClipboard, ABrokenLineRefusesThePasteNamingLineAndField) {
    std::string good;
    for (int f = 1; f <= 26; ++f) good.append(f > 1 ? "\t" : "").append(std::to_string(f));
    good = "0\t" + good;  // the position, then the fields: "1" is not read as the header
    const auto refusal = [](const std::string& text) {
        const auto result = readPastedTrains(text);
        return std::holds_alternative<PasteRefusal>(result) ? std::get<PasteRefusal>(result)
                                                            : PasteRefusal{99, ""};
    };
    std::string badTime = good;
    badTime.replace(badTime.find("\t2\t"), 3, "\t7:05\t");
    const PasteRefusal time = refusal(good + "\n" + badTime);
    EXPECT_EQ(time.line, 2u);
    EXPECT_EQ(time.message, "Wiersz 2, pole 3 (" + fieldLabel(Section::trains, fieldAt(2)) +
                                "): „7:05” nie jest liczbą całkowitą.");
    EXPECT_EQ(refusal(good + "\n1\t2\t3").message,
              "Wiersz 2: 3 pola zamiast 26 pól pociągu oddzielonych tabulatorem.");
    EXPECT_EQ(refusal(good.substr(0, good.size() - 3) + "\t99999999999").message,
              "Wiersz 1, pole 27 (" + fieldLabel(Section::trains, fieldAt(26)) +
                  "): „99999999999” leży poza zakresem liczb pliku (od -2147483648 do "
                  "2147483647).");
    EXPECT_EQ(refusal("\n  \n").message, "Schowek nie zawiera pociągów.");

    // Blank lines count: the refusal after them names the line it is on, whatever ends the
    // lines (CR LF, LF, a lone CR).
    EXPECT_EQ(refusal("\r\n\n\r" + good + "\r" + badTime).line, 5u);
    // A negative field is a value for the check to judge; a negative position names none.
    std::string negative = good;
    negative.replace(negative.find("\t2\t"), 3, "\t-1\t");
    const auto pasted = readPastedTrains(negative + "\r" + good + "\r");
    ASSERT_TRUE(std::holds_alternative<PastedTrains>(pasted));
    EXPECT_EQ(std::get<PastedTrains>(pasted).trains.size(), 2u);
    EXPECT_EQ(std::get<PastedTrains>(pasted).trains.at(0).arrivalTime, -1);
    // The file's extremes are values too; one past them is refused, on both sides.
    std::string extremes = good;
    extremes.replace(extremes.find("\t2\t"), 3, "\t2147483647\t");
    extremes.replace(extremes.find("\t3\t"), 3, "\t-2147483648\t");
    const auto extreme = readPastedTrains(extremes);
    ASSERT_TRUE(std::holds_alternative<PastedTrains>(extreme));
    EXPECT_EQ(std::get<PastedTrains>(extreme).trains.at(0).arrivalTime, 2147483647);
    EXPECT_EQ(field(std::get<PastedTrains>(extreme).trains.at(0), 3), INT32_MIN);
    for (const char* pastTheEnd : {"2147483648", "-2147483649"}) {
        std::string past = good;
        past.replace(past.find("\t2\t"), 3, std::string("\t") + pastTheEnd + "\t");
        EXPECT_NE(refusal(past).message.find("poza zakresem"), std::string::npos) << pastTheEnd;
    }
    EXPECT_EQ(refusal(negative + "\n-1" + good.substr(1)).message,
              "Wiersz 2, pole 1 (Indeks): „-1” nie jest pozycją pociągu (liczbą od 0 wzwyż).");
    // A NUL byte is shown as an escape; a long field is cut at a whole UTF-8 character.
    std::string withNul = good;
    withNul.replace(withNul.find("\t2\t"), 3,
                    std::string("\t1\0"
                                "2\t",
                                5));
    EXPECT_NE(refusal(withNul).message.find("„1\\x002”"), std::string::npos);
    std::string longField = good;
    longField.replace(longField.find("\t2\t"), 3, "\t" + std::string(39, 'x') + "ąą\t");
    const std::string message = refusal(longField).message;
    EXPECT_NE(message.find("„" + std::string(39, 'x') + "…”"), std::string::npos) << message;
}

}  // namespace
}  // namespace rylmo
