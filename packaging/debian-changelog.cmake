# Writes debian/changelog from NEWS, the releases' one home. After a new entry in NEWS:
#   cmake -P packaging/debian-changelog.cmake
# With -DCONFRONTA=ON it writes nothing and fails while the two differ (the test
# changelog_debian).
cmake_minimum_required(VERSION 3.21)
get_filename_component(radice "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/news.cmake)
galbirola_read_news(${radice}/NEWS)
galbirola_maintainer(${radice}/debian/control manutentore)
galbirola_debian_changelog(galbirola "${manutentore}" testo)
if(CONFRONTA)
  file(READ ${radice}/debian/changelog scritto)
  if(NOT scritto STREQUAL testo)
    message(FATAL_ERROR "debian/changelog is not what NEWS says; write it anew with\n"
      "  cmake -P packaging/debian-changelog.cmake")
  endif()
else()
  file(WRITE ${radice}/debian/changelog "${testo}")
endif()
