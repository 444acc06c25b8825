# Fails unless every include in a layer's folder (sub-folders too) names a
# header the layer may use: its own, the platform interfaces (the headers
# directly in src/platform), those of the Qt modules it is given, or a
# standard header from the list below, none of which reaches the OS. A list
# of what is allowed rather than of what is not, so that no OS header, errno,
# stream or other layer's header comes in under a name nobody thought to
# forbid. The workflow is given Qt Core; the widgets Qt Core, Gui and Widgets.
#
# Every line that holds the word "include" outside a // comment line must be a
# plain `#include <name>` or `#include "name"`: a directive split over lines,
# spelled with %:, with a comment inside or behind a macro is refused rather
# than read.
#
# Run as: cmake -DSOURCE_DIR=<the layer's folder> -DQT_DIRS=<Qt modules' include folders, ","-separated>
#               [-DPLATFORM_DIR=<src/platform>] -P check_includes.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT SOURCE_DIR OR NOT QT_DIRS)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<folder> -DQT_DIRS=<folder>[,<folder>...] -P ${CMAKE_CURRENT_LIST_FILE}")
endif()
string(REPLACE "," ";" QT_DIRS "${QT_DIRS}")
set(qt_modules "")
foreach(qt_dir IN LISTS QT_DIRS)
  if(NOT IS_DIRECTORY "${qt_dir}")
    message(FATAL_ERROR "A Qt module's include folder is missing: ${qt_dir}")
  endif()
  get_filename_component(module "${qt_dir}" NAME)
  list(APPEND qt_modules "${module}")
endforeach()
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

# True in `result` when "name" is one of the layer's own sources, found as
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
  elseif(name MATCHES "^((Qt[A-Za-z0-9]+)/)?(Q[A-Za-z0-9_]*)$")
    set(module "${CMAKE_MATCH_2}")
    set(header "${CMAKE_MATCH_3}")
    foreach(qt_dir IN LISTS QT_DIRS)
      get_filename_component(dir_module "${qt_dir}" NAME)
      if((module STREQUAL "" OR module STREQUAL dir_module) AND EXISTS "${qt_dir}/${header}"
         AND NOT IS_DIRECTORY "${qt_dir}/${header}")
        set(${result} TRUE PARENT_SCOPE)
      endif()
    endforeach()
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
  list(JOIN qt_modules ", " modules)
  message(FATAL_ERROR "${SOURCE_DIR} may include only its own headers, the platform interfaces, the headers of "
                      "${modules} and the standard headers listed in ${CMAKE_CURRENT_LIST_FILE}:\n  ${text}")
endif()
