#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include <string>
#include <string_view>

namespace rylmo::models {

// Document texts are Windows-1250 bytes; widgets show QStrings.
QString toQString(std::string_view documentText);

// The start of a document text for a list row: at most longest characters, the last of them
// "…" when the text was cut. A name of a megabyte then costs what a name of a line costs.
QString toShortQString(std::string_view documentText, std::size_t longest = 100);

// Throws rylmo::Error naming a character that Windows-1250 cannot hold.
std::string toDocumentText(const QString& text);

// A typed text as the file will give it back: leading and trailing blanks and control
// characters (code 32 and below) removed.
QString trimmedTyped(const QString& text);

// The first character of text that Windows-1250 cannot hold; empty when there is none.
QString unencodableCharacter(const QString& text);

// "Znak „ж” nie może być zapisany w pliku rozkładu"
QString unencodableMessage(const QString& character);

// Why a typed one-line text cannot be stored as the file would give it back: it holds a line
// break, a NUL or a character Windows-1250 lacks; empty when it can.
QString oneLineRefusal(const QString& typed);

// Why a typed word of a locomotive type (field names it, "Typ") cannot be stored: it is
// empty, holds a blank or a control character, or a character Windows-1250 lacks; empty when
// it can.
QString typeWordRefusal(const QString& typed, const QString& field);

// The file stem of a chosen path: no folder, nothing from the first '.', no outer blanks.
QString fileStem(const QString& path);

}  // namespace rylmo::models
