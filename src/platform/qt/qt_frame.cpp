#include "qt_frame.h"

namespace kestrune {

QtFrame::QtFrame(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void QtFrame::setVisible(bool visible)
{
    QFrame::setVisible(visible);
    if (visible)
        raise();
}

}  // namespace kestrune
