#include "template_plan.h"

#include "disk_lookup.h"
#include "folder_paths.h"
#include "saturated.h"
#include "unicode_names.h"
#include "workflow_texts.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <deque>
#include <optional>

namespace kestrune {

namespace {

// Lines of a list shown in a tip or the refusal box; the rest are counted.
constexpr qsizetype mostCopiesShown = 10;

// One name a template's name stands for once its notation is filled in.
struct FilledName {
    QString name;
    QString refusal;  // why no file or folder can carry it
};

// Something of the template with its names filled in: one of the copies an
// item gives when a group in its names stands for several.
struct Filled {
    QStringList levels;  // as named in the copy, from the template's top
    const TemplateItem* item = nullptr;
    QString refusal;  // of one of its names
    QString key;      // its levels below the top-level folder (or the top, for a file there) as names meet
};

// What a template gives the folders of one name, or the parents.
struct Rule {
    QString name;  // as the template names it, filled in
    QList<const Filled*> contents;
    qint64 files = 0;
    qint64 bytes = 0;
    bool used = false;
};

class TemplateFitting {
public:
    TemplateFitting(const TemplateTree& tree, const ListPreview& preview, const PreviewTarget& target,
                    const NotationSettings& notation, OpenFolder* base)
        : tree_(tree), preview_(preview), target_(target), notation_(notation), base_(base),
          windows_(target.volume.windowsFileSystem)
    {
        // Checked against the longest parent: the path limits hold for every one.
        for (const LinePreview& parent : preview.parents) {
            if (parent.folder.size() > target_.parentName.size())
                target_.parentName = parent.folder;
        }
    }

    TemplatePlan fit()
    {
        plan_.path = tree_.path;
        plan_.failure = tree_.failure;
        plan_.folder = tree_.folder;
        if (tree_.isEmpty() || tree_.failure)
            return std::move(plan_);
        if (!fillNames())
            return std::move(plan_);
        gatherRules();
        // Each parent its own copies when it has its own folders: filled in
        // against what is there, or a table's rows.
        plan_.perParent = preview_.filledIn || !preview_.tableRows.isEmpty();
        if (!plan_.waitingFor.isEmpty() || preview_.parents.isEmpty())
            return std::move(plan_);
        countCopies();
        for (const Rule& rule : std::as_const(rules_)) {
            if (!rule.used)
                plan_.unusedFolders.append(rule.name);
        }
        if (plan_.tooMany())
            return std::move(plan_);
        plan_.files = 0;
        plan_.bytes = 0;
        const qsizetype lists = plan_.perParent ? preview_.parents.size() : 1;
        for (qsizetype parent = 0; parent < lists; ++parent)
            plan_.copiesByParent.append(place(parent));
        if (!plan_.perParent) {
            const qint64 parents = preview_.parents.size();
            plan_.files = saturatedProduct(plan_.files, parents);
            plan_.bytes = saturatedProduct(plan_.bytes, parents);
            plan_.kept = saturatedProduct(plan_.kept, parents);
        }
        return std::move(plan_);
    }

private:
    QList<FilledName> namesFor(const QString& name)
    {
        if (notation_.literal)
            return {{composedName(name), refusalOf(name)}};
        appendNewNames(plan_.askedNames, askedNames(name));
        const Expansion expansion = expandNotation(name, notation_.values, mostTemplateFilesPerPress);
        if (!expansion.missingValues.isEmpty()) {
            appendNewNames(plan_.waitingFor, expansion.missingValues);
            return {};
        }
        QList<FilledName> names;
        names.reserve(expansion.results.size());
        for (const NotationResult& result : expansion.results) {
            const QString filled = composedName(result.text);
            names.append({filled, result.valueAddsLevel ? texts::reasonValueAddsLevel : refusalOf(filled)});
        }
        return names;
    }

    static QString refusalOf(const QString& name)
    {
        return name.isEmpty() || name == u"." || name == u".." || name.contains(pathSeparator)
                   ? texts::reasonNotOneFolder
                   : QString();
    }

