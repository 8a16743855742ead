#include "trains/TrainClipboard.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "document/TrainClipboard.h"
#include "document/TrainCopies.h"
#include "editing/EditingSession.h"
#include "trains/TrainCommands.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

QString spreadsheetText(const QAbstractItemModel& list, const std::vector<int>& rows) {
    QString table;
    for (int column = 0; column < list.columnCount(); ++column) {
        table += (column > 0 ? QStringLiteral("\t") : QString()) +
                 list.headerData(column, Qt::Horizontal).toString();
    }
    for (int row : rows) {
        table += QStringLiteral("\r\n");
        for (int column = 0; column < list.columnCount(); ++column) {
            table += (column > 0 ? QStringLiteral("\t") : QString()) +
                     list.index(row, column).data().toString();
        }
    }
    return table + QStringLiteral("\r\n");
}

void copyTrains(const editing::EditingSession& session, const QAbstractItemModel& list,
                const std::vector<int>& rows, const std::vector<int>& trains) {
    if (trains.empty()) return;
    auto* copied = new QMimeData;
    copied->setText(spreadsheetText(list, rows));
    copied->setData(
        QString::fromLatin1(trainsMimeType),
        QByteArray::fromStdString(trainClipboardText(
            session.content().trains, std::vector<std::size_t>(trains.begin(), trains.end()))));
    QGuiApplication::clipboard()->setMimeData(copied);
}

void pasteTrains(editing::EditingSession& session, QWidget* parent) {
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    if (!held) return;
    const QString type = QString::fromLatin1(trainsMimeType);
    pasteTrains(session, parent,
                held->hasFormat(type) ? QString::fromUtf8(held->data(type)) : held->text());
}

void pasteTrains(editing::EditingSession& session, QWidget* parent, const QString& clipboardText) {
    auto read = readPastedTrains(clipboardText.toStdString());
    if (const auto* refusal = std::get_if<PasteRefusal>(&read)) {
        ui::prompter().message(parent, QMessageBox::Warning,
                               QStringLiteral("Nie można wkleić pociągów. ") +
                                   QString::fromStdString(refusal->message),
                               QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    auto& pasted = std::get<PastedTrains>(read);
    const std::size_t count = session.content().trains.size();
    std::vector<Train> group = appendedGroup(std::move(pasted.trains), pasted.from, count);
    const std::size_t added = group.size();
    session.insertEntries(&TimetableContent::trains, static_cast<int>(count), std::move(group),
                          QStringLiteral("wklejenie ") + trainsOf(added));
}

}  // namespace rylmo::trains
