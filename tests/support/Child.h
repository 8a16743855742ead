#pragma once

#include <QWidget>
#include <QtGlobal>

namespace rylmo::test {

// The control of a window by its objectName; a missing one ends the test program, naming it.
template <class Widget>
Widget* child(QWidget& parent, const char* name) {
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

}  // namespace rylmo::test
