# Fails unless the translation file holds the English of every text in the
# sources and of nothing else: lupdate, run over the sources into a copy of
# it, must leave no entry unfinished (a new text, or one without its English)
# and none vanished or obsolete (a text no longer in the sources). Names each.
#
# Run as: cmake -DLUPDATE=<lupdate> -DTS=<file.ts> -DSOURCES=<file listing the sources>
#               -DOPTIONS=<lupdate's options, joined by |> -DWORK=<scratch folder> -P check_translations.cmake
cmake_minimum_required(VERSION 3.25)
foreach(variable LUPDATE TS SOURCES WORK)
  if(NOT ${variable})
    message(FATAL_ERROR "check_translations: ${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
string(REPLACE "|" ";" options "${OPTIONS}")
execute_process(COMMAND "${LUPDATE}" ${options} "@${SOURCES}" -ts "${copy}"
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${output}")
endif()

file(READ "${copy}" contents)
# Semicolons would split the texts as a CMake list.
string(REPLACE ";" "<semicolon>" contents "${contents}")
string(REGEX MATCHALL "<message[^>]*>([^<]|<[^/]|</[^m])*</message>" messages "${contents}")
set(faults "")
foreach(message IN LISTS messages)
  if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    set(kind "${CMAKE_MATCH_1}")
    string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
    string(REPLACE "<semicolon>" ";" text "${CMAKE_MATCH_1}")
    string(APPEND faults "  ${kind}: ${text}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${name} is not up to date with the sources; run "
                      "`cmake --build <build> --target update_translations` and translate:\n${faults}")
endif()
list(LENGTH messages count)
message(STATUS "${name}: all ${count} texts translated")
