#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace rylmo::ui {

// Document texts are Windows-1250 bytes; widgets show QStrings.
QString toQString(std::string_view documentText);

// Throws rylmo::Error naming a character that Windows-1250 cannot hold.
std::string toDocumentText(const QString& text);

// The file stem of a chosen path: no folder, nothing from the first '.', no outer blanks.
QString fileStem(const QString& path);

}  // namespace rylmo::ui
