#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QListView;
class QPushButton;
class QSlider;
class QVBoxLayout;

namespace rylmo::ui {

// The buttons of a window over a list of the document: "Dodaj", "Edytuj" (when it has an edit
// handler), "Usuń" and "Zamknij", which accepts the window. Each handler runs guarded.
struct ListButtons {
    struct Handlers {
        std::function<void()> add;
        std::function<void()> edit;  // empty: no "Edytuj"
        std::function<void()> remove;
    };
    // With accelerators the captions underline D, E and U.
    ListButtons(QDialog* window, bool accelerators, const Handlers& handlers);
    // The row of them: the list's buttons at the left, "Zamknij" at the right.
    QHBoxLayout* row() const;

    QPushButton* add;
    QPushButton* edit = nullptr;
    QPushButton* remove;
    QPushButton* close;
};

// A window over a list shown as a list view (captioned above it) beside what shows the current
// entry (captioned too), the buttons under both; the list takes two fifths of the width.
void layListBesideDetail(QDialog* window, const QString& listCaption, QListView* list,
                         const QString& detailCaption, QWidget* detail, const ListButtons& buttons);

// A window that shows the entries of a list one at a time: a track bar in a group, the counter
// (and the position) under it, what shows the entry under them, the list's buttons at the
// bottom. The track bar counts from firstPosition.
class TrackBarWindow : public QDialog {
    Q_OBJECT
public:
    struct Look {
        const char* trackBarName;
        QString groupTitle;
        int firstPosition = 0;
        bool accelerators = false;   // on the buttons
        bool positionLabel = false;  // "Aktualna pozycja" beside the counter
    };

protected:
    TrackBarWindow(const Look& look, const ListButtons::Handlers& handlers, QWidget* parent);

    // Adds what shows the entry, below what is already there, with stretch.
    void addView(QWidget* view, int stretch = 0);
    // Lays the window out at its size; moved runs whenever the track bar moves.
    void finish(int width, int height, std::function<void()> moved);
    // The track bar's range and the buttons' states for count entries.
    void setEntryCount(int count);
    // The chosen entry, 0-based; -1 with none.
    int chosenEntry(int count) const;

    QSlider* m_entries;
    QLabel* m_counter;
    QLabel* m_position = nullptr;
    ListButtons m_buttons;

private:
    QVBoxLayout* m_content;
    QGroupBox* m_group;
    int m_first;
};

}  // namespace rylmo::ui
