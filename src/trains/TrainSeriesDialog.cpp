#include "trains/TrainSeriesDialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "document/Codes.h"
#include "document/Occupancy.h"
#include "document/Problem.h"
#include "document/RunTypes.h"
#include "document/TimeText.h"
#include "ui/Controls.h"
#include "ui/Prompter.h"

namespace rylmo::trains {

namespace {

// Series shown in the preview before "…".
constexpr int32_t seriesShown = 5;

QSpinBox* rangeEdit(const char* name, int32_t bound, int32_t value, const QString& suffix = {}) {
    QSpinBox* box = ui::spinEdit(name, bound, -bound);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setKeyboardTracking(true);  // the preview follows what is typed
    return box;
}

QString clockText(int32_t time) {
    if (!isValidTime(time)) return QString::number(time);
    return QString::fromStdString(minuteText(hourOf(time) * 60 + minuteOf(time)));
}

}  // namespace

TrainSeriesDialog::TrainSeriesDialog(Purpose purpose, const std::vector<Train>& trains,
                                     std::vector<std::size_t> group, QWidget* parent)
    : QDialog(parent), m_purpose(purpose), m_trains(trains), m_group(std::move(group)) {
    setObjectName(QStringLiteral("TrainSeriesDialog"));
    auto* form = new QFormLayout;
    m_minutes = rangeEdit("minutes", limits::maxShiftMinutes, 60, QStringLiteral(" min"));
    form->addRow(ui::captionFor(QStringLiteral("&Przesunięcie czasu:"), m_minutes), m_minutes);
    if (purpose == Purpose::copy) {
        m_numberChange = rangeEdit("numberChange", limits::maxNumberChange, 0);
        m_copies = ui::spinEdit("copies", limits::maxCopies, 1);
        m_copies->setValue(1);
        m_copies->setKeyboardTracking(true);
        form->addRow(ui::captionFor(QStringLiteral("&Zmiana numerów:"), m_numberChange),
                     m_numberChange);
        form->addRow(ui::captionFor(QStringLiteral("&Liczba kopii:"), m_copies), m_copies);
    }
    m_preview = ui::named(new QLabel, "preview");
    m_preview->setWordWrap(true);
    m_preview->setMinimumWidth(360);
    QPushButton* ok = ui::button(QStringLiteral("OK"), "ok");
    QPushButton* cancel = ui::button(QStringLiteral("Anuluj"), "cancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TrainSeriesDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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

CopyRule TrainSeriesDialog::rule() const {
    return {m_minutes->value(), m_numberChange ? m_numberChange->value() : 0,
            m_copies ? m_copies->value() : 1};
}

QString TrainSeriesDialog::preview() const {
    return m_preview->text();
}

// "3 kopie: 7:05 → 8:05, 9:05, 10:05; numery 4512 → 4514, 4516, 4518", for the first train.
void TrainSeriesDialog::refreshPreview() {
    if (m_group.empty() || m_group.front() >= m_trains.size()) return;
    const CopyRule r = rule();
    if (const std::string refusal = copyRefusal(m_trains, m_group, r);
        m_purpose == Purpose::copy && !refusal.empty()) {
        m_preview->setText(QString::fromStdString(refusal));
        return;
    }
    const Train& first = m_trains[m_group.front()];
    const bool arrives = arrivesFromElsewhere(first.runType);
    const int32_t time = arrives ? first.arrivalTime : first.departureTime;
    const int32_t number = arrives ? first.arrivalNumber : first.departureNumber;
    QStringList times;
    QStringList numbers;
    const int32_t series = m_purpose == Purpose::copy ? r.copies : 1;
    for (int32_t k = 1; k <= std::min(series, seriesShown); ++k) {
        times << clockText(
            shiftedTime(time, static_cast<int32_t>(int64_t{r.minutes} * k % minutesPerDay)));
        numbers << QString::number(int64_t{number} + int64_t{r.numberChange} * k);
    }
    if (series > seriesShown) {
        times << QStringLiteral("…");
        numbers << QStringLiteral("…");
    }
    const QString arrow = QStringLiteral(" → ");
    QString text = clockText(time) + arrow + times.join(QStringLiteral(", "));
    if (m_purpose == Purpose::copy) {
        text = QString::fromStdString(polishCount(series, "kopia", "kopie", "kopii")) +
               QStringLiteral(": ") + text + QStringLiteral("; numery ") + QString::number(number) +
               arrow + numbers.join(QStringLiteral(", "));
    } else {
        text = QString::fromStdString(polishCount(static_cast<int64_t>(m_group.size()), "pociąg",
                                                  "pociągi", "pociągów")) +
               QStringLiteral(": ") + text;
    }
    m_preview->setText(text);
}

void TrainSeriesDialog::confirm() {
    if (m_purpose == Purpose::copy) {
        const std::string refusal = copyRefusal(m_trains, m_group, rule());
        if (!refusal.empty()) {
            ui::prompter().message(this, QMessageBox::Warning, QString::fromStdString(refusal),
                                   QMessageBox::Ok, QMessageBox::Ok);
            return;
        }
    }
    accept();
}

}  // namespace rylmo::trains
