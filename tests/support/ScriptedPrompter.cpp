#include "ScriptedPrompter.h"

#include <QDialog>

namespace rylmo::test {

namespace {

template <class T>
T next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

}  // namespace

ScriptedPrompter::ScriptedPrompter() {
    ui::setPrompter(this);
}
ScriptedPrompter::~ScriptedPrompter() {
    ui::setPrompter(nullptr);
}

QMessageBox::StandardButton ScriptedPrompter::message(QWidget*, QMessageBox::Icon icon,
                                                      const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) {
    messages.push_back({icon, text, buttons, defaultButton, {}});
    return next(answers, defaultButton);
}

QMessageBox::StandardButton ScriptedPrompter::choice(QWidget*, QMessageBox::Icon icon,
                                                     const QString& text, const ButtonNames& names,
                                                     QMessageBox::StandardButton defaultButton) {
    QMessageBox::StandardButtons buttons;
    QStringList buttonNames;
    for (const auto& [button, name] : names) {
        buttons |= button;
        buttonNames << name;
    }
    messages.push_back({icon, text, buttons, defaultButton, buttonNames});
    return next(answers, defaultButton);
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& filter, const QString& folder) {
    fileDialogs.push_back(QStringLiteral("open|") + filter);
    openFolders.push_back(folder);
    return next(fileNames, QString());
}

QString ScriptedPrompter::saveFileName(QWidget*, const QString& filter,
                                       const QString& defaultSuffix, const QString& folder) {
    fileDialogs.push_back(QStringLiteral("save|") + filter + QLatin1Char('|') + defaultSuffix);
    openFolders.push_back(folder);
    return next(fileNames, QString());
}

QString ScriptedPrompter::folder(QWidget*, const QString& title) {
    folderTitles.push_back(title);
    return next(folders, QString());
}

int ScriptedPrompter::exec(QDialog& dialog) {
    dialogTitles.push_back(dialog.windowTitle());
    dialog.setResult(QDialog::Rejected);
    if (auto drive = next(dialogs, std::function<void(QDialog&)>())) drive(dialog);
    return dialog.result();
}

bool ScriptedPrompter::openUrl(const QUrl& url) {
    urls.push_back(url);
    return urlsOpen;
}

QStringList ScriptedPrompter::messageTexts() const {
    QStringList texts;
    for (const Message& m : messages) texts << m.text;
    return texts;
}

}  // namespace rylmo::test
