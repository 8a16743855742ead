#include "render/SheetPages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace rylmo::render {

namespace {

QString text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QFont sized(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

const QColor bandColour(0x1d, 0x3d, 0x6b);

}  // namespace

// The widths every column needs in font: its share of average characters, never narrower than
// its header, with room on both sides.
std::vector<double> SheetPages::naturalWidths(const QFont& font, const QFont& bold,
                                              QPaintDevice* device) const {
    const QFontMetricsF metrics(font, device);
    const QFontMetricsF headers(bold, device);
    std::vector<double> widths;
    for (const SheetColumn& column : m_sheet.columns) {
        widths.push_back(std::max(column.width * metrics.averageCharWidth(),
                                  headers.horizontalAdvance(text(column.header))) +
                         2 * metrics.averageCharWidth() * 0.6);
    }
    return widths;
}

// The rows of each column whose texts are longest: the ones that decide how wide it must be,
// found without measuring every row of a sheet of a hundred thousand.
std::vector<std::vector<std::size_t>> longestCells(const Sheet& sheet) {
    constexpr std::size_t kept = 12;
    std::vector<std::vector<std::size_t>> longest(sheet.columns.size());
    for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
        std::vector<std::size_t>& rows = longest[c];
        const auto longer = [&sheet, c](std::size_t a, std::size_t b) {
            return sheet.rows[a].cells[c].size() > sheet.rows[b].cells[c].size();
        };
        for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
            if (c >= sheet.rows[row].cells.size() || sheet.rows[row].cells[c].empty()) continue;
            if (rows.size() == kept && !longer(row, rows.back())) continue;
            if (rows.size() == kept) rows.pop_back();
            rows.insert(std::upper_bound(rows.begin(), rows.end(), row, longer), row);
        }
    }
    return longest;
}

// Widths for columns that need needed (at least minimum each) in available: all they need
// and the rest in proportion, or, when that is too much, as much as fits with the widest
// columns cut to one common width.
std::vector<double> fitted(const std::vector<double>& needed, const std::vector<double>& minimum,
                           double available) {
    const double total = std::accumulate(needed.begin(), needed.end(), 0.0);
    std::vector<double> widths = needed;
    if (total <= available) {
        const double stretch = total > 0 ? available / total : 0;
        for (double& width : widths) width *= stretch;
        return widths;
    }
    const auto widthsAt = [&](double cap) {
        for (std::size_t c = 0; c < needed.size(); ++c)
            widths[c] = std::max(minimum[c], std::min(needed[c], cap));
        return std::accumulate(widths.begin(), widths.end(), 0.0);
    };
    double low = 0, high = *std::max_element(needed.begin(), needed.end());
    for (int step = 0; step < 40; ++step) {
        const double cap = (low + high) / 2;
        (widthsAt(cap) > available ? high : low) = cap;
    }
    const double sum = widthsAt(low);
    // Headers alone wider than the block: all shrink alike.
    if (sum > available && sum > 0)
        for (double& width : widths) width *= available / sum;
    return widths;
}

