#include <gtest/gtest.h>

#include "TestFiles.h"
#include "document/Error.h"
#include "document/Tokens.h"

using namespace rylmo;

namespace {

std::string conversionError(std::string_view token) {
    return test::errorOf([&] { parseInteger(token); });
}

}  // namespace

TEST(FirstDelimiterPosition, FindsEitherDelimiterOrReportsLengthPlusOne) {
    EXPECT_EQ(firstDelimiterPosition("12,34\r", ',', '\r'), 3u);
    EXPECT_EQ(firstDelimiterPosition("12\r34,", ',', '\r'), 3u);
    EXPECT_EQ(firstDelimiterPosition("abc", ',', ','), 4u);
    EXPECT_EQ(firstDelimiterPosition("", ',', ' '), 1u);
    EXPECT_EQ(firstDelimiterPosition(",", ',', ','), 1u);
}

TEST(ParseInteger, AcceptsDecimalSignsAndHexadecimalForms) {
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("-17"), -17);
    EXPECT_EQ(parseInteger("+17"), 17);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_EQ(parseInteger("$1F"), 31);
    EXPECT_EQ(parseInteger("x1f"), 31);
    EXPECT_EQ(parseInteger("X10"), 16);
    EXPECT_EQ(parseInteger("0x10"), 16);
    EXPECT_EQ(parseInteger("0X10"), 16);
    EXPECT_EQ(parseInteger("-$10"), -16);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(parseInteger("$7FFFFFFF"), INT32_MAX);
}

TEST(ParseInteger, RejectsAnythingElseNamingTheToken) {
    EXPECT_EQ(conversionError(""), "'' is not a valid integer value");
    EXPECT_EQ(conversionError("2147483648"), "'2147483648' is not a valid integer value");
    EXPECT_EQ(conversionError("-2147483649"), "'-2147483649' is not a valid integer value");
    EXPECT_EQ(conversionError("99999999999999999999999"),
              "'99999999999999999999999' is not a valid integer value");
    for (const char* bad : {"-", "+", "$", "0x", "x", "1 2", "1.5", "12a", "--1", "$G", "1e3"}) {
        EXPECT_EQ(conversionError(bad), std::string("'") + bad + "' is not a valid integer value");
    }
    // Polish letters in the token come out in UTF-8.
    EXPECT_EQ(conversionError("\xb3\xf3"), "'łó' is not a valid integer value");
}

TEST(TokenScanner, TrimsTokensAndSkipsBlankSpaceAfterTheDelimiter) {
    TokenScanner scanner("  12 ,\r\n\r\n 7\rnext line\r\nlast");
    EXPECT_EQ(scanner.take(','), "12");
    EXPECT_EQ(scanner.takeInteger(',', '\r'), 7);
    EXPECT_EQ(scanner.take('\r', '\n'), "next line");
    EXPECT_EQ(scanner.take('\r', '\n'), "last");
    EXPECT_TRUE(scanner.atEnd());
    EXPECT_EQ(scanner.take('\r', '\n'), "");
}

TEST(TokenScanner, KeepsBytesAboveCode127AtTheEnds) {
    TokenScanner scanner("\xa0X\xa0\r\n");
    EXPECT_EQ(scanner.take('\r', '\n'), "\xa0X\xa0");
}
