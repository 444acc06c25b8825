#include "qt_panel.h"

namespace kestrune {

QtPanel::QtPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void QtPanel::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (visible)
        raise();
}

}  // namespace kestrune