SheetPages::SheetPages(const Sheet& sheet, const QPaintDevice& device)
    : m_sheet(sheet),
      m_font(sized(8, false)),
      m_bold(sized(8, true)),
      m_title(sized(14, true)),
      m_page(0, 0, device.width(), device.height()) {
    // Fonts are measured on the device itself, so that the layout is the one painted.
    QPaintDevice* measured = const_cast<QPaintDevice*>(&device);
    std::vector<double> widths = naturalWidths(m_font, m_bold, measured);
    double natural = std::accumulate(widths.begin(), widths.end(), 0.0);
    // A sheet of many columns takes a smaller type rather than cut every header short.
    constexpr double smallest = 5.5;
    for (double points = 8; natural > m_page.width() && points > smallest;) {
        points = std::max(smallest, points * std::min(0.95, m_page.width() / natural));
        m_font = sized(points, false);
        m_bold = sized(points, true);
        widths = naturalWidths(m_font, m_bold, measured);
        natural = std::accumulate(widths.begin(), widths.end(), 0.0);
    }
    const QFontMetricsF metrics(m_font, measured);
    const QFontMetricsF title(m_title, measured);
    m_rowHeight = std::ceil(metrics.height() * 1.35);
    m_headerHeight = std::ceil(title.height() * 1.2 + metrics.height() * 1.4 + m_rowHeight);
    m_footerHeight = sheet.legend.empty() ? 0 : std::ceil(metrics.height() * 1.5);
    const double rowsHeight = m_page.height() - m_headerHeight - m_footerHeight;
    m_rowsPerBlock = std::max(1, static_cast<int>(rowsHeight / m_rowHeight));

    // What the texts themselves take: the widest of the longest cells of each column.
    const double pad = 2 * metrics.averageCharWidth() * 0.6;
    const QFontMetricsF headers(m_bold, measured);
    std::vector<double> minimum, needed;
    const std::vector<std::vector<std::size_t>> longest = longestCells(sheet);
    for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
        minimum.push_back(headers.horizontalAdvance(text(sheet.columns[c].header)) + pad);
        double widest = minimum.back();
        for (const std::size_t row : longest[c])
            widest = std::max(widest,
                              metrics.horizontalAdvance(text(sheet.rows[row].cells[c])) + pad + 1);
        needed.push_back(widest);
    }
    const double contentWidth = std::accumulate(needed.begin(), needed.end(), 0.0);

    m_bandWidth = sheet.hourBands ? metrics.horizontalAdvance(QStringLiteral("000")) : 0;
    m_blockGap = sheet.hourBands ? metrics.averageCharWidth() * 3 : 0;
    if (sheet.hourBands) {
        // As many blocks side by side as hold what the rows say, never an empty one more.
        const auto fitting = [&](double width) {
            return static_cast<int>((m_page.width() + m_blockGap) /
                                    (m_bandWidth + width + m_blockGap));
        };
        const auto neededBlocks =
            static_cast<int>((sheet.rows.size() + static_cast<std::size_t>(m_rowsPerBlock) - 1) /
                             static_cast<std::size_t>(m_rowsPerBlock));
        m_blocks = std::max(1, std::min({fitting(natural), std::max(1, fitting(contentWidth)),
                                         std::max(1, neededBlocks)}));
    }
    m_blockWidth = (m_page.width() - m_blockGap * (m_blocks - 1)) / m_blocks;
    double edge = m_bandWidth;
    m_edges.push_back(edge);
    for (double width : fitted(needed, minimum, m_blockWidth - m_bandWidth)) {
        edge += width;
        m_edges.push_back(edge);
    }
    const std::size_t perPage = static_cast<std::size_t>(rowsPerPage());
    m_pageCount =
        static_cast<int>(std::max<std::size_t>(1, (sheet.rows.size() + perPage - 1) / perPage));
}

int SheetPages::pageOf(std::size_t row) const {
    return static_cast<int>(row / static_cast<std::size_t>(rowsPerPage()));
}

QRectF SheetPages::rowRect(std::size_t row) const {
    const std::size_t within = row % static_cast<std::size_t>(rowsPerPage());
    const auto block = static_cast<double>(within / static_cast<std::size_t>(m_rowsPerBlock));
    const auto line = static_cast<double>(within % static_cast<std::size_t>(m_rowsPerBlock));
    return {block * (m_blockWidth + m_blockGap), m_headerHeight + line * m_rowHeight, m_blockWidth,
            m_rowHeight};
}

QRectF SheetPages::bodyArea() const {
    const double top = m_sheet.columns.empty() ? m_headerHeight - m_rowHeight : m_headerHeight;
    return {0, top, m_page.width(), m_page.height() - m_footerHeight - top};
}

QString SheetPages::pageNumberText(int page, int pages) {
    return QStringLiteral("strona %1 z %2").arg(page + 1).arg(pages);
}

