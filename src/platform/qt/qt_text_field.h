#pragma once

#include "controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace kestrune {

// A one-line text box.
class QtTextField final : public QLineEdit, public TextField {
    Q_OBJECT
public:
    explicit QtTextField(QWidget* parent = nullptr);

    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override;
    void setSelectionStart(int start) override;
    void setSelectionLength(int length) override;
    void setFocus() override;
};

// A read-only text box of several lines with a vertical scroll bar. text()
// gives back exactly what was set, line ends included, while the display
// breaks the lines at CR LF, CR or LF.
class QtTextArea final : public QPlainTextEdit, public TextField {
    Q_OBJECT
public:
    explicit QtTextArea(QWidget* parent = nullptr);

    QString text() const override { return text_; }
    void setText(const QString& text) override;
    void setSelectionStart(int start) override;
    void setSelectionLength(int length) override;
    void setFocus() override;

    // The text as displayed: every line end turned into one line break.
    static QString displayText(const QString& text);

private:
    // Position in the displayed text of position `index` of text_.
    int displayPosition(int index) const;

    QString text_;
    int selStart_ = 0;
};

}  // namespace kestrune
