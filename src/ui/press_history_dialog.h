#pragma once

#include "history_box.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kestrune {

// The 「作成履歴…」 box: the presses, newest first, with the newest not yet
// undone selected; 「取り消す」 is the default button (Enter), 「フォルダーを開く」
// opens the press's parent, Esc closes. What the buttons do is the
// browser's; the box shows its view again after each undo.
class PressHistoryDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PressHistoryDialog(HistoryBrowser& browser, QWidget* parent = nullptr);

    QTreeWidget* presses() const { return presses_; }
    QPushButton* undoButton() const { return undoButton_; }
    QPushButton* openButton() const { return openButton_; }
    QLabel* note() const { return note_; }

private:
    // Shows the browser's view afresh, its chosen row selected.
    void refresh();
    void followSelection();
    int selectedRow() const;

    HistoryBrowser& browser_;
    HistoryView view_;
    QTreeWidget* presses_;
    QLabel* note_;
    QPushButton* undoButton_;
    QPushButton* openButton_;
};

// Shows the box modal to a window.
class QtHistoryBox final : public HistoryBox {
public:
    // The window the box is modal to; may stay null.
    void setParentWindow(QWidget* window) { parent_ = window; }
    void show(HistoryBrowser& browser) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace kestrune
