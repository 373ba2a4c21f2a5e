# NEWS is the one place where versions and release dates are written: these functions read
# it and write what is made from it. A release is a heading "Galbirola VERSION (YYYY-MM-DD)"
# followed by its notes: items that start with "  * " and go on over lines indented by four
# spaces. Newest first.
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

# galbirola_releases_xml(OUT): the AppStream <release> elements, for inside <releases>.
function(galbirola_releases_xml out)
  set(xml)
  foreach(versione IN LISTS GALBIROLA_RELEASES)
    string(APPEND xml
      "    <release version=\"${versione}\" date=\"${GALBIROLA_DATE_${versione}}\">\n"
      "      <description>\n        <ul>\n")
    foreach(voce IN LISTS GALBIROLA_ITEMS_${versione})
      string(REPLACE "&" "&amp;" voce "${voce}")
      string(REPLACE "<" "&lt;" voce "${voce}")
      string(REPLACE ">" "&gt;" voce "${voce}")
      string(APPEND xml "          <li>${voce}</li>\n")
    endforeach()
    string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
  endforeach()
  string(REPLACE "${GALBIROLA_NEWS_SEMICOLON}" ";" xml "${xml}")
  string(REGEX REPLACE "\n$" "" xml "${xml}")
  set(${out} "${xml}" PARENT_SCOPE)
endfunction()

# galbirola_debian_changelog(PACKAGE MAINTAINER OUT): the releases as a Debian changelog.
function(galbirola_debian_changelog pacchetto manutentore out)
  set(testo)
  set(scarti 0 3 2 5 0 3 5 1 4 6 2 4)
  set(nomi_giorni Sun Mon Tue Wed Thu Fri Sat)
  set(nomi_mesi Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  foreach(versione IN LISTS GALBIROLA_RELEASES)
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" _ "${GALBIROLA_DATE_${versione}}")
    set(anno ${CMAKE_MATCH_1})
    set(giorno ${CMAKE_MATCH_3})
    math(EXPR mese "${CMAKE_MATCH_2} - 1")
    list(GET nomi_mesi ${mese} nome_mese)
    # The date carries its weekday, which Debian's tools check (Sakamoto's method).
    list(GET scarti ${mese} scarto)
    set(a ${anno})
    if(mese LESS 2)
      math(EXPR a "${a} - 1")
    endif()
    math(EXPR i "(${a} + ${a} / 4 - ${a} / 100 + ${a} / 400 + ${scarto} + ${giorno}) % 7")
    list(GET nomi_giorni ${i} nome_giorno)
    if(giorno LESS 10)
      set(giorno 0${giorno})
    endif()
    string(REPLACE ";" "\n" righe "${GALBIROLA_LINES_${versione}}")
    string(APPEND testo
      "${pacchetto} (${versione}) unstable; urgency=medium\n\n${righe}\n\n"
      " -- ${manutentore}  ${nome_giorno}, ${giorno} ${nome_mese} ${anno} 00:00:00 +0000\n\n")
  endforeach()
  string(REPLACE "${GALBIROLA_NEWS_SEMICOLON}" ";" testo "${testo}")
  string(REGEX REPLACE "\n\n$" "\n" testo "${testo}")
  set(${out} "${testo}" PARENT_SCOPE)
endfunction()

# galbirola_maintainer(CONTROL OUT): the Maintainer field of debian/control.
function(galbirola_maintainer control out)
  file(STRINGS "${control}" riga REGEX "^Maintainer: ")
  string(REGEX REPLACE "^Maintainer: " "" riga "${riga}")
  set(${out} "${riga}" PARENT_SCOPE)
endfunction()
