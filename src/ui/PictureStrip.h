#pragma once

#include <QPixmap>
#include <QRect>
#include <QScrollArea>
#include <QString>
#include <QVector>

namespace rylmo::ui {

struct StripEntry {
    QString pictureName;  // vehicle name; the picture is folder + name + ".bmp"
    QString label;        // shown below the picture when not empty
    QString toolTip;
    bool bold = false;
    QString placeholder;  // with no picture name: the text of the placeholder tile
};

// Where a strip places its pictures and labels inside its scrolling panel.
struct StripLayout {
    int left = 10;        // left edge of the first picture
    int pictureTop = 0;
    int labelTop = -1;    // top of the labels; -1 puts each label right below its picture
    bool opaque = false;  // pictures as drawn, without the transparent colour
    // The next entry starts after the wider of a picture and its label, so that labels of
    // several lines never run into each other.
    bool labelsKeepApart = false;
};

// A scrolling row of rolling-stock pictures placed left to right with no gaps, each
// optionally with a label below it, a tooltip and a bold label. One widget paints them all,
// so a row of thousands of vehicles costs no more than their pictures.
class PictureStrip : public QScrollArea {
    Q_OBJECT
public:
    explicit PictureStrip(QWidget* parent = nullptr);

    void setStripLayout(const StripLayout& layout) { m_layout = layout; }
    void setEntries(const QString& folder, const QVector<StripEntry>& entries);
    void clear();

    int count() const { return static_cast<int>(m_items.size()); }
    QRect pictureRect(int i) const { return m_items.at(i).pictureRect; }
    QRect labelRect(int i) const { return m_items.at(i).labelRect; }  // empty without a label
    const StripEntry& entry(int i) const { return m_items.at(i).entry; }
    // The picture shown; a null pixmap where a placeholder tile stands in.
    const QPixmap& picture(int i) const { return m_items.at(i).picture; }
    // The entry whose picture or label lies at a point of the panel; -1 for none.
    int entryAt(const QPoint& point) const;

private:
    friend class StripCanvas;
    struct Item {
        StripEntry entry;
        QPixmap picture;
        QRect pictureRect;
        QRect labelRect;
    };

    StripLayout m_layout;
    QVector<Item> m_items;
};

}  // namespace rylmo::ui
