#pragma once

#include <QMetaObject>

#include <vector>

namespace kestrune {

class EventDispatch;
class FolderListWorkflow;
class MainWindow;
class ShelfCommands;
class WindowCommands;

// Which handler answers which control event. Each connection passes through
// the dispatch; all of them are undone when the binding goes, so that the
// window's teardown can reach no handler.
class EventBinding {
public:
    EventBinding(MainWindow& window, WindowCommands& commands, FolderListWorkflow& workflow, ShelfCommands& shelves,
                 EventDispatch& dispatch);
    ~EventBinding();
    EventBinding(const EventBinding&) = delete;
    EventBinding& operator=(const EventBinding&) = delete;

private:
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace kestrune
