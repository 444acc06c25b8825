#include "line_status.h"

#include "line_preview.h"
#include "workflow_texts.h"

#include <QStringList>

namespace kestrune {

const QString& ToolTipWords::word(Word word) const
{
    static constexpr std::array<Text, WordCount> sources{
        texts::previewMade,   texts::previewWarning,  texts::previewBlank, texts::previewRepeat, texts::previewRefused,
        texts::previewExists, texts::previewComposed, texts::rowMade,      texts::rowRepeatDone,
    };
    QString& words = words_[word];
    if (words.isNull())
        words = sources[word];
    return words;
}

namespace {

QString none(const LinePreview&, const ToolTipWords&)
{
    return {};
}

QString made(const LinePreview& line, const ToolTipWords& words)
{
    return words.made() + line.folder;
}

QString madeWithWarning(const LinePreview& line, const ToolTipWords& words)
{
    return words.made() + line.folder + words.warning() + line.reason;
}

QString doneMade(const LinePreview& line, const ToolTipWords& words)
{
    return words.done() + line.folder;
}

QString blank(const LinePreview&, const ToolTipWords& words)
{
    return words.blank();
}

QString sameAsLine(const LinePreview& line, const ToolTipWords& words)
{
    return words.repeat().arg(line.sameAsLine);
}

QString doneSameAsLine(const LinePreview& line, const ToolTipWords& words)
{
    return words.doneRepeat().arg(line.sameAsLine);
}

QString refused(const LinePreview& line, const ToolTipWords& words)
{
    return words.refused().arg(line.reason);
}

QString reason(const LinePreview& line, const ToolTipWords&)
{
    return line.reason;
}

QString there(const LinePreview& line, const ToolTipWords& words)
{
    return words.exists().arg(line.folder);
}

using enum LineStatus;
using Field = DryRunField;

// clang-format off
constexpr std::array<StatusTraits, statusCount> table{{
    // status   word          mark               done mark          makes  weight dry run        tool tip         after the press  note
    {Ok,       u"ok",        ItemMark::Ok,       ItemMark::Made,    true,  2, Field::Folder,  made,            doneMade,       none},
    {Blank,    u"blank",     ItemMark::Blank,    ItemMark::Blank,   false, 0, Field::Nothing, blank,           blank,          none},
    {Repeat,   u"repeat",    ItemMark::Repeat,   ItemMark::Made,    false, 2, Field::Folder,  sameAsLine,      doneSameAsLine, sameAsLine},
    {Refused,  u"refused",   ItemMark::Refused,  ItemMark::Refused, false, 6, Field::Reason,  refused,         refused,        none},
    {Unsafe,   u"unsafe",    ItemMark::Warning,  ItemMark::Made,    true,  4, Field::Folder,  madeWithWarning, doneMade,       reason},
    {Notation, u"notation",  ItemMark::Notation, ItemMark::Made,    true,  3, Field::Folder,  madeWithWarning, doneMade,       reason},
    {Waiting,  u"waiting",   ItemMark::Waiting,  ItemMark::Waiting, false, 5, Field::Never,   reason,          reason,         none},
    {Exists,   u"exists",    ItemMark::Exists,   ItemMark::Exists,  true,  1, Field::Folder,  there,           there,          none},
}};
// clang-format on

// The table is indexed by the enum: a row out of place is a build error.
constexpr bool inEnumOrder()
{
    for (std::size_t index = 0; index < table.size(); ++index) {
        if (static_cast<std::size_t>(table[index].status) != index)
            return false;
    }
    return true;
}
static_assert(inEnumOrder());

}  // namespace

const std::array<StatusTraits, statusCount>& statusTable()
{
    return table;
}

QString statusWords()
{
    QStringList words;
    for (const StatusTraits& row : table) {
        if (row.dryRunField != DryRunField::Never)
            words.append(row.word.toString());
    }
    return words.join(QStringLiteral(", "));
}

}  // namespace kestrune
