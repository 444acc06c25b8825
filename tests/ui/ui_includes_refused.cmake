# The widgets' include check refuses the OS and the POSIX implementations,
# and passes the Qt modules and platform interfaces the widgets use.
# Run as: cmake -DSCRATCH=<folder> -DCHECK=<the check's arguments, ;-separated> -P ui_includes_refused.cmake
cmake_minimum_required(VERSION 3.25)

# Case name, file below the case's folder, its text; "allowed" cases must pass.
set(cases
    "an OS header" "x.cpp" [=[#include <unistd.h>
]=]
    "an OS header in a sub-folder" "sub/x.h" [=[#include <sys/stat.h>
]=]
    "a folder stream" "x.cpp" [=[#include <dirent.h>
]=]
    "errno" "x.cpp" [=[#include <cerrno>
]=]
    "a POSIX implementation" "x.h" [=[#include "folder_listing.h"
]=]
    "out by a relative path" "x.cpp" [=[#include "../platform/posix/mounted_volumes.h"
]=]
    "a module not linked" "x.cpp" [=[#include <QtNetwork/QTcpSocket>
]=]
    "allowed" "sub/x.cpp" [=[#include "own.h"
#include "controls.h"
#include "listing_source.h"
#include <QWidget>
#include <QtWidgets/QListView>
#include <QPainter>
#include <QtCore/QString>
#include <functional>
]=])

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/include_cases.cmake)
kestrune_expect_include_check(${cases})
