#pragma once

#include "controls.h"

#include <QFrame>

namespace kestrune {

// A plain panel without a title that hides or shows everything inside it.
// It paints its own background, so that when shown it covers what lies under it.
class QtPanel final : public QFrame, public Overlay {
    Q_OBJECT
public:
    explicit QtPanel(QWidget* parent = nullptr);

    // One member for both bases: showing the frame through either name raises it.
    void setVisible(bool visible) override;
};

}  // namespace kestrune
