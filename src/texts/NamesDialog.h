#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "document/Timetable.h"
#include "editing/EntryList.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace rylmo::texts {

// The three name lists as plain text, one name per line. "Zamknij" accepts when every
// changed page holds valid names; otherwise it says why and puts the cursor on the line.
class NamesDialog : public QDialog {
    Q_OBJECT
public:
    explicit NamesDialog(const TimetableContent& content, QWidget* parent = nullptr);

    // The lists of the pages changed since they were filled, with their new names; valid
    // once the dialog was accepted.
    const std::vector<std::pair<editing::ListMember<std::string>, std::vector<std::string>>>&
    changedLists() const {
        return m_changed;
    }

    // Shows the page of the list with this caption ("Stacje").
    void showPage(const QString& caption);

    // "Zamknij".
    void storeAndClose();

private:
    // A page is filled when it is first shown, and a long list a part at a time while the
    // dialog already shows the first: a million names take seconds to lay out. The page
    // stays read-only, and unchanged, until it holds every name.
    void fillPage(int page);
    void fillMore(std::size_t page);
    bool isFilling(std::size_t page) const;
    static QString cutPageNotice();
    // Says so under a page that holds cut names.
    void showNotice();

    const TimetableContent& m_content;
    std::array<bool, 3> m_filled{};
    std::array<bool, 3> m_cut{};
    std::array<std::size_t, 3> m_namesShown{};
    QTabWidget* m_pages;
    std::array<QPlainTextEdit*, 3> m_edits{};
    QPushButton* m_close;
    QLabel* m_notice;
    std::vector<std::pair<editing::ListMember<std::string>, std::vector<std::string>>> m_changed;
};

}  // namespace rylmo::texts
