# The workflow's include check refuses every way of naming a header the
# workflow may not use, and passes the plain use of those it may.
# Run as: cmake -DSCRATCH=<folder> -DCHECK=<the check's arguments, ;-separated> -P workflow_includes_refused.cmake
cmake_minimum_required(VERSION 3.25)

# Case name, file below the case's folder, its text; "allowed" cases must pass.
set(cases
    "an OS header in a sub-folder" "sub/x.cpp" [=[#include <unistd.h>
]=]
    "errno" "x.cpp" [=[#include <cerrno>
]=]
    "a file stream" "x.h" [=[#include <fstream>
]=]
    "a widget" "x.cpp" [=[#include <QWidget>
]=]
    "Qt Gui through a folder" "x.cpp" [=[#include <QtGui/QColor>
]=]
    "a platform implementation" "x.cpp" [=[#include "posix_folders.h"
]=]
    "a platform source" "x.cpp" [=[#include "folder_paths.cpp"
]=]
    "out by a relative path" "x.cpp" [=[#include "../posix/posix_folders.h"
]=]
    "an own file that is no source" "x.cpp" [=[#include "notes.txt"
]=]
    "split over two lines" "x.cpp" [=[#\
include <thread>
]=]
    "spelled with %:" "x.cpp" [=[%:include <csignal>
]=]
    "a comment inside" "x.cpp" [=[# /**/ include <cstdio>
]=]
    "behind a comment" "x.cpp" [=[/* x */ #include <filesystem>
]=]
    "include_next" "x.cpp" [=[#include_next <unistd.h>
]=]
    "through a macro" "x.cpp" [=[#define HEADER <unistd.h>
#include HEADER
]=]
    "allowed" "sub/x.cpp" [=[// Nothing here to include but what is allowed.
#include "own.h"
#include "sub/own.h"
#include "folders.h"
#include <QString>
#include <QtCore/QList>
#include <memory>  // owned
#include <algorithm>
]=])

include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/include_cases.cmake)
kestrune_expect_include_check(${cases})
