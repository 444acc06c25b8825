#pragma once

#include "folder_tree.h"
#include "line_preview.h"
#include "press_history.h"
#include "raised_error.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrune::test {

// Hands each folder to the record as soon as the press says it is done.
class RecordingProgress final : public CreationProgress {
public:
    RecordingProgress(const CreationRecord& record, PressRecordWriter& writer) : record_(record), writer_(writer) {}
    void folderDone(qsizetype) override { flush(); }
    void folderFailed(qsizetype, const RuntimeError&) override { flush(); }
    void flush()
    {
        for (; parents_ < record_.parents.size(); ++parents_)
            writer_.parentReached(record_.parents.at(parents_));
        for (; written_ < record_.made.size(); ++written_)
            writer_.made({record_.made.at(written_).path, record_.made.at(written_).id});
    }

private:
    const CreationRecord& record_;
    PressRecordWriter& writer_;
    qsizetype parents_ = 0;
    qsizetype written_ = 0;
};

struct RecordedPress {
    qint64 number = 0;
    bool kept = false;
    std::optional<RuntimeError> failure;
};

// A press of `lines` into a new parent `parent` in `base`, recorded in
// `history` as it goes.
inline RecordedPress recordedPress(PressHistory& history, Folders& folders, const QString& base,
                                   const QStringList& lines, const QString& parent = QStringLiteral("親"))
{
    const std::unique_ptr<PressRecordWriter> writer = history.newRecord();
    const std::shared_ptr<OpenFolder> open = folders.openFolder(base);
    writer->begin(base + QStringLiteral("/一覧.txt"), base, open->id(), {parent});
    CreationRecord record;
    RecordingProgress progress(record, *writer);
    const QList<LinePreview> preview = previewLines(lines, PreviewTarget{base + u'/', parent});
    RecordedPress made;
    made.failure =
        raisedError([&] { makeFolderTree(open, parent, ParentChoice::NewName, preview, record, &progress); });
    progress.flush();
    writer->end(!made.failure);
    made.number = writer->number();
    made.kept = writer->kept();
    return made;
}

}  // namespace kestrune::test
