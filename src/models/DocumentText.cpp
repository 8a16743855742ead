#include "models/DocumentText.h"

#include <QList>

#include "document/FileStem.h"
#include "document/Windows1250.h"

namespace rylmo::models {

QString toQString(std::string_view documentText) {
    QString text;
    text.reserve(static_cast<qsizetype>(documentText.size()));
    for (char byte : documentText) {
        text.append(
            QChar(static_cast<char16_t>(windows1250ToUnicode(static_cast<unsigned char>(byte)))));
    }
    return text;
}

QString toShortQString(std::string_view documentText, std::size_t longest) {
    if (documentText.size() <= longest) return toQString(documentText);
    return toQString(documentText.substr(0, longest - 1)) + QChar(0x2026);
}

std::string toDocumentText(const QString& text) {
    return utf8ToWindows1250(text.toStdString());
}

QString trimmedTyped(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= 32) ++first;
    while (last > first && text[last - 1].unicode() <= 32) --last;
    return text.mid(first, last - first);
}

QString unencodableCharacter(const QString& text) {
    for (const uint value : text.toUcs4()) {
        const auto code = static_cast<char32_t>(value);
        if (!unicodeToWindows1250(code)) return QString::fromUcs4(&code, 1);
    }
    return {};
}

QString unencodableMessage(const QString& character) {
    return QStringLiteral("Znak „") + character +
           QStringLiteral("” nie może być zapisany w pliku rozkładu");
}

QString oneLineRefusal(const QString& typed) {
    if (typed.contains(QLatin1Char('\n')) || typed.contains(QLatin1Char('\r'))) {
        return QStringLiteral("Tekst nie może zawierać końca wiersza.");
    }
    if (typed.contains(QChar(0)))
        return QStringLiteral("Tekst nie może zawierać znaku o kodzie 0.");
    if (const QString bad = unencodableCharacter(typed); !bad.isEmpty())
        return unencodableMessage(bad) + '.';
    return {};
}

QString typeWordRefusal(const QString& typed, const QString& field) {
    const QString word = trimmedTyped(typed);
    if (word.isEmpty()) return QStringLiteral("Podaj „") + field + QStringLiteral("”.");
    for (const QChar c : word) {
        if (c.unicode() <= 32)
            return QStringLiteral("„") + field + QStringLiteral("” nie może zawierać spacji.");
    }
    if (const QString bad = unencodableCharacter(word); !bad.isEmpty())
        return unencodableMessage(bad) + '.';
    return {};
}

QString fileStem(const QString& path) {
    // The stem rules look only at ASCII separators, dots and blanks, so UTF-8 passes intact.
    return QString::fromStdString(rylmo::fileStem(path.toStdString()));
}

}  // namespace rylmo::models
