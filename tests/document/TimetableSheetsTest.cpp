#include <gtest/gtest.h>

#include "TestTrains.h"
#include "document/SheetFormats.h"
#include "document/TimetableSheets.h"

using namespace rylmo;
using test::train;

namespace {

// Station "Wola" starting its day at 4:00, with a train name and a locomotive type.
TimetableContent station(std::vector<Train> trains) {
    TimetableContent c;
    c.version = 2;
    c.startTime = "400";
    c.stationNames = {"Wola", "Krak\xf3w", "Gdynia"};  // Windows-1250, as in the file
    c.trainNames = {"Kormoran"};
    c.locomotiveTypes = {{"EU07", "EU07", "3", "1"}};
    c.locomotiveTypeCount = 1;
    c.trains = std::move(trains);
    return c;
}

std::vector<std::string> column(const Sheet& sheet, std::size_t k) {
    std::vector<std::string> cells;
    for (const SheetRow& row : sheet.rows) cells.push_back(row.cells.at(k));
    return cells;
}

using Cells = std::vector<std::string>;

}  // namespace

// Boards list the trains that stop here, in time order from the start of the day, past
// midnight after the evening; a train passing without a stop, one that ends here (on
// departures) or one standing from the start (on arrivals) is not on them.
TEST(TimetableSheets, BoardsListTheStoppingTrainsFromTheStartOfTheDay) {
    const TimetableContent c = station({
        train(2, 2350, 5).numbers(10, 11).categories(2, 2).stations(1, 2).platforms(1, 1),
        train(1, 0, 359).numbers(0, 20).categories(8, 8).stations(0, 1).platforms(0, 3).names(0, 1),
        train(1, 0, 400).numbers(0, 30).categories(2, 2).stations(0, 2).platforms(0, 2),
        train(0, 1200, 0).numbers(40, 0).categories(2, 2).stations(2, 0).platforms(4, 0),
        train(5, 1300, 1301).numbers(50, 50).categories(2, 2).stations(1, 2).platforms(5, 5),
        train(2, 0, 800).numbers(60, 61).categories(2, 2).stations(1, 2).platforms(6, 6).status(1),
    });
    const Sheet departures = departureBoard(c, {});
    EXPECT_EQ(departures.kind, "Odjazdy");
    EXPECT_EQ(departures.station, "Wola");
    EXPECT_EQ(departures.window, "4:00–3:59");
    EXPECT_TRUE(departures.hourBands);
    EXPECT_EQ(column(departures, 0), (Cells{"4:00", "8:00", "0:05", "3:59"}));
    EXPECT_EQ(column(departures, 1), (Cells{"Os 30", "Os 61", "Os 11", "IC 20 Kormoran"}));
    EXPECT_EQ(column(departures, 2), (Cells{"Gdynia", "Gdynia", "Gdynia", "Kraków"}));
    EXPECT_EQ(column(departures, 3), (Cells{"2", "6", "1", "3"}));
    EXPECT_EQ(departures.rows.front().minute, 240);

    const Sheet arrivals = arrivalBoard(c, {});
    EXPECT_EQ(column(arrivals, 0), (Cells{"12:00", "23:50"}));
    EXPECT_EQ(column(arrivals, 1), (Cells{"Os 40", "Os 10"}));
    EXPECT_EQ(column(arrivals, 2), (Cells{"Gdynia", "Kraków"}));
}

