# Fails when a workflow source includes an OS header, errno or Qt Widgets: the
# workflow reaches the host only through the interfaces in src/platform.
# Run as: cmake -DSOURCE_DIR=<src/workflow> -P check_workflow_includes.cmake
file(GLOB sources "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h")
set(forbidden
    "<(unistd|fcntl|dirent|pwd|grp|errno|limits|signal|spawn|poll)\\.h>"
    "<sys/" "<cerrno>" "<Qt?Widgets" "<Q(Widget|Application|Dialog|MessageBox|Label|PushButton|ListWidget|LineEdit|Icon|Pixmap|Painter|Cursor|DesktopServices)>")
set(offences "")
foreach(source IN LISTS sources)
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    foreach(pattern IN LISTS forbidden)
      if(line MATCHES "${pattern}")
        list(APPEND offences "${source}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n  " text)
  message(FATAL_ERROR "src/workflow must not include OS or widget headers:\n  ${text}")
endif()
