#pragma once

#include "value_question.h"

#include <QDialog>
#include <QList>

#include <optional>

class QComboBox;
class QDateEdit;

namespace kestrune {

// The small box that asks for a list's values: one field per name, offering
// its recent values, and the reference date when asked. Enter accepts,
// Esc or closing leaves it.
class ValuesDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ValuesDialog(const ValueQuestion& question, QWidget* parent = nullptr);

    // The answer once accepted; none while open or after leaving.
    std::optional<ValueAnswer> outcome() const;

private:
    // What the fields hold now.
    ValueAnswer answer() const;

    QStringList names_;
    QList<QComboBox*> fields_;
    QDateEdit* dateField_ = nullptr;
    QDate presetDate_;
};

// Shows the box modal to `parent` (may be null), with the arrow pointer while
// it shows, and returns the answer, or none when left.
std::optional<ValueAnswer> askValues(QWidget* parent, const ValueQuestion& question);

}  // namespace kestrune
