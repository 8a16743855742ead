#include "ui/Prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

namespace rylmo::ui {

namespace {

Prompter* installed = nullptr;

}  // namespace

Prompter& prompter() {
    static DesktopPrompter desktop;
    return installed ? *installed : desktop;
}

void setPrompter(Prompter* prompter) {
    installed = prompter;
}

QString qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << (description.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))
                        ? description
                        : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QMessageBox::StandardButton DesktopPrompter::message(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::StandardButton defaultButton) {
    const std::unique_ptr<QMessageBox> box = messageBox(parent, icon, text, buttons, defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

QMessageBox::StandardButton DesktopPrompter::choice(QWidget* parent, QMessageBox::Icon icon,
                                                    const QString& text, const ButtonNames& names,
                                                    QMessageBox::StandardButton defaultButton) {
    QMessageBox::StandardButtons buttons;
    for (const auto& [button, name] : names) buttons |= button;
    const std::unique_ptr<QMessageBox> box = messageBox(parent, icon, text, buttons, defaultButton);
    for (const auto& [button, name] : names) box->button(button)->setText(name);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
    auto box = std::make_unique<QMessageBox>(icon, QCoreApplication::applicationName(), text,
                                             buttons, parent);
    box->setDefaultButton(defaultButton);
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "Tak"},
        {QMessageBox::No, "Nie"},
        {QMessageBox::Cancel, "Anuluj"},
        {QMessageBox::Ok, "OK"}};
    for (const auto& [button, name] : names) {
        if (QAbstractButton* b = box->button(button)) b->setText(QString::fromUtf8(name));
    }
    return box;
}

QString DesktopPrompter::openFileName(QWidget* parent, const QString& filter,
                                      const QString& folder) {
    QFileDialog dialog(parent, QString(), folder, qtNameFilters(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name is handed on as it stands: the program itself says when it cannot open
    // a file, in the same words as for any other.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopPrompter::saveFileName(QWidget* parent, const QString& filter,
                                      const QString& defaultSuffix, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder, qtNameFilters(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // Choosing an existing file replaces it without a further question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

QString DesktopPrompter::folder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title, QString(), QFileDialog::ShowDirsOnly);
}

int DesktopPrompter::exec(QDialog& dialog) {
    return dialog.exec();
}

bool DesktopPrompter::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

bool confirm(QWidget* parent, const QString& text) {
    return prompter().message(parent, QMessageBox::Warning, text,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes;
}

bool confirmDelete(QWidget* parent, const QString& question, const std::string& notice) {
    return confirm(parent, notice.empty()
                               ? question
                               : question + QLatin1Char('\n') + QString::fromStdString(notice));
}

void inform(QWidget* parent, const QString& text) {
    prompter().message(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace rylmo::ui
