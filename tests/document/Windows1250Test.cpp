#include <gtest/gtest.h>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/Windows1250.h"

using namespace rylmo;

TEST(Windows1250, EveryByteSurvivesTheTripThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(utf8ToWindows1250(windows1250ToUtf8(all)), all);
}

TEST(Windows1250, PolishLettersMapBothWays) {
    const std::string polish =
        "\xa5\xc6\xca\xa3\xd1\xd3\x8c\x8f\xaf\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf";
    EXPECT_EQ(windows1250ToUtf8(polish), "ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    EXPECT_EQ(utf8ToWindows1250("ĄĆĘŁŃÓŚŹŻąćęłńóśźż"), polish);
    EXPECT_EQ(windows1250ToUtf8("\x80\x84"), "€„");
}

TEST(Windows1250, RefusesCharactersItCannotHoldAndMalformedUtf8) {
    const std::string said = test::errorOf([] { utf8ToWindows1250("Kraków – Берлин"); });
    EXPECT_NE(said.find("„Б” (U+0411)"), std::string::npos) << said;
    EXPECT_THROW(utf8ToWindows1250("\xc3"), Error);
    EXPECT_THROW(utf8ToWindows1250("\xc0\xaf"), Error);      // overlong
    EXPECT_THROW(utf8ToWindows1250("\xed\xa0\x80"), Error);  // surrogate
    EXPECT_THROW(utf8ToWindows1250("\xff"), Error);
}
