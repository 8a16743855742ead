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
    int left = 10;  // left edge of the first picture
    int pictureTop = 0;
    int labelTop = -1;    // top of the labels; -1 puts each label right below its picture
    bool opaque = false;  // pictures as drawn, without the transparent colour
    // The next entry starts after the wider of a picture and its label, so that labels of
    // several lines never run into each other.
    bool labelsKeepApart = false;
};

// A scrolling row of rolling-stock pictures placed left to right with no gaps, each
// optionally with a label below it, a tooltip and a bold label. One widget paints them all,
// and entries are measured (their pictures loaded) only as far as the strip has been shown
// or asked about: a row of thousands of vehicles opens as fast as the few that show. Until
// all are measured, the panel's width counts the rest at the mean width of those measured.
class PictureStrip : public QScrollArea {
    Q_OBJECT
public:
    explicit PictureStrip(QWidget* parent = nullptr);

    void setStripLayout(const StripLayout& layout) { m_layout = layout; }
    void setEntries(const QString& folder, const QVector<StripEntry>& entries);
    void clear();

    int count() const { return static_cast<int>(m_items.size()); }
    QRect pictureRect(int i) const { return measured(i).pictureRect; }
    QRect labelRect(int i) const { return measured(i).labelRect; }  // empty without a label
    const StripEntry& entry(int i) const { return m_items.at(i).entry; }
    // The picture shown; a null pixmap where a placeholder tile stands in.
    const QPixmap& picture(int i) const { return measured(i).picture; }
    // The entry whose picture or label lies at a point of the panel; -1 for none.
    int entryAt(const QPoint& point) const;
    // How many entries have been measured so far (for tests).
    int measuredCount() const { return m_measured; }

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class StripCanvas;
    struct Item {
        StripEntry entry;
        QPixmap picture;
        QRect pictureRect;
        QRect labelRect;
    };

    // Measures entries until one reaches beyond x (or up to entry i), then sizes the panel.
    void measureTo(int x, int i = -1) const;
    const Item& measured(int i) const;
    void measureVisible() const;

    StripLayout m_layout;
    QString m_folder;
    mutable QVector<Item> m_items;
    mutable int m_measured = 0;
    mutable int m_nextLeft = 0;
    mutable int m_right = 0;
    mutable int m_bottom = 0;
};

}  // namespace rylmo::ui