// The window runs from its first minute to its last, both included, over midnight when the
// last comes first; without a start it starts with the day; an unreadable start time makes
// the day start at midnight.
TEST(TimetableSheets, TheTimeWindowIncludesBothEnds) {
    TimetableContent c = station({});
    EXPECT_EQ(minutesIntoWindow(c, {}, 240), 0);
    EXPECT_EQ(minutesIntoWindow(c, {}, 239), 1439);
    EXPECT_EQ(minutesIntoWindow(c, {360, 1320}, 360), 0);
    EXPECT_EQ(minutesIntoWindow(c, {360, 1320}, 1320), 960);
    EXPECT_EQ(minutesIntoWindow(c, {360, 1320}, 1321), std::nullopt);
    EXPECT_EQ(minutesIntoWindow(c, {360, 1320}, 359), std::nullopt);
    EXPECT_EQ(minutesIntoWindow(c, {1320, 120}, 0), 120);
    EXPECT_EQ(minutesIntoWindow(c, {1320, 120}, 121), std::nullopt);
    EXPECT_EQ(minutesIntoWindow(c, {std::nullopt, 300}, 240), 0);
    EXPECT_EQ(minutesIntoWindow(c, {std::nullopt, 300}, 301), std::nullopt);
    EXPECT_EQ(minutesIntoWindow(c, {600, 600}, 600), 0);
    EXPECT_EQ(minutesIntoWindow(c, {600, 600}, 601), std::nullopt);
    c.startTime = "x";
    EXPECT_EQ(minutesIntoWindow(c, {}, 0), 0);
    EXPECT_EQ(timeWindowText(c, {}), "0:00–23:59");
    EXPECT_EQ(timeWindowText(c, {1320, 120}), "22:00–2:00");

    c = station({train(1, 0, 559).numbers(0, 1), train(1, 0, 600).numbers(0, 2),
                 train(1, 0, 2200).numbers(0, 3), train(1, 0, 2201).numbers(0, 4),
                 train(1, 0, 2575).numbers(0, 5)});
    SheetFilter filter;
    filter.window = {360, 1320};
    EXPECT_EQ(column(departureBoard(c, filter), 1), (Cells{"Tow 2", "Tow 3"}));
    // A time that is no time is on no board; the sheet lists it after the whole day only.
    EXPECT_EQ(column(dispatcherSheet(c, {}, {}), 2), (Cells{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(column(dispatcherSheet(c, {}, {}), 1).back(), "?2575");
    EXPECT_EQ(column(dispatcherSheet(c, filter, {}), 2), (Cells{"2", "3"}));
}

// Category groups and chosen trains narrow every sheet; the groups go by the category the
// train arrives with, or leaves with when it starts here.
TEST(TimetableSheets, FiltersChooseGroupsAndTrains) {
    const TimetableContent c = station({
        train(1, 0, 500).numbers(0, 1).categories(0, 2),   // passenger on departure
        train(1, 0, 501).numbers(0, 2).categories(2, 0),   // goods
        train(1, 0, 502).numbers(0, 3).categories(0, 20),  // service
        train(1, 0, 503).numbers(0, 4).categories(0, 14),  // mail: service
        train(0, 504, 0).numbers(5, 0).categories(16, 2),  // baggage: service
        train(1, 0, 505).numbers(0, 6).categories(0, 77),  // unknown: passenger
    });
    SheetFilter goods;
    goods.passengers = goods.service = false;
    EXPECT_EQ(column(dispatcherSheet(c, goods, {}), 2), (Cells{"2"}));
    SheetFilter service;
    service.passengers = service.goods = false;
    EXPECT_EQ(column(dispatcherSheet(c, service, {}), 2), (Cells{"3", "4", "5"}));
    SheetFilter passengers;
    passengers.goods = passengers.service = false;
    EXPECT_EQ(column(departureBoard(c, passengers), 1), (Cells{"Os 1", "kat. 77 6"}));
    SheetFilter none;
    none.passengers = none.goods = none.service = false;
    EXPECT_TRUE(dispatcherSheet(c, none, {}).rows.empty());

    SheetFilter chosen;
    chosen.only = {5, 0, 99, 0};  // any order; a position beyond the trains is none
    EXPECT_EQ(column(dispatcherSheet(c, chosen, {}), 2), (Cells{"1", "6"}));
    EXPECT_EQ(listedTrains(c, chosen), (std::vector<std::size_t>{0, 5}));
}

// The dispatcher's sheet says what each train does, on which platforms, from where to where,
// with whom it is joined or split, which locomotives pass from or to it, and marks the
// trains with findings.
TEST(TimetableSheets, TheDispatcherSheetDescribesEveryEvent) {
    TimetableContent c = station({
        train(3, 700, 710).numbers(100, 101).platforms(1, 1).stations(1, 2).couplings(12, 0),
        train(3, 700, 720).numbers(200, 201).platforms(1, 2).stations(1, 2).couplings(1, 0),
        train(1, 0, 800).numbers(0, 300).platforms(0, 3).stations(0, 2).status(1),
        train(0, 900, 0).numbers(400, 0).platforms(4, 0).stations(1, 0),
        train(5, 1000, 1001).numbers(500, 500).stations(1, 2),
        train(6, 0, 1100).numbers(0, 600).platforms(0, 1).couplings(0, 62),
        train(2, 0, 1100).numbers(700, 700).platforms(0, 1).couplings(0, 51).status(1),
        train(9, 1200, 1200).numbers(800, 800),
    });
    c.passages = {{1, 0, -3, 2, 0}, {7, 0, 3, 99, 0}};
    const Sheet sheet = dispatcherSheet(c, {}, {0, 0, 0, 2, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(sheet.kind, "Wykaz dla dyżurnego");
    EXPECT_EQ(column(sheet, 2),
              (Cells{"300", "700", "100/101", "200/201", "400", "500", "600", "800"}));
    EXPECT_EQ(column(sheet, 0), (Cells{"", "", "7:00", "7:00", "9:00", "10:00", "", "12:00"}));
    EXPECT_EQ(column(sheet, 1),
              (Cells{"8:00", "11:00", "7:10", "7:20", "", "10:01", "11:00", "12:00"}));
    EXPECT_EQ(column(sheet, 3),
              (Cells{"stoi od początku, odjeżdża", "stoi od początku, odjeżdża", "zatrzymuje się",
                     "zatrzymuje się", "przyjeżdża i kończy bieg", "przejeżdża bez zatrzymania",
                     "rozpoczyna bieg i odjeżdża", "nieznany rodzaj (9)"}));
    EXPECT_EQ(column(sheet, 4), (Cells{"3", "1", "1", "1→2", "4", "", "1", ""}));
    EXPECT_EQ(column(sheet, 5),
              (Cells{"→ Gdynia", "Wola → Wola", "Kraków → Gdynia", "Kraków → Gdynia", "Kraków →",
                     "Kraków → Gdynia", "→ Wola", "Wola → Wola"}));
    EXPECT_EQ(column(sheet, 6), (Cells{"", "łączony z 600", "rozłączany z 200", "rozłączany z 100",
                                       "", "", "łączony z 700", ""}));
    EXPECT_EQ(column(sheet, 7), (Cells{"EU07 400 → 300", "", "", "",
                                       "EU07 400 → 300; nieznany typ (7) 400 → ?99", "", "", ""}));
    EXPECT_EQ(column(sheet, 8), (Cells{"", "", "", "", "!", "", "", ""}));
    EXPECT_FALSE(sheet.legend.empty());
}

// A chain of three coupled trains names both others; a chain that never comes back, or one
// through more trains than a consist has coach slots, still ends.
TEST(TimetableSheets, CouplingChainsEnd) {
    std::vector<Train> trains;
    for (int32_t k = 0; k < 3; ++k)
        trains.push_back(train(2, 700, 710)
                             .numbers(k + 1, k + 1)
                             .couplings(((k + 1) % 3) * 10 + 1, ((k + 1) % 3) * 10 + 1));
    trains.push_back(train(2, 800, 810).numbers(9, 9).couplings(31, 0));  // points at itself
    EXPECT_EQ(column(dispatcherSheet(station(trains), {}, {}), 6),
              (Cells{"razem z 2, 3", "razem z 3, 1", "razem z 1, 2", ""}));
    trains.back().coupledWith = 41;  // points beyond the trains
    EXPECT_EQ(column(dispatcherSheet(station(trains), {}, {}), 6).back(), "");
    std::vector<Train> ring;  // twelve trains in a ring: the walk stops at nine
    for (int32_t k = 0; k < 12; ++k)
        ring.push_back(train(2, 700, 710).numbers(k, k).couplings(((k + 1) % 12) * 10 + 1, 0));
    const std::string text = column(dispatcherSheet(station(ring), {}, {}), 6).front();
    EXPECT_EQ(text, "rozłączany z 1, 2, 3, 4, 5, 6, 7, 8, 9");
}

// CSV: a byte order mark, the headers, semicolons, CR LF, quotes around a field holding a
// quote (doubled), a semicolon, a line end or blanks at its ends; read back field by field.
TEST(TimetableSheets, CsvQuotesWhatASpreadsheetWouldSplit) {
    Sheet sheet;
    sheet.columns = {{"Godz.", 1}, {"Nazwa", 1}};
    sheet.rows = {
        {0, 0, {"7:05", "Łódź \"Kaliska\""}}, {1, 0, {"a;b", "x\r\ny"}}, {2, 0, {" lead", ""}}};
    EXPECT_EQ(sheetCsv(sheet),
              "\xEF\xBB\xBFGodz.;Nazwa\r\n"
              "7:05;\"Łódź \"\"Kaliska\"\"\"\r\n"
              "\"a;b\";\"x\r\ny\"\r\n"
              "\" lead\";\r\n");
}

// A text a spreadsheet would run as a formula gets an apostrophe; numbers, negative ones
// included, stay numbers, and a formula sign inside a text changes nothing.
TEST(TimetableSheets, CsvNeverHandsASpreadsheetAFormula) {
    Sheet sheet;
    sheet.columns = {{"=SUM(A1)", 1}};
    for (const char* cell :
         {"=HYPERLINK(\"http://x\")", "+48 123", "-cmd", "@SUM(1)", "\tx", "-", "-12", "+3", "-2,5",
          "0", "10.5", "a=b", "Kraków - Gdynia", "-1-2", "--1", "-,5", "1,"})
        sheet.rows.push_back({0, 0, {cell}});
    EXPECT_EQ(sheetCsv(sheet),
              "\xEF\xBB\xBF'=SUM(A1)\r\n"
              "\"'=HYPERLINK(\"\"http://x\"\")\"\r\n"
              "'+48 123\r\n'-cmd\r\n'@SUM(1)\r\n'\tx\r\n'-\r\n"
              "-12\r\n+3\r\n-2,5\r\n0\r\n10.5\r\na=b\r\nKraków - Gdynia\r\n'-1-2\r\n"
              "'--1\r\n'-,5\r\n1,\r\n");
}

// HTML: one page, its texts escaped, a board's rows under a line for each hour.
TEST(TimetableSheets, HtmlEscapesAndBandsTheHours) {
    const TimetableContent c = station({
        train(1, 0, 705).numbers(0, 1).stations(0, 1).platforms(0, 1),
        train(1, 0, 759).numbers(0, 2).stations(0, 1).platforms(0, 1),
        train(1, 0, 800).numbers(0, 3).stations(0, 1).platforms(0, 1),
    });
    Sheet board = departureBoard(c, {});
    board.rows[0].cells[2] = "<A & \"B\">";
    const std::string html = sheetHtml(board);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("&lt;A &amp; &quot;B&quot;&gt;"), std::string::npos);
    std::size_t hours = 0;
    for (std::size_t at = html.find("class=\"hour\""); at != std::string::npos;
         at = html.find("class=\"hour\"", at + 1))
        ++hours;
    EXPECT_EQ(hours, 2u);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos);  // nothing fetched from elsewhere
}

// After midnight in a day that starts at 4:00 the hours go on in bands of their own: 23, 0,
// 1, and 3 just before the day ends.
TEST(TimetableSheets, HtmlBandsTheHoursAfterMidnight) {
    const TimetableContent c = station({
        train(1, 0, 2330).numbers(0, 1).stations(0, 1).platforms(0, 1),
        train(1, 0, 10).numbers(0, 2).stations(0, 1).platforms(0, 1),
        train(1, 0, 120).numbers(0, 3).stations(0, 1).platforms(0, 1),
        train(1, 0, 359).numbers(0, 4).stations(0, 1).platforms(0, 1),
        train(1, 0, 400).numbers(0, 5).stations(0, 1).platforms(0, 1),
    });
    const std::string html = sheetHtml(departureBoard(c, {}));
    std::vector<std::string> bands;
    const std::string mark = "<tr class=\"hour\"><th colspan=\"4\">";
    for (std::size_t at = html.find(mark); at != std::string::npos; at = html.find(mark, at + 1))
        bands.push_back(
            html.substr(at + mark.size(), html.find('<', at + mark.size()) - at - mark.size()));
    EXPECT_EQ(bands, (std::vector<std::string>{"4", "23", "0", "1", "3"}));
    // Rows without a time stand in a band of their own, as on the printed page.
    EXPECT_EQ(hourBandText(-1), "?");
    EXPECT_EQ(hourBandText(0), "0");
    EXPECT_EQ(hourBandText(1439), "23");
    EXPECT_TRUE(sameHourBand(-1, -7));
    EXPECT_FALSE(sameHourBand(-1, 0));
    EXPECT_FALSE(sameHourBand(59, 60));
    EXPECT_TRUE(sameHourBand(60, 119));
}

// A passage whose locomotive stays with its train (arriving and departing with one train) is
// named once on that train's row, from the depot or not.
TEST(TimetableSheets, APassageOfOneTrainIsNamedOnce) {
    TimetableContent c = station({
        train(2, 700, 710).numbers(100, 101).platforms(1, 1).stations(1, 2),
        train(2, 800, 810).numbers(200, 201).platforms(1, 1).stations(1, 2),
    });
    c.passages = {{1, 0, 0, 0, 0}, {1, 0, -1, 1, 0}};
    const Sheet sheet = dispatcherSheet(c, {}, {});
    EXPECT_EQ(column(sheet, 7), (Cells{"EU07 100 → 101", "EU07 200 → 201"}));
}