    // Every item's names filled in, each folder's before what it holds. False
    // when they stand for more than a press copies: the plan then says how many.
    bool fillNames()
    {
        // The levels each folder of the template stands for, by its path there.
        QHash<QString, QList<const Filled*>> folders;
        const Filled top{};
        qint64 count = 0;
        for (const TemplateItem& item : tree_.items) {
            const QList<FilledName> own = namesFor(item.levels.constLast());
            QList<const Filled*> above{&top};
            if (item.levels.size() > 1)
                above = folders.value(item.levels.first(item.levels.size() - 1).join(pathSeparator));
            count = saturatedSum(count, saturatedProduct(above.size(), own.size()));
            if (count > mostTemplateFilesPerPress) {
                plan_.files = count;
                return false;
            }
            QList<const Filled*> mine;
            for (const Filled* holder : std::as_const(above)) {
                for (const FilledName& name : own) {
                    Filled filled{holder->levels + QStringList{name.name}, &item,
                                  holder->refusal.isEmpty() ? name.refusal : holder->refusal, QString()};
                    // Keyed below the top-level folder that holds it: that
                    // folder's content goes wherever its name matches.
                    const QString key = nameKey(name.name, windows_);
                    if (holder->levels.isEmpty())
                        filled.key = item.folder ? QString() : key;
                    else if (holder->levels.size() == 1)
                        filled.key = key;
                    else
                        filled.key = holder->key + pathSeparator + key;
                    filled_.push_back(std::move(filled));
                    mine.append(&filled_.back());
                }
            }
            if (item.folder)
                folders.insert(item.levels.join(pathSeparator), mine);
            if (!item.skipReason.isEmpty())
                plan_.skipped.append(item);
        }
        return true;
    }

    Rule& ruleNamed(const QString& name)
    {
        const QString key = nameKey(name, windows_);
        const auto known = ruleByKey_.constFind(key);
        if (known != ruleByKey_.cend())
            return rules_[*known];
        ruleByKey_.insert(key, rules_.size());
        rules_.append({name, {}, 0, 0, false});
        return rules_.last();
    }

    void gatherRules()
    {
        const auto count = [](Rule& rule, const Filled& filled) {
            if (!filled.item->folder && filled.item->skipReason.isEmpty()) {
                ++rule.files;
                rule.bytes = saturatedSum(rule.bytes, filled.item->size);
            }
        };
        for (const Filled& filled : filled_) {
            if (filled.levels.size() == 1 && filled.item->folder) {
                ruleNamed(filled.levels.first());
                continue;
            }
            Rule& rule = filled.levels.size() == 1 ? topFiles_ : ruleNamed(filled.levels.first());
            rule.contents.append(&filled);
            count(rule, filled);
        }
    }

    // The rule for folders named `name`, if any.
    Rule* ruleFor(const QString& name)
    {
        const auto known = ruleByKey_.constFind(nameKey(name, windows_));
        return known == ruleByKey_.cend() ? nullptr : &rules_[*known];
    }

    // A folder of the press: its levels below the parent and the entry that first reaches it.
    struct Reached {
        QStringList levels;
        QString key;
        qsizetype entry = -1;
    };

    QList<Reached> reachedBy(qsizetype parent) const
    {
        QList<Reached> reached;
        QSet<QString> seen;
        const ParentShare share = preview_.shareOf(parent);
        for (qsizetype at = 0; at < share.entries.size(); ++at) {
            if (!makesFolder(share.entries.at(at).status))
                continue;
            const qsizetype entry = share.indexOf(at);
            const LinePreview& shared = share.entries.at(at);
            const QStringList levels =
                (shared.folderAsGiven ? preview_.folderOf(entry) : shared.folder).split(pathSeparator);
            QString key;
            for (qsizetype depth = 0; depth < levels.size(); ++depth) {
                key += pathSeparator + nameKey(levels.at(depth), windows_);
                if (!seen.contains(key)) {
                    seen.insert(key);
                    reached.append({levels.first(depth + 1), key, entry});
                }
            }
        }
        return reached;
    }

    bool makesNothing(qsizetype parent) const { return preview_.parents.at(parent).status == LineStatus::Refused; }

    // Files copied by the rules, before any is placed: a press over the limit
    // is refused with the count, without listing a copy.
    void countCopies()
    {
        qint64 files = 0;
        qint64 bytes = 0;
        const qsizetype lists = plan_.perParent ? preview_.parents.size() : 1;
        for (qsizetype parent = 0; parent < lists; ++parent) {
            if (makesNothing(parent))
                continue;
            const auto add = [&](Rule* rule) {
                if (rule == nullptr)
                    return;
                rule->used = true;
                files = saturatedSum(files, rule->files);
                bytes = saturatedSum(bytes, rule->bytes);
            };
            add(&topFiles_);
            add(ruleFor(preview_.parents.at(parent).folder));
            for (const Reached& folder : reachedBy(parent))
                add(ruleFor(folder.levels.constLast()));
        }
        if (!plan_.perParent) {
            files = saturatedProduct(files, preview_.parents.size());
            bytes = saturatedProduct(bytes, preview_.parents.size());
        }
        plan_.files = files;
        plan_.bytes = bytes;
    }

