#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "document/Timetable.h"

namespace rylmo::ui {
class PictureStrip;
}

namespace rylmo::coaches {

// A white window showing one composition as a row of opaque pictures from the left edge.
class CompositionView : public QDialog {
    Q_OBJECT
public:
    CompositionView(const Timetable& document, const std::vector<int32_t>& row,
                    QWidget* parent = nullptr);

    const ui::PictureStrip& strip() const { return *m_strip; }

private:
    ui::PictureStrip* m_strip;
};

}  // namespace rylmo::coaches
