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

    // The answer once accepted; none while open or after leaving.
    std::optional<ValueAnswer> outcome() const;

private:
    // What the fields hold now, with the table.
    ValueAnswer answer() const;
    void pasteTable();
    void chooseTableFile();
    void takeTableFile(const QString& path);
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
    QPushButton* dropButton_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableWidget* rows_ = nullptr;
};

// Shows the box modal to `parent` (may be null), with the arrow pointer while
// it shows, and returns the answer, or none when left.
std::optional<ValueAnswer> askValues(QWidget* parent, const ValueQuestion& question, ValuesTableReader& tables);

}  // namespace kestrune
