#pragma once

#include "controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace kestrune {

// A one-line text box.
class QtTextBox final : public QLineEdit, public TextBox {
    Q_OBJECT
public:
    explicit QtTextBox(QWidget* parent = nullptr);

    QString Text() const override { return text(); }
    void setText(const QString& text) override;
    void setSelStart(int start) override;
    void setSelLength(int length) override;
    void SetFocus() override;
};

// A read-only text box of several lines with a vertical scroll bar. Text()
// gives back exactly what was set, line ends included, while the display
// breaks the lines at CR LF, CR or LF.
class QtMultiLineTextBox final : public QPlainTextEdit, public TextBox {
    Q_OBJECT
public:
    explicit QtMultiLineTextBox(QWidget* parent = nullptr);

    QString Text() const override { return text_; }
    void setText(const QString& text) override;
    void setSelStart(int start) override;
    void setSelLength(int length) override;
    void SetFocus() override;

    // The text as displayed: every line end turned into one line break.
    static QString displayText(const QString& text);

private:
    // Position in the displayed text of position `index` of text_.
    int displayPosition(int index) const;

    QString text_;
    int selStart_ = 0;
};

}  // namespace kestrune
