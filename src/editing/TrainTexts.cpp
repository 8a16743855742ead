#include "editing/TrainTexts.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

#include "document/Codes.h"
#include "document/CompositionText.h"
#include "document/RollingStock.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "document/TrainCategories.h"
#include "models/DocumentText.h"

namespace rylmo::editing {

namespace {

enum Column {
    index,
    runType,
    arrivalTime,
    arrivalNumber,
    arrivalCategory,
    origin,
    arrivalPlatform,
    departureTime,
    departureNumber,
    departureCategory,
    destination,
    departurePlatform,
    vehicle,
    composition,
    couplings,
    status
};

const char* const kHeaders[TrainTexts::columns] = {
    "Indeks",       "Rodzaj", "Przyjazd", "Nr przyj.",      "Kategoria przyj.", "Ze stacji",
    "Peron przyj.", "Odjazd", "Nr odj.",  "Kategoria odj.", "Do stacji",        "Peron odj.",
    "Pojazd",       "Skład",  "Łączenie", "Status"};

const char* const kTips[TrainTexts::columns] = {
    "Pozycja pociągu w rozkładzie",
    "Rodzaj pociągu: kończy bieg, rozpoczyna bieg, przelotowy, ...",
    "Godzina przyjazdu",
    "Numer pociągu przy przyjeździe",
    "Rodzaj pociągu przy przyjeździe",
    "Stacja początkowa",
    "Peron lub tor, na który wjedzie",
    "Godzina odjazdu",
    "Numer pociągu przy odjeździe",
    "Rodzaj pociągu przy odjeździe",
    "Stacja docelowa",
    "Peron lub tor, z którego odjedzie",
    "Wagon symbolizujący pociąg",
    "Numer zestawienia wagonów",
    "Składy połączone (z) i do połączenia (do): indeks pociągu i numer wagonu",
    "Status pociągu"};

// Ranks of texts in Polish alphabetical order, computed once for the whole list.
std::vector<qint64> alphabeticalRanks(const QStringList& texts) {
    QCollator collator{QLocale(QLocale::Polish)};
    std::vector<int> order(static_cast<std::size_t>(texts.size()));
    std::iota(order.begin(), order.end(), 0);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(order.size());
    for (const QString& text : texts) keys.push_back(collator.sortKey(text));
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });
    std::vector<qint64> ranks(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        ranks[static_cast<std::size_t>(order[rank])] = static_cast<qint64>(rank);
    return ranks;
}

// The vehicle that stands for the train in the list: its unit when it has one.
int64_t shownVehicle(const Train& t) {
    return int64_t{t.symbolUnit != 0 ? t.symbolUnit : t.symbolVehicle} - 1;
}

QString timeText(int32_t value) {
    if (!isValidTime(value)) return QString::number(value);
    return QString::fromStdString(clockText(hourOf(value), minuteOf(value)));
}

// The vehicles of a composition by name, the first few of a long one.
QString compositionNames(const TimetableContent& c, std::string_view text) {
    constexpr std::size_t shown = 12;
    std::vector<int32_t> row;
    try {
        row = readComposition(text);
    } catch (const std::exception&) {
        return QStringLiteral("?");
    }
    QStringList names;
    for (std::size_t i = 0; i < std::min(row.size(), shown); ++i) {
        names << (isVehicleNumber(c, row[i]) ? models::toShortQString(vehicleName(c, row[i]), 40)
                                             : QStringLiteral("?%1").arg(row[i]));
    }
    if (row.size() > shown) names << QStringLiteral("… (%1)").arg(row.size());
    return names.join(QStringLiteral(", "));
}

QString couplingText(const char* word, int32_t value) {
    if (value == 0) return {};
    return QString::fromUtf8(word) +
           QStringLiteral(" %1 / wagon %2").arg(couplingTrain(value)).arg(couplingCoach(value));
}

}  // namespace

qsizetype TrainTexts::Names::slotOf(int64_t position) const {
    if (position < 0 || position >= listSize()) return -1;
    return places[static_cast<std::size_t>(position)];
}

bool TrainTexts::Names::covers(int64_t position) const {
    return position < 0 || position >= listSize() || slotOf(position) >= 0;
}

