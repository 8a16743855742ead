#include "texts/NamePages.h"

#include <QStringList>
#include <algorithm>

#include "models/DocumentText.h"

namespace rylmo::texts {

std::variant<std::vector<std::string>, PageRefusal> namesOfPage(const QString& text,
                                                                const QString& caption) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = models::trimmedTyped(line);
    while (!lines.isEmpty() && lines.constLast().isEmpty()) lines.removeLast();

    const QString where = QStringLiteral(" na stronie „") + caption + QStringLiteral("”.");
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        if (lines[i].isEmpty()) {
            return PageRefusal{line, QStringLiteral("Pusta nazwa w wierszu %1").arg(line) + where};
        }
        if (const QString bad = models::unencodableCharacter(lines[i]); !bad.isEmpty()) {
            return PageRefusal{line, models::unencodableMessage(bad) +
                                         QStringLiteral(": wiersz %1").arg(line) + where};
        }
        names.push_back(models::toDocumentText(lines[i]));
    }
    return names;
}

bool holdsUneditableName(const std::vector<std::string>& names) {
    return std::any_of(names.begin(), names.end(),
                       [](const std::string& name) { return name.size() > longestEditableName; });
}

QString pageText(const std::vector<std::string>& names, std::size_t first, std::size_t last,
                 std::size_t longest) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(last - first));
    for (std::size_t i = first; i < last; ++i) lines << models::toShortQString(names[i], longest);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace rylmo::texts
