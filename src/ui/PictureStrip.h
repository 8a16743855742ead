#pragma once

#include <QScrollArea>
#include <QString>
#include <QVector>

class QLabel;

namespace rylmo::ui {

struct StripEntry {
    QString pictureName;  // vehicle name; the picture is folder + name + ".bmp"
    QString label;        // shown below the picture when not empty
    QString toolTip;
    bool bold = false;
};

// Where a strip places its pictures and labels inside its scrolling panel.
struct StripLayout {
    int left = 10;        // left edge of the first picture
    int pictureTop = 0;
    int labelTop = -1;    // top of the labels; -1 puts each label right below its picture
};

// A scrolling row of rolling-stock pictures placed left to right with no gaps, each
// optionally with a label below it, a tooltip and a bold label.
class PictureStrip : public QScrollArea {
    Q_OBJECT
public:
    explicit PictureStrip(QWidget* parent = nullptr);

    void setStripLayout(const StripLayout& layout) { m_layout = layout; }
    void setEntries(const QString& folder, const QVector<StripEntry>& entries);
    void clear();

    int count() const { return static_cast<int>(m_pictures.size()); }
    QLabel* picture(int i) const { return m_pictures.at(i); }
    QLabel* label(int i) const { return m_labels.at(i); }

private:
    StripLayout m_layout;
    QWidget* m_panel;
    QVector<QLabel*> m_pictures;
    QVector<QLabel*> m_labels;  // nullptr for an entry without a label
};

}  // namespace rylmo::ui