void TrainTexts::Names::mark(int64_t position) {
    if (position >= 0 && position < listSize()) places[static_cast<std::size_t>(position)] = 0;
}

// Texts for the marked entries, in list order: linear in the list and the marks.
template <class TextAt>
void TrainTexts::Names::gather(TextAt textAt) {
    for (std::size_t position = 0; position < places.size(); ++position) {
        if (places[position] < 0) continue;
        places[position] = static_cast<int32_t>(texts.size());
        texts << textAt(position);
    }
}

void TrainTexts::foldOnce() const {
    std::call_once(m_folded, [this] {
        for (const Names* names :
             {&m_runTypes, &m_statuses, &m_stations, &m_vehicles, &m_categories, &m_compositions}) {
            names->folded.reserve(names->texts.size());
            for (const QString& text : names->texts) names->folded << foldForSearch(text);
        }
    });
}

void TrainTexts::rankOnce() const {
    // Compositions sort by number: they need no ranks.
    std::call_once(m_ranked, [this] {
        for (const Names* names :
             {&m_runTypes, &m_statuses, &m_stations, &m_vehicles, &m_categories})
            names->ranks = alphabeticalRanks(names->texts);
    });
}

TrainTexts::TrainTexts(const TimetableContent& c)
    : m_runTypes(runTypeCount, true),
      m_statuses(statusCount, true),
      m_stations(c.stationNames.size(), false),
      m_vehicles(c.locomotiveTypes.size() + c.coaches.size(), false),
      m_categories(trainCategories.size(), true),
      m_compositions(c.compositions.size(), false) {
    for (const Train& t : c.trains) {
        m_stations.mark(t.originStation);
        m_stations.mark(t.destinationStation);
        m_vehicles.mark(shownVehicle(t));
        // Kept on purpose: composition 0 means none, so the first one is never a train's.
        if (t.composition != 0) m_compositions.mark(t.composition);
    }
    m_runTypes.gather([](std::size_t type) {
        return QString::fromUtf8(runTypeText(static_cast<int32_t>(type)));
    });
    m_statuses.gather([](std::size_t status) {
        return QString::fromUtf8(statusText(static_cast<int32_t>(status)));
    });
    m_categories.gather([](std::size_t i) { return QString::fromUtf8(trainCategories[i].name); });
    for (const TrainCategory& category : trainCategories) m_categoryCodes.push_back(category.code);
    m_stations.gather([&c](std::size_t i) { return models::toShortQString(c.stationNames[i]); });
    m_vehicles.gather([&c](std::size_t i) { return models::toShortQString(vehicleAt(c, i)); });
    m_compositions.gather([&c](std::size_t i) { return compositionNames(c, c.compositions[i]); });
}

bool TrainTexts::covers(const Train& t) const {
    return m_stations.covers(t.originStation) && m_stations.covers(t.destinationStation) &&
           m_vehicles.covers(shownVehicle(t)) && m_compositions.covers(t.composition);
}

QString TrainTexts::header(int column) {
    return QString::fromUtf8(kHeaders[column]);
}
QString TrainTexts::headerTip(int column) {
    return QString::fromUtf8(kTips[column]);
}

TrainCell TrainTexts::named(const Names& names, int64_t position, bool folded) {
    if (position < 0 || position >= names.listSize())
        return {QStringLiteral("?%1").arg(position), true};
    const qsizetype slot = names.slotOf(position);
    if (slot < 0) return {};  // not gathered: the list builds the texts again first
    return {(folded ? names.folded : names.texts)[slot], false};
}

