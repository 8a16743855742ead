#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

#include "ui/Prompter.h"

namespace rylmo::test {

// Answers the program's questions and dialogs from a script and records what was asked.
// Installed for its lifetime.
class ScriptedPrompter : public ui::Prompter {
public:
    struct Message {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        QStringList buttonNames;  // of a choice, in order
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // Answers in order; a message with no answer left gets its default button.
    std::deque<QMessageBox::StandardButton> answers;
    // File names for the open and save dialogs, in order; an empty name cancels.
    std::deque<QString> fileNames;
    std::deque<QString> folders;
    // Drive each modal dialog in turn, as a user would, ending it with its buttons; a dialog
    // with no driver left, or one its driver leaves open, counts as cancelled.
    std::deque<std::function<void(QDialog&)>> dialogs;

    std::vector<Message> messages;
    std::vector<QString> fileDialogs;  // "open|filter" or "save|filter|suffix"
    std::vector<QString> openFolders;  // where each open or save dialog started
    std::vector<QString> folderTitles;
    std::vector<QString> dialogTitles;
    std::vector<QUrl> urls;

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
    bool urlsOpen = true;  // what openUrl answers

    // The texts of the messages shown so far.
    QStringList messageTexts() const;
};

}  // namespace rylmo::test
