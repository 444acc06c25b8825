#include "qt_readme_viewer.h"

#include "ui_texts.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrune {

QtReadmeViewer::QtReadmeViewer(QWidget* parent)
    : QFrame(parent), textArea_(new QPlainTextEdit(this)), okButton_(new QPushButton(texts::ok, this))
{
    setObjectName(QStringLiteral("readmePanel"));
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);

    textArea_->setObjectName(QStringLiteral("readmeText"));
    textArea_->setReadOnly(true);
    // Read-only, but the person may still select and copy what is shown.
    textArea_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textArea_->setTabChangesFocus(true);
    textArea_->setFocusPolicy(Qt::StrongFocus);

    okButton_->setObjectName(QStringLiteral("readmeOkButton"));
    okButton_->setAutoDefault(false);
    okButton_->setFixedSize(97, 17);

    // The text fills the panel; the button sits centred below it.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 8);
    column->setSpacing(7);
    column->addWidget(textArea_, 1);
    column->addWidget(okButton_, 0, Qt::AlignHCenter);
}

void QtReadmeViewer::showText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    textArea_->setPlainText(shown);
    show();
    raise();
}

}  // namespace kestrune
