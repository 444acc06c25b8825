#include "values_dialog.h"
#include "arrow_while_shown.h"
#include "ui_texts.h"

#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace kestrune {

namespace {

// Wide enough that a typical value is read whole without resizing the box.
constexpr int minimumBoxWidth = 320;

// A name comes from the list file: shown as written, never as markup.
QLabel* plainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QComboBox* makeValueField(const QString& name, const ValueQuestion& question)
{
    auto* field = new QComboBox;
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setDuplicatesEnabled(false);
    // Matches offered in a list, not written into the field: inline
    // completion takes Enter on a selected preset for "complete" (the box
    // would not close) and may swap the text for a longer recent value.
    field->completer()->setCompletionMode(QCompleter::PopupCompletion);
    field->completer()->setCaseSensitivity(Qt::CaseSensitive);

    // The question holds the values to offer and the one to preset; the box
    // only shows them.
    field->addItems(question.recent.value(name));
    const QString preset = question.current.value(name);
    field->setCurrentIndex(field->findText(preset));
    field->setEditText(preset);
    return field;
}

}  // namespace

ValuesDialog::ValuesDialog(const ValueQuestion& question, QWidget* parent)
    : QDialog(parent), names_(question.names), presetDate_(question.date)
{
    setWindowTitle(texts::valuesTitle);
    setMinimumWidth(minimumBoxWidth);

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    for (const QString& name : names_) {
        QComboBox* field = makeValueField(name, question);
        fields_.append(field);
        form->addRow(plainLabel(texts::valueLabel.arg(name)), field);
    }

    if (question.askDate) {
        dateField_ = new QDateEdit(question.date);
        dateField_->setCalendarPopup(true);
        dateField_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        form->addRow(plainLabel(texts::referenceDateLabel), dateField_);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(texts::ok);
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    // Focus arrives as by Tab when the box shows, which selects the preset:
    // typing replaces it.
    if (!fields_.isEmpty())
        fields_.first()->setFocus(Qt::OtherFocusReason);
    else if (dateField_ != nullptr)
        dateField_->setFocus(Qt::OtherFocusReason);
}

ValueAnswer ValuesDialog::answer() const
{
    ValueAnswer answer;
    for (qsizetype i = 0; i < names_.size(); ++i)
        answer.values.insert(names_[i], fields_[i]->currentText());
    answer.date = dateField_ != nullptr ? dateField_->date() : presetDate_;
    return answer;
}

std::optional<ValueAnswer> ValuesDialog::outcome() const
{
    if (result() != QDialog::Accepted)
        return std::nullopt;
    return answer();
}

std::optional<ValueAnswer> askValues(QWidget* parent, const ValueQuestion& question)
{
    ValuesDialog dialog(question, parent);
    const ArrowWhileShown arrow;
    dialog.exec();
    return dialog.outcome();
}

}  // namespace kestrune
