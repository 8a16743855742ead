#include "ui/PictureStrip.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

#include "ui/RollingStockPicture.h"

namespace rylmo::ui {

// The panel inside the scroll area: paints the strip's pictures and labels.
class StripCanvas : public QWidget {
public:
    explicit StripCanvas(PictureStrip& strip) : m_strip(strip) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect dirty = event->rect();
        m_strip.measureTo(dirty.right());
        QFont regular = font();
        QFont bold = regular;
        bold.setBold(true);
        for (int i = 0; i < m_strip.m_measured; ++i) {
            const PictureStrip::Item& item = m_strip.m_items[i];
            if (item.pictureRect.left() > dirty.right() && item.labelRect.left() > dirty.right())
                break;
            if (item.pictureRect.intersects(dirty)) {
                if (item.picture.isNull()) {
                    // Tiles of missing pictures are drawn only where they show.
                    drawPlaceholder(painter, item.pictureRect.topLeft(),
                                    item.entry.pictureName.isEmpty() ? item.entry.placeholder
                                                                     : item.entry.pictureName);
                } else {
                    painter.drawPixmap(item.pictureRect.topLeft(), item.picture);
                }
            }
            if (!item.labelRect.isEmpty() && item.labelRect.intersects(dirty)) {
                painter.setFont(item.entry.bold ? bold : regular);
                painter.drawText(item.labelRect, Qt::AlignLeft | Qt::AlignTop, item.entry.label);
            }
        }
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const int i = m_strip.entryAt(help->pos());
            if (i >= 0 && !m_strip.m_items[i].entry.toolTip.isEmpty()) {
                QToolTip::showText(help->globalPos(), m_strip.m_items[i].entry.toolTip, this);
            } else {
                QToolTip::hideText();
                event->ignore();
            }
            return true;
        }
        return QWidget::event(event);
    }

private:
    PictureStrip& m_strip;
};

PictureStrip::PictureStrip(QWidget* parent) : QScrollArea(parent) {
    setWidget(new StripCanvas(*this));
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Base);
    widget()->resize(0, 0);
}

void PictureStrip::clear() {
    m_items.clear();
    m_measured = 0;
    widget()->resize(0, 0);
    widget()->update();
}

void PictureStrip::setEntries(const QString& folder, const QVector<StripEntry>& entries) {
    m_folder = folder;
    m_items.clear();
    m_items.reserve(entries.size());
    for (const StripEntry& entry : entries) m_items.append(Item{entry, {}, {}, {}});
    m_measured = 0;
    m_nextLeft = m_layout.left;
    m_right = 0;
    m_bottom = 0;
    measureVisible();
    widget()->update();
}

void PictureStrip::measureTo(int x, int i) const {
    const int before = m_measured;
    const QFontMetrics regular(widget()->font());
    QFont boldFont = widget()->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    while (m_measured < m_items.size() && (m_nextLeft <= x || m_measured <= i)) {
        Item& item = m_items[m_measured];
        const StripEntry& entry = item.entry;
        if (!entry.pictureName.isEmpty())
            item.picture = findRollingStockPicture(m_folder, entry.pictureName, m_layout.opaque);
        const QSize size = item.picture.isNull() ? QSize(placeholderWidth, placeholderHeight)
                                                 : item.picture.size();
        item.pictureRect = QRect(QPoint(m_nextLeft, m_layout.pictureTop), size);
        if (!entry.label.isEmpty()) {
            const QFontMetrics& metrics = entry.bold ? bold : regular;
            const int top =
                m_layout.labelTop >= 0 ? m_layout.labelTop : item.pictureRect.bottom() + 1;
            item.labelRect = QRect(QPoint(m_nextLeft, top), metrics.size(0, entry.label));
        }
        m_right = std::max({m_right, item.pictureRect.right() + 1, item.labelRect.right() + 1});
        m_bottom = std::max({m_bottom, item.pictureRect.bottom() + 1, item.labelRect.bottom() + 1});
        m_nextLeft += m_layout.labelsKeepApart ? std::max(size.width(), item.labelRect.width() + 6)
                                               : size.width();
        ++m_measured;
    }
    if (m_measured == before && !(m_measured == 0 && m_items.isEmpty())) return;
    const int rest = static_cast<int>(m_items.size()) - m_measured;
    const int mean = m_measured > 0 ? (m_nextLeft - m_layout.left) / m_measured : 0;
    const int width = rest > 0 ? std::max(m_right, m_nextLeft + rest * mean) : m_right;
    if (widget()->size() != QSize(width, m_bottom)) widget()->resize(width, m_bottom);
}

const PictureStrip::Item& PictureStrip::measured(int i) const {
    measureTo(-1, i);
    return m_items.at(i);
}

void PictureStrip::measureVisible() const {
    measureTo(horizontalScrollBar()->value() + viewport()->width());
}

void PictureStrip::scrollContentsBy(int dx, int dy) {
    measureVisible();
    QScrollArea::scrollContentsBy(dx, dy);
}

void PictureStrip::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    measureVisible();
}

int PictureStrip::entryAt(const QPoint& point) const {
    measureTo(point.x());
    for (int i = 0; i < m_measured; ++i) {
        if (m_items[i].pictureRect.contains(point) || m_items[i].labelRect.contains(point))
            return i;
    }
    return -1;
}

}  // namespace rylmo::ui
