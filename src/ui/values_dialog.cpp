#include "values_dialog.h"
#include "arrow_while_shown.h"
#include "ui_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace kestrune {

namespace {

// Wide enough that a typical value is read whole without resizing the box.
constexpr int minimumBoxWidth = 320;
// Enough of a table to see that its columns are the right ones.
constexpr int tableRowsShown = 5;

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

// A button that Enter never presses: Enter accepts the box, also after a
// click on it.
QPushButton* makeTableButton(const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ValuesDialog::ValuesDialog(const ValueQuestion& question, ValuesTableReader& tables, QWidget* parent)
    : QDialog(parent), tables_(tables), names_(question.names), presets_(question.current), folder_(question.folder),
      presetDate_(question.date), table_(question.table)
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

    auto* tableButtons = new QHBoxLayout;
    QPushButton* pasteButton = makeTableButton(texts::pasteTableCaption);
    QPushButton* fileButton = makeTableButton(texts::tableFileCaption);
    dropButton_ = makeTableButton(texts::dropTableCaption);
    tableButtons->addWidget(pasteButton);
    tableButtons->addWidget(fileButton);
    tableButtons->addWidget(dropButton_);
    tableButtons->addStretch();
    form->addRow(tableButtons);
    connect(pasteButton, &QPushButton::clicked, this, &ValuesDialog::pasteTable);
    connect(fileButton, &QPushButton::clicked, this, &ValuesDialog::chooseTableFile);
    connect(dropButton_, &QPushButton::clicked, this, &ValuesDialog::dropTable);

    summary_ = plainLabel(QString());
    summary_->setWordWrap(true);
    form->addRow(summary_);
    rows_ = new QTableWidget;
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setFocusPolicy(Qt::NoFocus);
    rows_->setSelectionMode(QAbstractItemView::NoSelection);
    rows_->verticalHeader()->hide();
    // The first rows only, each column as wide as the box allows.
    rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    form->addRow(rows_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(texts::ok);
    ok_->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);

    showTable(question.tableRefusal);
    // Focus arrives as by Tab when the box shows, which selects the preset:
    // typing replaces it.
    focusFirstField();
}

void ValuesDialog::focusFirstField()
{
    const auto open =
        std::find_if(fields_.cbegin(), fields_.cend(), [](QComboBox* field) { return field->isEnabled(); });
    if (open != fields_.cend()) {
        (*open)->setFocus(Qt::OtherFocusReason);
        (*open)->lineEdit()->selectAll();
    } else if (dateField_ != nullptr)
        dateField_->setFocus(Qt::OtherFocusReason);
    else
        ok_->setFocus(Qt::OtherFocusReason);
    // The focus passing over OK as a button that held it hides takes the
    // default from OK; Enter accepts the box whatever happened to the table.
    ok_->setDefault(true);
}

void ValuesDialog::pasteTable()
{
    const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
    if (clipboard == nullptr || !clipboard->hasText() || clipboard->text().isEmpty()) {
        takeTable({{}, texts::noTableOnClipboard});
        return;
    }
    takeTable(tables_.readPasted(clipboard->text()));
}

void ValuesDialog::chooseTableFile()
{
    const QString start = table_.filePath.isEmpty() ? folder_ : QFileInfo(table_.filePath).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, texts::tableFileTitle, start, texts::tableFileFilter);
    if (!path.isEmpty())
        takeTableFile(path);
}

void ValuesDialog::takeTableFile(const QString& path)
{
    takeTable(tables_.readFile(path));
}

void ValuesDialog::dropTable()
{
    table_ = ValuesTable();
    showTable();
    focusFirstField();
}

void ValuesDialog::takeTable(const ValuesTableReading& reading)
{
    if (!reading.refusal.isEmpty()) {
        QApplication::beep();
        showTable(reading.refusal);
        return;
    }
    table_ = reading.table;
    showTable();
    // Back to the values, so that Enter accepts the box as it would have.
    focusFirstField();
}

// Each field a column fills is closed, the others open with their presets;
// the summary says what the table is, which of its columns fill fields and
// which are not used (and why the last table was refused); its first rows show.
void ValuesDialog::showTable(const QString& refusal)
{
    QStringList used;
    for (qsizetype index = 0; index < names_.size(); ++index) {
        QComboBox* field = fields_.at(index);
        const QString& name = names_.at(index);
        const bool fromTable = table_.columnOf(name) >= 0;
        if (fromTable == !field->isEnabled())
            continue;
        field->setEnabled(!fromTable);
        field->setEditText(fromTable ? QString() : presets_.value(name));
        field->lineEdit()->setPlaceholderText(fromTable ? texts::fieldFromTable.arg(name) : QString());
    }
    QStringList lines;
    if (!refusal.isEmpty())
        lines.append(refusal);
    if (!table_.isEmpty()) {
        QStringList ignored;
        for (const QString& column : std::as_const(table_.columns))
            (names_.contains(column) ? used : ignored).append(column);
        lines.append(table_.filePath.isEmpty()
                         ? texts::tablePasted.withCount(table_.rows.size())
                         : texts::tableFromFile.withCount(table_.rows.size()).arg(table_.filePath));
        if (!used.isEmpty())
            lines.append(texts::tableColumnsUsed.arg(used.join(texts::namesSeparator)));
        if (!ignored.isEmpty())
            lines.append(texts::tableColumnsIgnored.arg(ignored.join(texts::namesSeparator)));
    }
    summary_->setText(lines.join(u'\n'));
    summary_->setVisible(!lines.isEmpty());
    dropButton_->setVisible(!table_.isEmpty());

    const int shown = static_cast<int>(std::min<qsizetype>(table_.rows.size(), tableRowsShown));
    rows_->clear();
    rows_->setColumnCount(static_cast<int>(table_.columns.size()));
    rows_->setRowCount(shown);
    rows_->setHorizontalHeaderLabels(table_.columns);
    for (int row = 0; row < shown; ++row) {
        for (int column = 0; column < rows_->columnCount(); ++column)
            rows_->setItem(row, column, new QTableWidgetItem(table_.rows.at(row).at(column)));
    }
    rows_->setVisible(!table_.isEmpty());
    // As tall as the rows shown; the box grows or shrinks with them.
    rows_->setFixedHeight(rows_->horizontalHeader()->sizeHint().height() +
                          shown * rows_->verticalHeader()->defaultSectionSize() + 2 * rows_->frameWidth());
    if (isVisible())
        adjustSize();
}

ValueAnswer ValuesDialog::answer() const
{
    ValueAnswer answer;
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (table_.columnOf(names_[i]) < 0)
            answer.values.insert(names_[i], fields_[i]->currentText());
    }
    answer.date = dateField_ != nullptr ? dateField_->date() : presetDate_;
    answer.table = table_;
    return answer;
}

std::optional<ValueAnswer> ValuesDialog::outcome() const
{
    if (result() != QDialog::Accepted)
        return std::nullopt;
    return answer();
}

std::optional<ValueAnswer> askValues(QWidget* parent, const ValueQuestion& question, ValuesTableReader& tables)
{
    ValuesDialog dialog(question, tables, parent);
    const ArrowWhileShown arrow;
    dialog.exec();
    return dialog.outcome();
}

}  // namespace kestrune
