#pragma once

#include "history_box.h"

#include <QList>

#include <functional>

namespace kestrune::test {

// The history box: records what it was shown and, while shown, does what
// the test asks of it, as a person at the box would.
class FakeHistoryBox final : public HistoryBox {
public:
    void show(HistoryBrowser& browser) override
    {
        views.append(browser.view());
        if (whileShown)
            whileShown(browser);
    }

    std::function<void(HistoryBrowser&)> whileShown;
    QList<HistoryView> views;  // as each showing opened
};

}  // namespace kestrune::test
