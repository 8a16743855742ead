#include "ui/PictureStrip.h"

#include <QLabel>

#include <algorithm>

#include "ui/RollingStockPicture.h"

namespace rylmo::ui {

PictureStrip::PictureStrip(QWidget* parent) : QScrollArea(parent), m_panel(new QWidget) {
    setWidget(m_panel);
    setWidgetResizable(false);
    setBackgroundRole(QPalette::Base);
    m_panel->resize(0, 0);
}

void PictureStrip::clear() {
    qDeleteAll(m_pictures);
    qDeleteAll(m_labels);
    m_pictures.clear();
    m_labels.clear();
    m_panel->resize(0, 0);
}

void PictureStrip::setEntries(const QString& folder, const QVector<StripEntry>& entries) {
    clear();
    int left = m_layout.left;
    int right = 0;
    int bottom = 0;
    for (const StripEntry& entry : entries) {
        auto* picture = new QLabel(m_panel);
        picture->setPixmap(rollingStockPicture(folder, entry.pictureName));
        picture->resize(picture->pixmap().size());
        picture->move(left, m_layout.pictureTop);
        picture->setToolTip(entry.toolTip);
        picture->show();
        m_pictures.append(picture);
        right = std::max(right, picture->geometry().right() + 1);
        bottom = std::max(bottom, picture->geometry().bottom() + 1);

        QLabel* label = nullptr;
        if (!entry.label.isEmpty()) {
            label = new QLabel(entry.label, m_panel);
            QFont font = label->font();
            font.setBold(entry.bold);
            label->setFont(font);
            label->setToolTip(entry.toolTip);
            label->adjustSize();
            const int top = m_layout.labelTop >= 0 ? m_layout.labelTop
                                                   : m_layout.pictureTop + picture->height();
            label->move(left, top);
            label->show();
            right = std::max(right, label->geometry().right() + 1);
            bottom = std::max(bottom, label->geometry().bottom() + 1);
        }
        m_labels.append(label);
        left += picture->width();
    }
    m_panel->resize(right, bottom);
}

}  // namespace rylmo::ui
