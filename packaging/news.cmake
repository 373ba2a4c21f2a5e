# Reads NEWS, the one place where versions and release dates are written. A release is a
# heading "Galbirola VERSION (YYYY-MM-DD)" followed by its notes: items that start with
# "  * " and go on over lines indented by four spaces. Newest first.
#
# galbirola_read_news(FILE) sets, in the caller's scope:
#   GALBIROLA_RELEASES          the versions, newest first
#   GALBIROLA_DATE_<version>    the release's date, YYYY-MM-DD
#   GALBIROLA_ITEMS_<version>   its items, one list element each, lines joined by a space
#   GALBIROLA_LINES_<version>   its notes as written, one list element per line
# Semicolons in the notes come back as the character in GALBIROLA_NEWS_SEMICOLON, since
# CMake lists would split on them.
function(galbirola_read_news file)
  string(ASCII 31 punto_e_virgola)
  set(GALBIROLA_NEWS_SEMICOLON "${punto_e_virgola}" PARENT_SCOPE)
  file(READ "${file}" testo)
  string(REPLACE ";" "${punto_e_virgola}" testo "${testo}")
  string(REPLACE "\n" ";" righe "${testo}")
  set(versioni)
  set(versione)
  set(numero 0)
  foreach(riga IN LISTS righe)
    math(EXPR numero "${numero} + 1")
    if(riga MATCHES "^Galbirola ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
      set(versione ${CMAKE_MATCH_1})
      list(APPEND versioni ${versione})
      set(date_${versione} ${CMAKE_MATCH_2})
      set(voci_${versione})
      set(righe_${versione})
    elseif(NOT versione OR riga STREQUAL "")
      # the preamble, and the blank lines between releases
    elseif(riga MATCHES "^  \\* (.+)$")
      list(APPEND voci_${versione} "${CMAKE_MATCH_1}")
      list(APPEND righe_${versione} "${riga}")
    elseif(NOT "${voci_${versione}}" STREQUAL "" AND riga MATCHES "^    ([^ ].*)$")
      list(POP_BACK voci_${versione} voce)
      list(APPEND voci_${versione} "${voce} ${CMAKE_MATCH_1}")
      list(APPEND righe_${versione} "${riga}")
    else()
      message(FATAL_ERROR "${file}:${numero}: not a release heading, an item or its continuation:\n${riga}")
    endif()
  endforeach()
  if(NOT versioni)
    message(FATAL_ERROR "${file}: no release heading \"Galbirola VERSION (YYYY-MM-DD)\"")
  endif()
  foreach(versione IN LISTS versioni)
    if("${voci_${versione}}" STREQUAL "")
      message(FATAL_ERROR "${file}: release ${versione} has no notes")
    endif()
    set(GALBIROLA_DATE_${versione} ${date_${versione}} PARENT_SCOPE)
    set(GALBIROLA_ITEMS_${versione} "${voci_${versione}}" PARENT_SCOPE)
    set(GALBIROLA_LINES_${versione} "${righe_${versione}}" PARENT_SCOPE)
  endforeach()
  set(GALBIROLA_RELEASES "${versioni}" PARENT_SCOPE)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${file}")
endfunction()
