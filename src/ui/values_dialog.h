#pragma once

#include "value_question.h"

#include <QDialog>
#include <QList>

#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kestrune {

// The small box that asks for a list's values: one field per name, offering
// its recent values, and the reference date when asked. A table pasted or
// read from a file fills the fields its columns name, one tree per row; the
// box shows its rows and names the columns it does not use. Enter accepts,
// Esc or closing leaves it.
class ValuesDialog final : public QDialog {
    Q_OBJECT
public:
    ValuesDialog(const ValueQuestion& question, ValuesTableReader& tables, QWidget* parent = nullptr);

    // What the fields hold now, with the table.
    ValueAnswer answer() const;
    // The answer once accepted; none while open or after leaving.
    std::optional<ValueAnswer> outcome() const;

    // The field of names[index]; null beyond the names.
    QComboBox* valueField(int index) const { return fields_.value(index); }
    // Null when the date is not asked.
    QDateEdit* dateField() const { return dateField_; }
    QPushButton* pasteTableButton() const { return pasteButton_; }
    QPushButton* dropTableButton() const { return dropButton_; }
    // What the box says of its table, or why the last one was refused.
    QLabel* tableSummary() const { return summary_; }
    // The table's first rows.
    QTableWidget* tableRows() const { return rows_; }

    // Takes the table of the file at `path` (as 「表ファイル…」 does once a
    // file is chosen); a refused file leaves the table as it was.
    void takeTableFile(const QString& path);

private:
    void pasteTable();
    void chooseTableFile();
    void dropTable();
    void takeTable(const ValuesTableReading& reading);
    void showTable(const QString& refusal = QString());
    void focusFirstField();

    ValuesTableReader& tables_;
    QStringList names_;
    QHash<QString, QString> presets_;
    QString folder_;
    QList<QComboBox*> fields_;
    QDateEdit* dateField_ = nullptr;
    QDate presetDate_;
    ValuesTable table_;
    QPushButton* ok_ = nullptr;
    QPushButton* pasteButton_ = nullptr;
    QPushButton* dropButton_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* rows_ = nullptr;
};

// Shows the box modal to `parent` (may be null), with the arrow pointer while
// it shows, and returns the answer, or none when left.
std::optional<ValueAnswer> askValues(QWidget* parent, const ValueQuestion& question, ValuesTableReader& tables);

}  // namespace kestrune
