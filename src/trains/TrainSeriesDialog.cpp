#include "trains/TrainSeriesDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document/Codes.h"
#include "document/Occupancy.h"
#include "document/PolishCount.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "ui/Controls.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

namespace {

// Series shown in the preview before "…".
constexpr int32_t seriesShown = 5;

// What was confirmed last, for each purpose.
CopyRule remembered[2];

QSpinBox* rangeEdit(const char* name, int32_t bound, int32_t value, const QString& suffix = {}) {
    QSpinBox* box = ui::spinEdit(name, bound, -bound);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setKeyboardTracking(true);  // the preview follows what is typed
    return box;
}

QString clockText(int32_t time) {
    if (!isValidTime(time)) return QString::number(time);
    return QString::fromStdString(minuteText(minuteOfDay(time)));
}

}  // namespace

TrainSeriesDialog::TrainSeriesDialog(Purpose purpose, const std::vector<Train>& trains,
                                     std::vector<std::size_t> group, QWidget* parent)
    : QDialog(parent), m_purpose(purpose), m_trains(trains), m_group(std::move(group)) {
    setObjectName(QStringLiteral("TrainSeriesDialog"));
    const CopyRule& last = remembered[static_cast<int>(purpose)];
    auto* form = new QFormLayout;
    m_minutes = rangeEdit("minutes", limits::maxShiftMinutes, last.minutes, QStringLiteral(" min"));
    form->addRow(ui::captionFor(QStringLiteral("&Przesunięcie czasu:"), m_minutes), m_minutes);
    if (purpose == Purpose::copy) {
        m_numberChange = rangeEdit("numberChange", limits::maxNumberChange, last.numberChange);
        m_copies = ui::spinEdit("copies", limits::maxCopies, 1);
        m_copies->setValue(last.copies);
        m_copies->setKeyboardTracking(true);
        form->addRow(ui::captionFor(QStringLiteral("&Zmiana numerów:"), m_numberChange),
                     m_numberChange);
        form->addRow(ui::captionFor(QStringLiteral("&Liczba kopii:"), m_copies), m_copies);
    }
    m_withCoupled = withCoupledTrains(m_trains, m_group);
    if (purpose == Purpose::copy && m_withCoupled.size() > m_group.size()) {
        // Copies of half a consist would stay coupled with the originals.
        const auto outside = static_cast<int64_t>(m_withCoupled.size() - m_group.size());
        m_takeCoupled =
            ui::named(new QCheckBox(QStringLiteral("&Dołącz sprzęgnięte pociągi (%1)")
                                        .arg(QString::fromStdString(polishCount(
                                            outside, "pociąg spoza wyboru", "pociągi spoza wyboru",
                                            "pociągów spoza wyboru")))),
                      "takeCoupled");
        m_takeCoupled->setChecked(true);
        auto* note = ui::named(
            new QLabel(QStringLiteral("Wybrane pociągi są sprzęgnięte z pociągami spoza wyboru: "
                                      "bez nich kopie pozostałyby sprzęgnięte z oryginałami.")),
            "coupledNote");
        note->setWordWrap(true);
        form->addRow(note);
        form->addRow(m_takeCoupled);
        connect(m_takeCoupled, &QCheckBox::toggled, this, &TrainSeriesDialog::refreshPreview);
    }
    m_preview = ui::named(new QLabel, "preview");
    m_preview->setWordWrap(true);
    m_preview->setMinimumWidth(360);
    const auto [ok, cancel] = ui::dialogButtons(*this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TrainSeriesDialog::confirm);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_preview);
    layout->addLayout(ui::buttonRow({}, {ok, cancel}));
    for (QSpinBox* box : {m_minutes, m_numberChange, m_copies}) {
        if (box) connect(box, &QSpinBox::valueChanged, this, &TrainSeriesDialog::refreshPreview);
    }
    refreshPreview();
    m_minutes->setFocus();
    m_minutes->selectAll();
}

std::vector<std::size_t> TrainSeriesDialog::group() const {
    return m_takeCoupled && m_takeCoupled->isChecked() ? m_withCoupled : m_group;
}

void TrainSeriesDialog::forgetValues() {
    for (CopyRule& rule : remembered) rule = {};
}

CopyRule TrainSeriesDialog::rule() const {
    return {m_minutes->value(), m_numberChange ? m_numberChange->value() : 0,
            m_copies ? m_copies->value() : 1};
}

QString TrainSeriesDialog::preview() const {
    return m_preview->text();
}

// "Pociąg 4512 i 2 inne — 3 kopie: 7:05 → 8:05, 9:05, 10:05; numery 4512 → 4514, 4516, 4518":
// what comes of the first train.
void TrainSeriesDialog::refreshPreview() {
    const std::vector<std::size_t> trains = group();
    if (trains.empty() || trains.front() >= m_trains.size()) return;
    const CopyRule r = rule();
    if (const std::string refusal = copyRefusal(m_trains, trains, r);
        m_purpose == Purpose::copy && !refusal.empty()) {
        m_preview->setText(QString::fromStdString(refusal));
        return;
    }
    const Train& first = m_trains[trains.front()];
    const bool arrives = arrivesFromElsewhere(first.runType);
    const int32_t time = arrives ? first.arrivalTime : first.departureTime;
    const int32_t number = arrives ? first.arrivalNumber : first.departureNumber;
    QStringList times;
    QStringList numbers;
    const int32_t series = m_purpose == Purpose::copy ? r.copies : 1;
    // The copies of the first train as they will be made, as many as are shown.
    CopyRule shown = r;
    shown.copies = std::min(series, seriesShown);
    if (m_purpose != Purpose::copy) shown.numberChange = 0;
    for (const Train& copy : trainCopies(m_trains, {trains.front()}, shown)) {
        times << clockText(arrives ? copy.arrivalTime : copy.departureTime);
        numbers << QString::number(copy.numberOn(arrives));
    }
    if (series > seriesShown) {
        times << QStringLiteral("…");
        numbers << QStringLiteral("…");
    }
    const QString arrow = QStringLiteral(" → ");
    QString text = QStringLiteral("Pociąg %1").arg(number);
    if (trains.size() > 1) {
        text += QStringLiteral(" i ") +
                QString::fromStdString(
                    polishCount(static_cast<int64_t>(trains.size() - 1), "inny", "inne", "innych"));
    }
    text += m_purpose == Purpose::copy
                ? QStringLiteral(" — ") +
                      QString::fromStdString(polishCount(series, "kopia", "kopie", "kopii")) +
                      QStringLiteral(": ")
                : QStringLiteral(": ");
    text += clockText(time) + arrow + times.join(QStringLiteral(", "));
    if (m_purpose == Purpose::copy) {
        text += QStringLiteral("; numery ") + QString::number(number) + arrow +
                numbers.join(QStringLiteral(", "));
    }
    m_preview->setText(text);
}

void TrainSeriesDialog::confirm() {
    if (m_purpose == Purpose::copy) {
        const std::string refusal = copyRefusal(m_trains, group(), rule());
        if (!refusal.empty()) {
            ui::prompter().message(this, QMessageBox::Warning, QString::fromStdString(refusal),
                                   QMessageBox::Ok, QMessageBox::Ok);
            return;
        }
    }
    remembered[static_cast<int>(m_purpose)] = rule();
    accept();
}

}  // namespace rylmo::trains