TrainCell TrainTexts::cell(const Train& t, int row, int column, bool folded) const {
    if (folded) foldOnce();
    const auto number = [](int64_t value) { return TrainCell{QString::number(value), false}; };
    const auto platform = [](int32_t value) {
        return value == 0 ? TrainCell{} : TrainCell{QString::number(value), false};
    };
    const auto category = [&](int32_t code) {
        const auto found = std::find(m_categoryCodes.begin(), m_categoryCodes.end(), code);
        return found == m_categoryCodes.end()
                   ? TrainCell{QString::fromStdString(categoryName(code)), true}
                   : named(m_categories, found - m_categoryCodes.begin(), folded);
    };
    // A train that starts here has no arrival side, one that ends here no departure side.
    if (!arrivesFromElsewhere(t.runType) &&
        (column == arrivalTime || column == arrivalNumber || column == arrivalCategory ||
         column == origin || column == arrivalPlatform)) {
        return {};
    }
    if (!leavesForElsewhere(t.runType) &&
        (column == departureTime || column == departureNumber || column == departureCategory ||
         column == destination || column == departurePlatform)) {
        return {};
    }
    switch (column) {
        case index:
            return number(row);
        case runType:
            return named(m_runTypes, t.runType, folded);
        case arrivalTime:
            return {timeText(t.arrivalTime), false};
        case arrivalNumber:
            return number(t.arrivalNumber);
        case arrivalCategory:
            return category(t.arrivalCategory);
        case origin:
            return named(m_stations, t.originStation, folded);
        case arrivalPlatform:
            return platform(t.arrivalPlatform);
        case departureTime:
            return {timeText(t.departureTime), false};
        case departureNumber:
            return number(t.departureNumber);
        case departureCategory:
            return category(t.departureCategory);
        case destination:
            return named(m_stations, t.destinationStation, folded);
        case departurePlatform:
            return platform(t.departurePlatform);
        case vehicle:
            return named(m_vehicles, shownVehicle(t), folded);
        case composition:
            // 0 shows no composition; the first one cannot be chosen.
            return t.composition == 0 ? TrainCell{} : named(m_compositions, t.composition, folded);
        case couplings: {
            QStringList parts;
            if (t.coupledWith != 0) parts << couplingText("z", t.coupledWith);
            if (t.toBeCoupledWith != 0) parts << couplingText("do", t.toBeCoupledWith);
            return {parts.join(QStringLiteral(", ")), false};
        }
        case status:
            return named(m_statuses, t.status, folded);
        default:
            return {};
    }
}

qint64 TrainTexts::sortKey(const Train& t, int row, int column) const {
    // Unknown positions sort after every name, by number.
    const auto rank = [this](const Names& names, int64_t position) -> qint64 {
        rankOnce();  // only the columns that sort by name pay for the ranks
        const qsizetype slot = names.slotOf(position);
        if (slot < 0) return static_cast<qint64>(names.texts.size()) + position;
        return names.ranks[static_cast<std::size_t>(slot)];
    };
    const auto category = [this, &rank](int32_t code) -> qint64 {
        const auto found = std::find(m_categoryCodes.begin(), m_categoryCodes.end(), code);
        return found == m_categoryCodes.end()
                   ? static_cast<qint64>(m_categories.texts.size()) + code
                   : rank(m_categories, found - m_categoryCodes.begin());
    };
    switch (column) {
        case index:
            return row;
        case runType:
            return t.runType;
        case arrivalTime:
            return t.arrivalTime;
        case arrivalNumber:
            return t.arrivalNumber;
        case arrivalCategory:
            return category(t.arrivalCategory);
        case origin:
            return rank(m_stations, t.originStation);
        case arrivalPlatform:
            return t.arrivalPlatform;
        case departureTime:
            return t.departureTime;
        case departureNumber:
            return t.departureNumber;
        case departureCategory:
            return category(t.departureCategory);
        case destination:
            return rank(m_stations, t.destinationStation);
        case departurePlatform:
            return t.departurePlatform;
        case vehicle:
            return rank(m_vehicles, shownVehicle(t));
        case composition:
            return t.composition;
        case couplings:
            return static_cast<qint64>(t.coupledWith) * 4294967296LL + t.toBeCoupledWith;
        case status:
            return t.status;
        default:
            return 0;
    }
}

QString TrainTexts::searchText(const Train& train) const {
    // Built from texts folded once per name, so that gathering a hundred thousand rows
    // normalises nothing twice; the other pieces are digits and plain letters.
    QString text;
    text.reserve(160);
    for (int column = index + 1; column < columns; ++column) {
        text += cell(train, 0, column, true).text;
        text += QLatin1Char('\t');
    }
    return text;
}

QString foldForSearch(const QString& text) {
    const QString decomposed = text.toLower().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        folded += c == QChar(0x142) ? QLatin1Char('l') : c;  // ł has no decomposition
    }
    return folded;
}

}  // namespace rylmo::editing
