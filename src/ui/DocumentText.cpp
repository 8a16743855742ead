#include "ui/DocumentText.h"

#include "document/FileStem.h"
#include "document/Windows1250.h"

namespace rylmo::ui {

QString toQString(std::string_view documentText) {
    QString text;
    text.reserve(static_cast<qsizetype>(documentText.size()));
    for (char byte : documentText) {
        text.append(QChar(static_cast<char16_t>(windows1250ToUnicode(static_cast<unsigned char>(byte)))));
    }
    return text;
}

std::string toDocumentText(const QString& text) { return utf8ToWindows1250(text.toStdString()); }

QString fileStem(const QString& path) {
    // The stem rules look only at ASCII separators, dots and blanks, so UTF-8 passes intact.
    return QString::fromStdString(rylmo::fileStem(path.toStdString()));
}

}  // namespace rylmo::ui
