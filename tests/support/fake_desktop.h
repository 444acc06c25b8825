#pragma once

#include "desktop.h"
#include "failure_injector.h"

#include <QList>
#include <QString>

namespace kestrune::test {

// Records beeps, message boxes (answered at once) and pointer changes.
class FakeDesktop final : public Desktop {
public:
    struct Box {
        QString prompt;
        QString title;
        int pointerWhileShown;
    };

    void Beep() override
    {
        faults.call(QStringLiteral("Beep"));
        ++beeps;
    }
    void MsgBox(const QString& prompt, const QString& title = QString()) override
    {
        faults.call(QStringLiteral("MsgBox"));
        boxes.append({prompt, title, pointer});
    }
    int mousePointer() const override { return pointer; }
    void setMousePointer(int value) override
    {
        faults.call(QStringLiteral("setMousePointer"));
        pointer = value;
        pointerHistory.append(value);
    }

    QStringList prompts() const
    {
        QStringList out;
        for (const auto& box : boxes)
            out.append(box.prompt);
        return out;
    }

    int beeps = 0;
    QList<Box> boxes;
    int pointer = DefaultPointer;
    QList<int> pointerHistory;
    FailureInjector faults;
};

}  // namespace kestrune::test
