#pragma once

#include "desktop.h"
#include "failure_injector.h"

#include <QList>
#include <QString>

#include <functional>

namespace kestrune::test {

// Records beeps, message boxes (answered at once) and pointer changes.
class FakeDesktop final : public Desktop {
public:
    struct Box {
        QString prompt;
        QString title;
        int pointerWhileShown;
    };

    void beep() override
    {
        faults.call(QStringLiteral("beep"));
        ++beeps;
    }
    void showMessage(const QString& prompt, const QString& title = QString()) override
    {
        faults.call(QStringLiteral("showMessage"));
        boxes.append({prompt, title, pointer});
    }
    void setPointerShape(PointerShape value) override
    {
        faults.call(QStringLiteral("setPointerShape"));
        pointer = value;
        pointerHistory.append(value);
    }

    // Runs `whileBusy`, if set, as the window's own event loop would run
    // whatever arrives during a long task.
    void keepResponsive() override
    {
        ++responsiveCalls;
        if (whileBusy)
            whileBusy();
    }
    void showProgress(const QString& text, qint64 done, qint64 total) override
    {
        progress.append(text);
        Q_UNUSED(done);
        Q_UNUSED(total);
    }
    void endProgress() override { ++progressEnded; }
    void openFolder(const QString& path) override
    {
        faults.call(QStringLiteral("openFolder"));
        openedFolders.append(path);
    }

    // Answered from `answers` in turn, then with はい.
    bool askYesNo(const QString& prompt, const QString& title = QString()) override
    {
        faults.call(QStringLiteral("askYesNo"));
        questions.append(prompt);
        Q_UNUSED(title);
        return answers.isEmpty() ? true : answers.takeFirst();
    }

    // Answered from `valueAnswers` in turn; none (Esc) when they run out.
    std::optional<ValueAnswer> askValues(const ValueQuestion& question) override
    {
        valueQuestions.append(question);
        if (valueAnswers.isEmpty())
            return std::nullopt;
        return valueAnswers.takeFirst();
    }

    // Answered from `fileNames` in turn; none (Esc) when they run out.
    std::optional<QString> askFileName(const QString& prompt, const QString& preset, const QString&) override
    {
        fileNamePrompts.append(prompt + u'|' + preset);
        if (fileNames.isEmpty())
            return std::nullopt;
        return fileNames.takeFirst();
    }

    QStringList prompts() const
    {
        QStringList out;
        for (const auto& box : boxes)
            out.append(box.prompt);
        return out;
    }

    std::function<void()> whileBusy;
    int beeps = 0;
    int responsiveCalls = 0;
    QStringList progress;  // every text shown as progress
    int progressEnded = 0;
    QStringList openedFolders;
    QStringList questions;
    QList<bool> answers;
    QList<ValueQuestion> valueQuestions;
    QList<ValueAnswer> valueAnswers;
    QStringList fileNamePrompts;
    QStringList fileNames;
    QList<Box> boxes;
    int pointer = NormalPointer;
    QList<int> pointerHistory;
    FailureInjector faults;
};

}  // namespace kestrune::test
