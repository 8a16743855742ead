#pragma once

#include <QMessageBox>
#include <QString>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QDialog;
class QUrl;
class QWidget;

namespace rylmo {
struct References;
}

namespace rylmo::ui {

// Every message box, file dialog, folder browser, modal dialog and shell request of the
// program goes through the installed Prompter, so that tests can answer them.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A modal message box titled with the application title.
    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    // The same with the buttons named otherwise ("Przywróć" for Yes): each answer keeps the
    // meaning of its standard button, Escape that of Cancel.
    using ButtonNames = std::vector<std::pair<QMessageBox::StandardButton, QString>>;
    virtual QMessageBox::StandardButton choice(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& text, const ButtonNames& names,
                                               QMessageBox::StandardButton defaultButton) = 0;

    // Filters are given as "Description|pattern|Description|pattern"; the dialogs start in
    // folder when one is given. An empty result means the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter,
                                 const QString& folder = {}) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter,
                                 const QString& defaultSuffix, const QString& folder = {}) = 0;
    virtual QString folder(QWidget* parent, const QString& title) = 0;

    // Shows dialog modally and returns its result.
    virtual int exec(QDialog& dialog) = 0;

    // Hands url to the desktop (the browser, the mail program); false when nothing took it.
    virtual bool openUrl(const QUrl& url) = 0;
};

Prompter& prompter();

// Installs prompter for the whole program (nullptr restores the real dialogs). The caller
// keeps ownership.
void setPrompter(Prompter* prompter);

// The real dialogs of the desktop.
class DesktopPrompter : public Prompter {
public:
    QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QMessageBox::StandardButton choice(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                       const ButtonNames& names,
                                       QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget* parent, const QString& filter,
                         const QString& folder = {}) override;
    QString saveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                         const QString& folder = {}) override;
    QString folder(QWidget* parent, const QString& title) override;
    int exec(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;
};

// The message box every question and message of the program shows: titled with the
// application title, its standard buttons named in Polish whatever translations are
// installed.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton);

// Converts "Description|pattern|..." into a Qt name filter list "Description (pattern);;...".
QString qtNameFilters(const QString& filter);

// Confirmation box: warning icon, Yes and No, No the default; true only for Yes.
bool confirm(QWidget* parent, const QString& text);

// The delete question: question, then (on a line of its own, unless empty) what deleting
// does to the entries that refer to what is deleted; true only for Yes.
bool confirmDelete(QWidget* parent, const QString& question, const std::string& notice);

// Information box: information icon and one OK button.
void inform(QWidget* parent, const QString& text);

// Shows a list window modally, titled with the command's caption, at entry (none for -1).
template <class ListWindow>
void showListWindow(ListWindow& window, const QString& caption, int entry) {
    window.setWindowTitle(caption);
    if (entry >= 0) window.showAt(entry);
    prompter().exec(window);
}

// The same for a list window made here of args and parent.
template <class ListWindow, class... Args>
void showListWindow(QWidget* parent, const QString& caption, int entry, Args&&... args) {
    ListWindow window(std::forward<Args>(args)..., parent);
    showListWindow(window, caption, entry);
}

}  // namespace rylmo::ui
