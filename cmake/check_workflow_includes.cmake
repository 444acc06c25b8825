# Fails unless every include in src/workflow (sub-folders too) names a header
# the workflow may use: its own, the platform interfaces (the headers directly
# in src/platform), Qt Core's, or a standard header from the list below, none
# of which reaches the OS. A list of what is allowed rather than of what is
# not, so that no OS header, errno, stream or widget comes in under a name
# nobody thought to forbid.
#
# Every line that holds the word "include" outside a // comment line must be a
# plain `#include <name>` or `#include "name"`: a directive split over lines,
# spelled with %:, with a comment inside or behind a macro is refused rather
# than read.
#
# Run as: cmake -DSOURCE_DIR=<src/workflow> -DQT_CORE_DIR=<Qt Core's include folder>
#               [-DPLATFORM_DIR=<src/platform>] -P check_workflow_includes.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR OR NOT QT_CORE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<folder> -DQT_CORE_DIR=<folder> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
if(NOT IS_DIRECTORY "${QT_CORE_DIR}")
  message(FATAL_ERROR "Qt Core's include folder is missing: ${QT_CORE_DIR}")
endif()
if(NOT PLATFORM_DIR)
  set(PLATFORM_DIR "${CMAKE_CURRENT_LIST_DIR}/../src/platform")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" REALPATH)
get_filename_component(PLATFORM_DIR "${PLATFORM_DIR}" REALPATH)

# Standard headers that only compute: no files, streams, clocks, threads,
# signals, environment or errno.
set(standard_headers
    algorithm any array bit bitset charconv cmath compare concepts cstddef cstdint deque exception
    functional initializer_list iterator limits list map memory new numbers numeric optional queue
    ranges ratio set span stack stdexcept string string_view tuple type_traits typeindex typeinfo
    unordered_map unordered_set utility variant vector)

# The files a compiler could read: every one of them is checked, and only
# they may be included by a quoted name.
set(source_pattern "\\.(c|cc|cpp|cxx|h|hh|hpp|hxx|inc|inl|ipp|tpp)$")

# True in `result` when "name" is one of the workflow's own sources, found as
# the compiler finds it from `folder`, or a header directly in src/platform.
function(is_own_or_platform_header name folder result)
  foreach(candidate IN ITEMS "${folder}/${name}" "${SOURCE_DIR}/${name}")
    if(EXISTS "${candidate}" AND NOT IS_DIRECTORY "${candidate}" AND candidate MATCHES "${source_pattern}")
      get_filename_component(real "${candidate}" REALPATH)
      string(FIND "${real}" "${SOURCE_DIR}/" at)
      if(at EQUAL 0)
        set(${result} TRUE PARENT_SCOPE)
        return()
      endif()
    endif()
  endforeach()
  if(name MATCHES "^[^/]+\\.(h|hh|hpp|hxx)$" AND EXISTS "${PLATFORM_DIR}/${name}")
    set(${result} TRUE PARENT_SCOPE)
    return()
  endif()
  set(${result} FALSE PARENT_SCOPE)
endfunction()

function(is_allowed_system_header name result)
  set(${result} FALSE PARENT_SCOPE)
  if(name IN_LIST standard_headers)
    set(${result} TRUE PARENT_SCOPE)
  elseif(name MATCHES "^(QtCore/)?(Q[A-Za-z0-9_]*)$")
    set(header "${QT_CORE_DIR}/${CMAKE_MATCH_2}")
    if(EXISTS "${header}" AND NOT IS_DIRECTORY "${header}")
      set(${result} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false "${SOURCE_DIR}/*")
list(FILTER files INCLUDE REGEX "${source_pattern}")
set(offences "")
foreach(file IN LISTS files)
  file(READ "${file}" text)
  # A directive goes on past a line that ends in a backslash.
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\\\n" "" text "${text}")
  # One list element a line: hide what a CMake list splits or groups on.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "[" "<bracket>" text "${text}")
  string(REPLACE "]" "</bracket>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  get_filename_component(folder "${file}" DIRECTORY)
  foreach(line IN LISTS lines)
    if(NOT line MATCHES "(^|[^A-Za-z0-9_])include(_next)?([^A-Za-z0-9_]|$)" OR line MATCHES "^[ \t]*//")
      continue()
    endif()
    if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*(<([^<>\"]+)>|\"([^<>\"]+)\")[ \t]*(//.*)?$")
      list(APPEND offences "${file}: ${line} (not a plain include)")
      continue()
    endif()
    set(system_name "${CMAKE_MATCH_2}")
    set(quoted_name "${CMAKE_MATCH_3}")
    if(quoted_name STREQUAL "")
      is_allowed_system_header("${system_name}" allowed)
    else()
      is_own_or_platform_header("${quoted_name}" "${folder}" allowed)
    endif()
    if(NOT allowed)
      list(APPEND offences "${file}: ${line}")
    endif()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "src/workflow may include only its own headers, the platform interfaces, "
                      "Qt Core and the standard headers listed in ${CMAKE_CURRENT_LIST_FILE}:\n  ${text}")
endif()