void SheetPages::paintHeader(QPainter& painter, int page) const {
    const QFontMetricsF title(m_title, painter.device());
    const QFontMetricsF metrics(m_font, painter.device());
    const QRectF titleLine(0, 0, m_page.width(), title.height());
    painter.setFont(m_title);
    const QString pageNumber = pageNumberText(page, m_pageCount);
    const double numberWidth = metrics.horizontalAdvance(pageNumber) + title.averageCharWidth();
    painter.drawText(
        titleLine.adjusted(0, 0, -numberWidth, 0), Qt::AlignLeft | Qt::AlignVCenter,
        title.elidedText(text(m_sheet.station), Qt::ElideRight, titleLine.width() - numberWidth));
    painter.setFont(m_font);
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter, pageNumber);
    const QRectF kindLine(0, title.height() * 1.2, m_page.width(), metrics.height() * 1.2);
    painter.drawText(kindLine, Qt::AlignLeft | Qt::AlignVCenter,
                     text(m_sheet.kind + ", " + m_sheet.window));
    // The column headers over every block.
    painter.setFont(m_bold);
    const double headerTop = m_headerHeight - m_rowHeight;
    for (int block = 0; block < m_blocks; ++block) {
        const double left = block * (m_blockWidth + m_blockGap);
        for (std::size_t c = 0; c < m_sheet.columns.size(); ++c) {
            const QRectF cell(left + m_edges[c], headerTop, m_edges[c + 1] - m_edges[c],
                              m_rowHeight);
            const double pad = metrics.averageCharWidth() * 0.6;
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(m_bold, painter.device())
                                 .elidedText(text(m_sheet.columns[c].header), Qt::ElideRight,
                                             cell.width() - 2 * pad));
        }
        if (!m_sheet.columns.empty())
            painter.drawLine(QPointF(left, m_headerHeight),
                             QPointF(left + m_blockWidth, m_headerHeight));
    }
    if (!m_sheet.legend.empty()) {
        painter.setFont(m_font);
        painter.drawText(
            QRectF(0, m_page.height() - m_footerHeight, m_page.width(), m_footerHeight),
            Qt::AlignLeft | Qt::AlignBottom, text(m_sheet.legend));
    }
}

// The hour of each run of rows with one hour in a block, in a dark band on the block's left.
void SheetPages::paintHourBands(QPainter& painter, std::size_t first, std::size_t last) const {
    std::size_t run = first;
    for (std::size_t row = first; row <= last; ++row) {
        const bool ends = row == last || rowRect(row + 1).top() <= rowRect(row).top() ||
                          !sameHourBand(m_sheet.rows[row + 1].minute, m_sheet.rows[run].minute);
        if (!ends) continue;
        const QRectF top = rowRect(run);
        const QRectF band(top.left(), top.top(), m_bandWidth, rowRect(row).bottom() - top.top());
        painter.fillRect(band.adjusted(0, 1, 0, -1), bandColour);
        painter.setPen(Qt::white);
        painter.setFont(m_bold);
        painter.drawText(QRectF(band.left(), band.top(), band.width(), m_rowHeight),
                         Qt::AlignCenter, text(hourBandText(m_sheet.rows[run].minute)));
        painter.setPen(Qt::black);
        if (row != last && rowRect(row + 1).top() > top.top())
            painter.drawLine(QPointF(band.right(), rowRect(row).bottom()),
                             QPointF(top.left() + m_blockWidth, rowRect(row).bottom()));
        run = row + 1;
    }
}

void SheetPages::paintPage(QPainter& painter, int page) const {
    painter.save();
    paintHeader(painter, page);
    const std::size_t perPage = static_cast<std::size_t>(rowsPerPage());
    const std::size_t first = static_cast<std::size_t>(page) * perPage;
    const std::size_t end = std::min(m_sheet.rows.size(), first + perPage);
    if (first < end && m_sheet.hourBands) paintHourBands(painter, first, end - 1);
    const QFontMetricsF metrics(m_font, painter.device());
    const double pad = metrics.averageCharWidth() * 0.6;
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    for (std::size_t row = first; row < end; ++row) {
        const QRectF line = rowRect(row);
        const std::vector<std::string>& cells = m_sheet.rows[row].cells;
        for (std::size_t c = 0; c < cells.size() && c + 1 < m_edges.size(); ++c) {
            if (cells[c].empty()) continue;
            const QRectF cell(line.left() + m_edges[c] + pad, line.top(),
                              m_edges[c + 1] - m_edges[c] - 2 * pad, line.height());
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(text(cells[c]), Qt::ElideRight, cell.width()));
        }
    }
    painter.restore();
}

bool paintSheet(const Sheet& sheet, QPagedPaintDevice& device,
                const std::function<bool(int done, int pages)>& keepGoing) {
    const SheetPages pages(sheet, device);
    QPainter painter(&device);
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0) device.newPage();
        pages.paintPage(painter, page);
        if (keepGoing && !keepGoing(page + 1, pages.pageCount())) return false;
    }
    return true;
}

}  // namespace rylmo::render