    // What stands at a path below the parent, as far as the press knows.
    enum class Taken { ListFolder, TemplateFolder, File };

    QList<TemplateCopy> place(qsizetype parent)
    {
        QList<TemplateCopy> copies;
        if (makesNothing(parent))
            return copies;
        const LinePreview& parentPreview = preview_.parents.at(parent);
        const QList<Reached> reached = reachedBy(parent);
        QHash<QString, Taken> taken;
        taken.reserve(reached.size());
        for (const Reached& folder : reached)
            taken.insert(folder.key, Taken::ListFolder);
        // Only a parent that is there can hold anything yet.
        const bool lookOnDisk = base_ != nullptr && parentPreview.status == LineStatus::Exists;
        const auto placeRule = [&](const Rule* rule, const QStringList& levels, const QString& key, qsizetype entry) {
            if (rule == nullptr)
                return;
            for (const Filled* filled : rule->contents) {
                TemplateCopy copy = copyOf(*filled, levels, rule == &topFiles_ ? 0 : 1, entry);
                const QString copyKey = key + pathSeparator + filled->key;
                if (!settle(copy, copyKey, taken, parentPreview.folder, lookOnDisk))
                    continue;
                if (copiesFile(copy.status)) {
                    ++plan_.files;
                    plan_.bytes = saturatedSum(plan_.bytes, copy.size);
                } else if (copy.status == CopyStatus::Exists && !copy.folder) {
                    ++plan_.kept;
                }
                copies.append(std::move(copy));
            }
        };
        placeRule(&topFiles_, {}, QString(), -1);
        placeRule(ruleFor(parentPreview.folder), {}, QString(), -1);
        for (const Reached& folder : reached)
            placeRule(ruleFor(folder.levels.constLast()), folder.levels, folder.key, folder.entry);
        return copies;
    }

    static TemplateCopy copyOf(const Filled& filled, const QStringList& into, qsizetype dropped, qsizetype entry)
    {
        TemplateCopy copy;
        const QStringList levels = into + filled.levels.mid(dropped);
        copy.path = levels.join(pathSeparator);
        copy.source = filled.item->levels;
        copy.folder = filled.item->folder;
        copy.size = filled.item->size;
        copy.entry = entry;
        if (!filled.item->skipReason.isEmpty()) {
            copy.status = CopyStatus::Skipped;
            copy.reason = filled.item->skipReason;
        } else if (!filled.refusal.isEmpty()) {
            copy.status = CopyStatus::Refused;
            copy.reason = filled.refusal;
        }
        return copy;
    }

    // Gives `copy` its status against what the press makes in `parentName`
    // and, below an existing parent (`lookOnDisk`), what is there. False for
    // a folder of the template that the press makes anyway: nothing more to
    // do for it.
    bool settle(TemplateCopy& copy, const QString& key, QHash<QString, Taken>& taken, const QString& parentName,
                bool lookOnDisk)
    {
        if (copy.status != CopyStatus::File)
            return true;
        if (const auto there = taken.constFind(key); there != taken.cend()) {
            if (copy.folder && *there != Taken::File)
                return false;
            copy.status = *there == Taken::File && !copy.folder ? CopyStatus::Skipped : CopyStatus::Refused;
            const QString path = parentName + pathSeparator + copy.path;
            copy.reason = copy.status == CopyStatus::Skipped ? texts::skippedSameName
                          : copy.folder                      ? texts::reasonNotAFolderThere.arg(path)
                                                             : texts::reasonNotAFileThere.arg(path);
            return true;
        }
        const QStringList levels = copy.path.split(pathSeparator);
        const LinePreview checked = previewPlacedPath(levels, target_);
        if (checked.status != LineStatus::Ok) {
            copy.status = checked.status == LineStatus::Refused ? CopyStatus::Refused : CopyStatus::Unsafe;
            copy.reason = checked.reason;
        }
        if (copy.status != CopyStatus::Refused && lookOnDisk)
            compareWithDisk(copy, QStringList{parentName} + levels);
        if (copy.status != CopyStatus::Refused)
            taken.insert(key, copy.folder ? Taken::TemplateFolder : Taken::File);
        return true;
    }

