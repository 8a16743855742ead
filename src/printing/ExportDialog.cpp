#include "printing/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "document/Codes.h"
#include "document/TimeText.h"
#include "ui/Controls.h"

namespace rylmo::printing {

namespace {

QTime timeOf(int32_t minute) {
    const int32_t time = timeOfMinute(minute);
    return QTime(hourOf(time), minuteOf(time));
}

int32_t minuteOf(const QTime& time) {
    return time.hour() * 60 + time.minute();
}

QTimeEdit* timeEdit(const char* name, int32_t minute) {
    auto* edit = ui::named(new QTimeEdit(timeOf(minute)), name);
    edit->setDisplayFormat(QStringLiteral("H:mm"));
    return edit;
}

}  // namespace

ExportDialog::ExportDialog(bool printing, int32_t dayStart, std::vector<std::size_t> selected,
                           QWidget* parent)
    : QDialog(parent),
      m_selected(std::move(selected)),
      m_sheetKind(ui::dropDownList(
          "sheetKind", {QStringLiteral("Odjazdy"), QStringLiteral("Przyjazdy"),
                        QStringLiteral("Wykaz dla dyżurnego"), QStringLiteral("Zajętość peronów"),
                        QStringLiteral("Lista pociągów")})),
      m_passengerTrains(
          ui::named(new QCheckBox(QStringLiteral("&pasażerskie")), "passengerTrains")),
      m_goodsTrains(ui::named(new QCheckBox(QStringLiteral("&towarowe")), "goodsTrains")),
      m_serviceTrains(ui::named(new QCheckBox(QStringLiteral("słu&żbowe")), "serviceTrains")),
      m_wholeDay(ui::named(
          new QCheckBox(
              QStringLiteral("cała &doba od %1").arg(QString::fromStdString(minuteText(dayStart)))),
          "wholeDay")),
      m_fromTime(timeEdit("fromTime", dayStart)),
      m_toTime(timeEdit("toTime", (dayStart + minutesPerDay - 1) % minutesPerDay)),
      m_selectedOnly(ui::named(
          new QCheckBox(QStringLiteral("tylko &zaznaczone pociągi (%1)").arg(m_selected.size())),
          "selectedOnly")),
      m_toPrinter(
          ui::named(new QRadioButton(QStringLiteral("d&rukarka (z podglądem)")), "toPrinter")),
      m_toPdf(ui::named(new QRadioButton(QStringLiteral("plik PD&F (A4)")), "toPdf")),
      m_toHtml(ui::named(new QRadioButton(QStringLiteral("strona &HTML")), "toHtml")),
      m_toCsv(
          ui::named(new QRadioButton(QStringLiteral("plik CSV (&arkusz kalkulacyjny)")), "toCsv")) {
    setWindowTitle(printing ? QStringLiteral("Drukuj") : QStringLiteral("Eksportuj"));
    m_sheetKind->setCurrentIndex(0);
    m_wholeDay->setChecked(true);
    (printing ? m_toPrinter : m_toPdf)->setChecked(true);

    auto* what = new QFormLayout;
    what->addRow(ui::captionFor(QStringLiteral("&Co:"), m_sheetKind), m_sheetKind);

    auto* trains = new QGroupBox(QStringLiteral("Które pociągi"));
    auto* groups = new QHBoxLayout;
    groups->addWidget(m_passengerTrains);
    groups->addWidget(m_goodsTrains);
    groups->addWidget(m_serviceTrains);
    groups->addStretch();
    auto* times = new QHBoxLayout;
    times->addWidget(m_wholeDay);
    times->addSpacing(12);
    times->addWidget(ui::captionFor(QStringLiteral("&od"), m_fromTime));
    times->addWidget(m_fromTime);
    times->addWidget(ui::captionFor(QStringLiteral("do"), m_toTime));
    times->addWidget(m_toTime);
    times->addStretch();
    auto* trainsLayout = new QVBoxLayout(trains);
    trainsLayout->addLayout(groups);
    trainsLayout->addLayout(times);
    trainsLayout->addWidget(m_selectedOnly);

    auto* where = new QGroupBox(QStringLiteral("Dokąd"));
    auto* whereLayout = new QVBoxLayout(where);
    for (QRadioButton* destination : {m_toPrinter, m_toPdf, m_toHtml, m_toCsv})
        whereLayout->addWidget(destination);

    const ui::DialogButtons confirm = ui::dialogButtons(
        *this, printing ? QStringLiteral("Drukuj...") : QStringLiteral("Eksportuj..."));
    m_ok = confirm.ok;
    QPushButton* cancel = confirm.cancel;
    m_ok->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(what);
    layout->addWidget(trains);
    layout->addWidget(where);
    layout->addLayout(ui::buttonRow({}, {m_ok, cancel}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_sheetKind, &QComboBox::currentIndexChanged, this, [this] { whatChosen(); });
    for (QCheckBox* box : {m_passengerTrains, m_goodsTrains, m_serviceTrains, m_wholeDay})
        connect(box, &QCheckBox::toggled, this, [this] { refreshStates(); });
    for (QRadioButton* destination : {m_toPrinter, m_toPdf, m_toHtml, m_toCsv})
        connect(destination, &QRadioButton::toggled, this, [this] { refreshStates(); });
    whatChosen();
    m_sheetKind->setFocus();
}

void ExportDialog::whatChosen() {
    const auto what = static_cast<SheetChoice>(m_sheetKind->currentIndex());
    const SheetFilter start = defaultFilter(what);
    m_passengerTrains->setChecked(start.passengers);
    m_goodsTrains->setChecked(start.goods);
    m_serviceTrains->setChecked(start.service);
    if (what == SheetChoice::platformChart && (m_toHtml->isChecked() || m_toCsv->isChecked()))
        m_toPdf->setChecked(true);
    refreshStates();
}

void ExportDialog::refreshStates() {
    const bool chart =
        static_cast<SheetChoice>(m_sheetKind->currentIndex()) == SheetChoice::platformChart;
    for (QWidget* filter :
         {static_cast<QWidget*>(m_passengerTrains), static_cast<QWidget*>(m_goodsTrains),
          static_cast<QWidget*>(m_serviceTrains), static_cast<QWidget*>(m_wholeDay)})
        filter->setEnabled(!chart);
    m_fromTime->setEnabled(!chart && !m_wholeDay->isChecked());
    m_toTime->setEnabled(!chart && !m_wholeDay->isChecked());
    m_selectedOnly->setEnabled(!chart && !m_selected.empty());
    m_toHtml->setEnabled(!chart);
    m_toCsv->setEnabled(!chart);
    const bool anyGroup = m_passengerTrains->isChecked() || m_goodsTrains->isChecked() ||
                          m_serviceTrains->isChecked();
    m_ok->setEnabled(chart || anyGroup);
    m_ok->setText(m_toPrinter->isChecked() ? QStringLiteral("Drukuj...")
                                           : QStringLiteral("Eksportuj..."));
}

ExportChoice ExportDialog::choice() const {
    ExportChoice choice;
    choice.what = static_cast<SheetChoice>(m_sheetKind->currentIndex());
    choice.filter.passengers = m_passengerTrains->isChecked();
    choice.filter.goods = m_goodsTrains->isChecked();
    choice.filter.service = m_serviceTrains->isChecked();
    if (!m_wholeDay->isChecked()) {
        choice.filter.window.from = minuteOf(m_fromTime->time());
        choice.filter.window.to = minuteOf(m_toTime->time());
    }
    if (m_selectedOnly->isEnabled() && m_selectedOnly->isChecked()) choice.filter.only = m_selected;
    choice.where = m_toPrinter->isChecked() ? Destination::printer
                   : m_toHtml->isChecked()  ? Destination::html
                   : m_toCsv->isChecked()   ? Destination::csv
                                            : Destination::pdf;
    return choice;
}

}  // namespace rylmo::printing
