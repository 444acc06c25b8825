# Run by CPack before it packs: the newest changelog entry must be the version
# being packed, so that the package never ships notes of an older release.
file(STRINGS ${CPACK_KESTRUNE_CHANGELOG} first LIMIT_COUNT 1)
string(REGEX MATCH "^kestrune \\(([^)]+)\\)" heading "${first}")
if(NOT CMAKE_MATCH_1 STREQUAL CPACK_PACKAGE_VERSION)
  message(FATAL_ERROR "packaging/changelog starts with version \"${CMAKE_MATCH_1}\", "
                      "but the package is ${CPACK_PACKAGE_VERSION}: add an entry for it")
endif()
