# The workflow's include check refuses every way of naming a header the
# workflow may not use, and passes the plain use of those it may: each case
# is written to a folder of its own under SCRATCH and checked there.
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

set(wrong "")
list(LENGTH cases count)
math(EXPR last "${count} - 1")
foreach(index RANGE 0 ${last} 3)
  math(EXPR file_index "${index} + 1")
  math(EXPR text_index "${index} + 2")
  list(GET cases ${index} name)
  list(GET cases ${file_index} file)
  list(GET cases ${text_index} text)
  set(folder "${SCRATCH}/case${index}")
  file(REMOVE_RECURSE "${folder}")
  file(WRITE "${folder}/${file}" "${text}")
  file(WRITE "${folder}/own.h" "")
  file(WRITE "${folder}/sub/own.h" "")
  file(WRITE "${folder}/notes.txt" "")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${folder} ${CHECK} RESULT_VARIABLE status OUTPUT_QUIET
                  ERROR_QUIET)
  if(name STREQUAL "allowed" AND NOT status EQUAL 0)
    list(APPEND wrong "${name}: refused")
  elseif(NOT name STREQUAL "allowed" AND status EQUAL 0)
    list(APPEND wrong "${name}: passed")
  endif()
endforeach()
if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "the workflow's include check is wrong on:\n  ${text}")
endif()
