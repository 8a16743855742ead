#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "document/TimetableSheets.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace rylmo::render {

// A sheet laid out on the pages of one paint device (a PDF writer, a printer, its preview):
// every page carries the station, what the sheet is, its time window and "strona 2 z 5"
// above the column headers; rows have one height and never break across pages; a board
// fills as many blocks of columns side by side as the page is wide enough for, each with the
// hours in a band on its left. Texts too long for their column end in "…".
class SheetPages {
public:
    SheetPages(const Sheet& sheet, const QPaintDevice& device);

    int pageCount() const { return m_pageCount; }
    int rowsPerBlock() const { return m_rowsPerBlock; }
    int blocksPerPage() const { return m_blocks; }
    int rowsPerPage() const { return m_rowsPerBlock * m_blocks; }

    // Where row (an index into the sheet's rows) stands on its page.
    int pageOf(std::size_t row) const;
    QRectF rowRect(std::size_t row) const;
    // The left edges of the columns of one block (from its first column, after the hour
    // band) and its right edge: columns + 1 values.
    const std::vector<double>& columnEdges() const { return m_edges; }
    QRectF pageArea() const { return m_page; }
    // The type of the rows.
    const QFont& font() const { return m_font; }
    // What lies below the page's header and above its legend: where a sheet without columns
    // (the platform chart) puts its picture.
    QRectF bodyArea() const;

    static QString pageNumberText(int page, int pages);

    // Paints page (0-based).
    void paintPage(QPainter& painter, int page) const;

private:
    std::vector<double> naturalWidths(const QFont& font, const QFont& bold,
                                      QPaintDevice* device) const;
    void paintHeader(QPainter& painter, int page) const;
    void paintHourBands(QPainter& painter, std::size_t first, std::size_t last) const;

    const Sheet& m_sheet;
    QFont m_font;
    QFont m_bold;
    QFont m_title;
    QRectF m_page;
    double m_rowHeight = 0;
    double m_headerHeight = 0;
    double m_footerHeight = 0;
    double m_bandWidth = 0;
    double m_blockWidth = 0;
    double m_blockGap = 0;
    int m_blocks = 1;
    int m_rowsPerBlock = 1;
    int m_pageCount = 1;
    std::vector<double> m_edges;
};

// Paints every page of sheet on device, starting a new page for each but the first (the
// device is a QPagedPaintDevice the caller sized). keepGoing hears the pages done and the
// pages in all after each page; painting stops, and false is returned, when it says false.
bool paintSheet(const Sheet& sheet, QPagedPaintDevice& device,
                const std::function<bool(int done, int pages)>& keepGoing = {});

}  // namespace rylmo::render
