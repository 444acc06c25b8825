#pragma once

#include "controls.h"

#include <QFrame>

namespace kestrune {

// A plain panel without a title that hides or shows everything inside it.
// It paints its own background, so that when shown it covers what lies under it.
class QtFrame final : public QFrame, public Frame {
    Q_OBJECT
public:
    explicit QtFrame(QWidget* parent = nullptr);

    // The frame's own flag, whether or not its window is on screen yet.
    bool Visible() const override { return !isHidden(); }
    // One member for both bases: showing the frame through either name raises it.
    void setVisible(bool visible) override;
};

}  // namespace kestrune
