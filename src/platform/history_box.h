#pragma once

#include <QList>
#include <QString>

namespace kestrune {

// One press as the history box shows it.
struct HistoryRow {
    QString when;
    QString list;  // the list file's name, or 「貼り付け」
    QString listTip;
    QString where;  // the parent's path
    QString whereTip;
    qsizetype folders = 0;
    qsizetype files = 0;
    QString state;         // 「取り消し済み」, 「一部残っています」, 「中断」, or nothing
    bool canUndo = false;  // something it made may still be there to remove
};

struct HistoryView {
    QList<HistoryRow> rows;  // newest first
    int selected = -1;       // the newest press not yet undone; -1 for none
    QString note;            // records that could not be read; empty when all could
};

// What the history box shows and what its buttons do. Answers without
// throwing: a failure is shown to the person here.
class HistoryBrowser {
public:
    virtual ~HistoryBrowser() = default;
    virtual HistoryView view() = 0;
    // 「取り消す」: asks the undo's question, undoes, and reports; the box
    // then shows view() again.
    virtual void undo(int row) = 0;
    // 「フォルダーを開く」: the press's parent in the file manager.
    virtual void openFolder(int row) = 0;
};

// The 「作成履歴…」 box.
class HistoryBox {
public:
    virtual ~HistoryBox() = default;
    // Shows what `browser` shows, answering its buttons through it, until
    // the person closes the box.
    virtual void show(HistoryBrowser& browser) = 0;
};

}  // namespace kestrune
