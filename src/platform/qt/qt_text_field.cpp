#include "qt_text_field.h"

#include <QScrollBar>

#include <algorithm>

namespace kestrune {

QtTextField::QtTextField(QWidget* parent) : QLineEdit(parent) {}

void QtTextField::setText(const QString& text)
{
    QLineEdit::setText(text);
}

void QtTextField::setSelectionStart(int start)
{
    // Moving the start drops the selection, as the selection length then counts from it.
    setCursorPosition(std::clamp(start, 0, static_cast<int>(text().size())));
}

void QtTextField::setSelectionLength(int length)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, std::clamp(length, 0, static_cast<int>(text().size()) - start));
}

void QtTextField::setFocus()
{
    QWidget::setFocus(Qt::OtherFocusReason);
}

QtTextArea::QtTextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, but the person may still select and copy what is shown.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
}

QString QtTextArea::displayText(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(u'\r', u'\n');
    return out;
}

void QtTextArea::setText(const QString& text)
{
    text_ = text;
    selStart_ = 0;
    setPlainText(displayText(text));
}

int QtTextArea::displayPosition(int index) const
{
    index = std::clamp(index, 0, static_cast<int>(text_.size()));
    int pairs = 0;
    for (int i = 1; i < index; ++i) {
        if (text_[i - 1] == u'\r' && text_[i] == u'\n')
            ++pairs;
    }
    return index - pairs;
}

void QtTextArea::setSelectionStart(int start)
{
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    QTextCursor cursor = textCursor();
    cursor.setPosition(displayPosition(selStart_));
    setTextCursor(cursor);
}

void QtTextArea::setSelectionLength(int length)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(displayPosition(selStart_));
    cursor.setPosition(displayPosition(selStart_ + std::max(length, 0)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void QtTextArea::setFocus()
{
    QWidget::setFocus(Qt::OtherFocusReason);
}

}  // namespace kestrune
