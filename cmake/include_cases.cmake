# kestrune_expect_include_check(<case name> <file> <text> ...)
#
# Runs a layer's include check (CHECK, its arguments after -DSOURCE_DIR) on
# each case, written to a folder of its own under SCRATCH as <file> holding
# <text>, beside an "own.h", a "sub/own.h" and a "notes.txt". The case named
# "allowed" must pass; every other one must be refused. Fails naming the
# cases the check got wrong.
function(kestrune_expect_include_check)
  set(cases ${ARGN})
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
    message(FATAL_ERROR "the include check is wrong on:\n  ${text}")
  endif()
endfunction()
