# kestrune_check_includes(<target> QT <Qt targets...>)
#
# Fails the build of <target> unless every include in the folder of the
# CMakeLists.txt that calls this names a header the layer may use: its own,
# the platform interfaces, the given Qt modules' or a standard header that
# reaches no OS (check_includes.cmake). The check's arguments that follow
# -DSOURCE_DIR=<folder> are kept for the tests as KESTRUNE_<LAYER>_INCLUDE_CHECK,
# <LAYER> being <target> without its "kestrune_", in upper case.
function(kestrune_check_includes target)
  cmake_parse_arguments(ARG "" "" "QT" ${ARGN})
  set(qt_dirs "")
  foreach(qt_target IN LISTS ARG_QT)
    string(REPLACE "Qt6::" "Qt" module "${qt_target}")
    get_target_property(includes ${qt_target} INTERFACE_INCLUDE_DIRECTORIES)
    list(FILTER includes INCLUDE REGEX "/${module}$")
    list(GET includes 0 include_dir)
    list(APPEND qt_dirs "${include_dir}")
  endforeach()
  # "," rather than ";": the arguments travel as one CMake list.
  list(JOIN qt_dirs "," qt_dirs)
  string(REPLACE "kestrune_" "" layer "${target}")
  string(TOUPPER "${layer}" layer)
  set(KESTRUNE_${layer}_INCLUDE_CHECK -DQT_DIRS=${qt_dirs} -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
      CACHE INTERNAL "The include check of ${target}")
  add_custom_target(${target}_boundary
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR} ${KESTRUNE_${layer}_INCLUDE_CHECK}
    COMMENT "Checking that ${CMAKE_CURRENT_SOURCE_DIR} includes only its own, platform interface, Qt and plain standard headers"
    VERBATIM)
  add_dependencies(${target} ${target}_boundary)
endfunction()
