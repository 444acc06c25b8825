#pragma once

#include "desktop.h"
#include "values_table.h"

#include <QElapsedTimer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace kestrune {

// Beep, message boxes and the pointer through QApplication.
class QtDesktop final : public Desktop {
public:
    // `applicationTitle` heads message boxes that pass no title of their own;
    // the values box reads its tables with `tables`.
    QtDesktop(QString applicationTitle, ValuesTableReader& tables);
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // The window the boxes are modal to; may stay null.
    void setParentWindow(QWidget* window) { parent_ = window; }

    void beep() override;
    void showMessage(const QString& prompt, const QString& title = QString()) override;
    void setPointerShape(PointerShape shape) override;
    void keepResponsive() override;
    void showProgress(const QString& text, qint64 done, qint64 total) override;
    void endProgress() override;
    void openFolder(const QString& path) override;
    bool askYesNo(const QString& prompt, const QString& title = QString()) override;
    std::optional<ValueAnswer> askValues(const ValueQuestion& question) override;
    std::optional<QString> askFileName(const QString& prompt, const QString& preset, const QString& title) override;

private:
    QString applicationTitle_;
    ValuesTableReader& tables_;
    QWidget* parent_ = nullptr;
    PointerShape pointer_ = NormalPointer;
    QElapsedTimer sinceRepaint_;
    QElapsedTimer sinceTaskStart_;
    QProgressDialog* progress_ = nullptr;
};

}  // namespace kestrune
