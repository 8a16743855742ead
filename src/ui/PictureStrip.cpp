#include "ui/PictureStrip.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
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
        QFont regular = font();
        QFont bold = regular;
        bold.setBold(true);
        for (const PictureStrip::Item& item : m_strip.m_items) {
            if (item.pictureRect.intersects(dirty)) {
                if (item.picture.isNull()) {
                    // Tiles of missing pictures are drawn only where they show.
                    drawPlaceholder(painter, item.pictureRect.topLeft(),
                                    item.entry.pictureName.isEmpty() ? item.entry.placeholder : item.entry.pictureName);
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
    widget()->resize(0, 0);
    widget()->update();
}

void PictureStrip::setEntries(const QString& folder, const QVector<StripEntry>& entries) {
    m_items.clear();
    m_items.reserve(entries.size());
    const QFontMetrics regular(widget()->font());
    QFont boldFont = widget()->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    int left = m_layout.left;
    int right = 0;
    int bottom = 0;
    for (const StripEntry& entry : entries) {
        Item item{entry, {}, {}, {}};
        if (!entry.pictureName.isEmpty()) item.picture = findRollingStockPicture(folder, entry.pictureName, m_layout.opaque);
        const QSize size = item.picture.isNull() ? QSize(placeholderWidth, placeholderHeight) : item.picture.size();
        item.pictureRect = QRect(QPoint(left, m_layout.pictureTop), size);
        if (!entry.label.isEmpty()) {
            const QFontMetrics& metrics = entry.bold ? bold : regular;
            const int top = m_layout.labelTop >= 0 ? m_layout.labelTop : item.pictureRect.bottom() + 1;
            item.labelRect = QRect(QPoint(left, top), metrics.size(0, entry.label));
        }
        right = std::max({right, item.pictureRect.right() + 1, item.labelRect.right() + 1});
        bottom = std::max({bottom, item.pictureRect.bottom() + 1, item.labelRect.bottom() + 1});
        left += m_layout.labelsKeepApart ? std::max(size.width(), item.labelRect.width() + 6) : size.width();
        m_items.append(std::move(item));
    }
    widget()->resize(right, bottom);
    widget()->update();
}

int PictureStrip::entryAt(const QPoint& point) const {
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items[i].pictureRect.contains(point) || m_items[i].labelRect.contains(point)) return i;
    }
    return -1;
}

}  // namespace rylmo::ui
