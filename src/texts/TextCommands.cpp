#include "texts/TextCommands.h"

#include "editing/EditingSession.h"
#include "texts/GeneralDataDialog.h"
#include "texts/NamesDialog.h"
#include "ui/Prompter.h"

namespace rylmo::texts {

void editNames(editing::EditingSession& session, QWidget* parent, const QString& caption,
               const QString& page) {
    NamesDialog dialog(session.content(), parent);
    dialog.setWindowTitle(caption);
    if (!page.isEmpty()) dialog.showPage(page);
    if (ui::prompter().exec(dialog) != QDialog::Accepted || dialog.changedLists().empty()) return;
    const editing::EditingSession::Step step(session, QStringLiteral("zmianę nazw"));
    for (const auto& [list, names] : dialog.changedLists()) {
        // Lines taken out or put in move the names after them: references follow the names.
        if (session.keepsReferences()) {
            session.applyReferenceChanges(
                referenceChanges(session.content(), editing::entryListOf(list),
                                 Renumbering::aligning(session.content().*list, names)));
        }
        session.replaceTextList(list, names, {});
    }
}

void editGeneralData(editing::EditingSession& session, QWidget* parent, const QString& caption,
                     const QString& stationFolder) {
    GeneralDataDialog dialog(session.content(), stationFolder, parent);
    dialog.setWindowTitle(caption);
    if (ui::prompter().exec(dialog) != QDialog::Accepted) return;
    const GeneralData& values = dialog.values();
    // Kept on purpose: "OK" is one step even when nothing changed, so it marks the document
    // changed, as authors expect of it.
    const editing::EditingSession::Step step(session, QStringLiteral("zmianę danych ogólnych"));
    session.setGeneralText(editing::GeneralText::startTime, values.startTime, {});
    session.setGeneralText(editing::GeneralText::stationPicture, values.stationPicture, {});
    if (!session.content().stationNames.empty()) {
        session.replaceEntry(&TimetableContent::stationNames, 0, values.stationName, {});
    } else if (!values.stationName.empty()) {
        session.insertEntry(&TimetableContent::stationNames, 0, values.stationName, {});
    }
    session.setGeneralText(editing::GeneralText::authorInfo, values.authorInfo, {});
}

}  // namespace rylmo::texts
