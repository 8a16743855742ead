#include "coaches/CompositionView.h"

#include <QVBoxLayout>

#include "coaches/CompositionStrip.h"
#include "ui/Controls.h"
#include "ui/PictureStrip.h"

namespace rylmo::coaches {

CompositionView::CompositionView(const Timetable& document, const std::vector<int32_t>& row,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompositionView"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
    m_strip = ui::named(new ui::PictureStrip, "strip");
    m_strip->setFrameShape(QFrame::NoFrame);
    m_strip->setStripLayout({0, 8, -1, true});
    m_strip->setEntries(QString::fromStdString(document.rollingStockFolder),
                        compositionStripEntries(document.content, row));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_strip);
    resize(606, 97);
}

}  // namespace rylmo::coaches
