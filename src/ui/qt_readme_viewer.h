#pragma once

#include "controls.h"

#include <QFrame>
#include <QString>

class QPlainTextEdit;
class QPushButton;

namespace kestrune {

// The Readme viewer: a read-only text of several lines and an OK button, on
// a plain panel without a title that paints its own background, so that when
// shown it covers the window under it.
class QtReadmeViewer final : public QFrame, public TextViewer {
    Q_OBJECT
public:
    explicit QtReadmeViewer(QWidget* parent = nullptr);

    // Shows `text`, every line end (CR LF, CR or LF) as one line break, and
    // raises the viewer over the window.
    void showText(const QString& text) override;
    void close() override { hide(); }

    QPushButton& okButton() const { return *okButton_; }

private:
    QPlainTextEdit* textArea_;
    QPushButton* okButton_;
};

}  // namespace kestrune