    // Filling in: a file there already is kept, a folder there is used; a
    // folder or a link where a file must go, or the reverse, refuses.
    void compareWithDisk(TemplateCopy& copy, const QStringList& levels)
    {
        if (!disk_)
            disk_.emplace(*base_, windows_);
        const DiskLookup::Found found = disk_->find(levels);
        if (found.existing == levels.size()) {
            if (copy.folder) {
                copy.status = CopyStatus::Exists;
            } else {
                copy.status = CopyStatus::Refused;
                copy.reason = texts::reasonNotAFileThere.arg(found.names.join(pathSeparator));
            }
        } else if (!found.blockedBy.isEmpty()) {
            const bool fileThere = found.names.size() == levels.size();
            if (fileThere && !copy.folder && found.blockedKind == EntryKind::Other) {
                copy.status = CopyStatus::Exists;
            } else {
                copy.status = CopyStatus::Refused;
                copy.reason = fileThere && !copy.folder ? texts::reasonNotAFileThere.arg(found.blockedBy)
                                                        : texts::reasonNotAFolderThere.arg(found.blockedBy);
            }
        }
    }

    const TemplateTree& tree_;
    const ListPreview& preview_;
    PreviewTarget target_;
    const NotationSettings& notation_;
    OpenFolder* base_;
    bool windows_;
    std::optional<DiskLookup> disk_;
    TemplatePlan plan_;
    // Stable addresses: rules point into it.
    std::deque<Filled> filled_;
    Rule topFiles_;
    QList<Rule> rules_;
    QHash<QString, qsizetype> ruleByKey_;
};

}  // namespace

const QList<TemplateCopy>& TemplatePlan::copiesFor(qsizetype parent) const
{
    static const QList<TemplateCopy> none;
    if (copiesByParent.isEmpty())
        return none;
    return copiesByParent.at(perParent ? parent : 0);
}

namespace {

constexpr std::array<QStringView, 5> copyStatusWords_ = {u"file", u"exists", u"skipped", u"unsafe", u"refused"};

}  // namespace

QStringView copyStatusWord(CopyStatus status)
{
    return copyStatusWords_.at(static_cast<std::size_t>(status));
}

QString copyStatusWords()
{
    QStringList words;
    for (const QStringView word : copyStatusWords_)
        words.append(word.toString());
    return words.join(QStringLiteral(", "));
}

QString megabytes(qint64 bytes)
{
    return QString::number(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1);
}

// `lines` under `heading`, at most mostCopiesShown and then how many more.
QString cappedList(const QString& heading, const QStringList& lines)
{
    QStringList shown{heading};
    shown += lines.first(std::min(lines.size(), mostCopiesShown));
    if (lines.size() > mostCopiesShown)
        shown.append(texts::moreCopies.arg(lines.size() - mostCopiesShown));
    return shown.join(u'\n');
}

QString TemplatePlan::refusal() const
{
    if (failure)
        return texts::templateUnreadable.arg(failure->description());
    if (!waitingFor.isEmpty())
        return texts::valuesMissing.arg(waitingFor.join(texts::listSeparator));
    if (files > mostTemplateFilesPerPress)
        return texts::templateTooManyFiles.arg(files).arg(mostTemplateFilesPerPress);
    if (bytes > mostTemplateBytesPerPress)
        return texts::templateTooLarge.arg(megabytes(bytes), megabytes(mostTemplateBytesPerPress));
    QStringList refused;
    for (const auto& copies : copiesByParent) {
        for (const TemplateCopy& copy : copies) {
            if (copy.status == CopyStatus::Refused)
                refused.append(texts::templateItemLine.arg(copy.path, copy.reason));
        }
    }
    return refused.isEmpty() ? QString() : cappedList(texts::templateCopiesRefused, refused);
}

TemplatePlan planTemplate(const TemplateTree& tree, const ListPreview& preview, const PreviewTarget& target,
                          const NotationSettings& notation, OpenFolder* base)
{
    return TemplateFitting(tree, preview, target, notation, base).fit();
}

}  // namespace kestrune
