#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/Renumbering.h"

using namespace rylmo;

TEST(RenumberingTest, DeletingAndAligning) {
    const Renumbering d = Renumbering::deleting(5, {3, 1, 9, -1});
    EXPECT_EQ(d.goneCount(), 2u);
    const std::vector<int32_t> expected{0, Renumbering::gone, 1, Renumbering::gone, 2};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(d.to(i), expected[i]) << i;
    EXPECT_FALSE(Renumbering::deleting(3, {}).changesAnything());
    EXPECT_TRUE(Renumbering::deleting(3, {2}).changesAnything());  // the last entry

    using Lines = std::vector<std::string>;
    auto map = [](const Lines& a, const Lines& b) {
        const Renumbering r = Renumbering::aligning(a, b);
        std::vector<int32_t> to;
        for (std::size_t i = 0; i < r.size(); ++i) to.push_back(r.to(i));
        return to;
    };
    const int32_t gone = Renumbering::gone;
    EXPECT_EQ(map({"a", "b", "c"}, {"a", "c"}), (std::vector<int32_t>{0, gone, 1}));
    EXPECT_EQ(map({"a", "b", "c"}, {"b", "c"}), (std::vector<int32_t>{gone, 0, 1}));
    EXPECT_EQ(map({"a", "b", "c"}, {"a", "b"}), (std::vector<int32_t>{0, 1, gone}));
    EXPECT_EQ(map({"a", "b"}, {"a", "x", "b"}), (std::vector<int32_t>{0, 2}));
    // A renamed line keeps its place; renamed and another taken out, both are seen.
    EXPECT_EQ(map({"a", "b", "c"}, {"a", "B", "c"}), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(map({"a", "b", "c", "d"}, {"a", "B", "d"}), (std::vector<int32_t>{0, 1, gone, 2}));
    EXPECT_EQ(map({"a", "a", "a"}, {"a", "a"}).size(), 3u);
    EXPECT_EQ(map({}, {"a"}), (std::vector<int32_t>{}));
    EXPECT_EQ(map({"a"}, {}), (std::vector<int32_t>{gone}));
}

TEST(RenumberingTest, TooLargeARegionKeepsLinesByPlace) {
    // 2001 × 2000 changed lines exceed the table the alignment may use.
    std::vector<std::string> before;
    std::vector<std::string> after;
    // Appended, not "a" + ...: GCC 12 warns about that wrongly (-Wrestrict) for MinGW.
    for (int i = 0; i < 2001; ++i) before.push_back(std::string("a").append(std::to_string(i)));
    for (int i = 0; i < 2000; ++i) after.push_back(std::string("b").append(std::to_string(i)));
    const Renumbering r = Renumbering::aligning(before, after);
    EXPECT_EQ(r.to(0), 0);
    EXPECT_EQ(r.to(1999), 1999);
    EXPECT_EQ(r.to(2000), Renumbering::gone);
    // 2000 × 2000 is aligned: the same answer here, reached the other way.
    before.pop_back();
    EXPECT_EQ(Renumbering::aligning(before, after).to(1999), 1999);
}
