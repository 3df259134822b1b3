# The package's changelog from CHANGELOG.md, so that it cannot drift from
# the code. An entry there is
#   ## 1.0 (2026-12-06)
#   - what it brought,
#     continued two spaces in
# and becomes Debian's changelog format:
#   vazorodavazivovovar (1.0) unstable; urgency=medium
#     * what it brought,
#       continued two spaces in
#    -- Maintainer <address>  Sun, 06 Dec 2026 12:00:00 +0000
# Lines before the first entry introduce the file and are left out.

# RFC 2822 date at noon UTC of the ISO date JAHR-MONAT-TAG (proleptic
# Gregorian calendar, days counted from 1970-01-01, a Thursday).
function(vaz_rfc2822_datum jahr monat tag ergebnis)
  # "1${x} - 100": no leading zero is read as anything but decimal.
  math(EXPR m "1${monat} - 100")
  math(EXPR d "1${tag} - 100")
  set(y ${jahr})
  if(m LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR mp "${m} + 9")
  else()
    math(EXPR mp "${m} - 3")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR yoe "${y} - ${era} * 400")
  math(EXPR doy "(153 * ${mp} + 2) / 5 + ${d} - 1")
  math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + ${doy}")
  math(EXPR tage "${era} * 146097 + ${doe} - 719468")
  math(EXPR wochentag "(${tage} + 4) % 7")
  set(wochentage "Sun;Mon;Tue;Wed;Thu;Fri;Sat")
  list(GET wochentage ${wochentag} wtag)
  math(EXPR mi "${m} - 1")
  set(monate "Jan;Feb;Mar;Apr;May;Jun;Jul;Aug;Sep;Oct;Nov;Dec")
  list(GET monate ${mi} mname)
  set(${ergebnis} "${wtag}, ${tag} ${mname} ${jahr} 12:00:00 +0000" PARENT_SCOPE)
endfunction()

# Reads QUELLE (CHANGELOG.md), writes the Debian changelog of PAKET signed by
# BETREUER to ZIEL and returns the newest version and its ISO date.
function(vaz_aenderungen quelle ziel paket betreuer version_var datum_var)
  file(READ "${quelle}" inhalt)
  # Lines as a list: a semicolon in the text must not split a line.
  string(ASCII 31 ersatz)
  string(REPLACE ";" "${ersatz}" inhalt "${inhalt}")
  string(REPLACE "\n" ";" zeilen "${inhalt}")
  set(aus "")
  set(offen FALSE)
  set(neueste "")
  set(nr 0)
  foreach(zeile IN LISTS zeilen)
    math(EXPR nr "${nr} + 1")
    string(REPLACE "${ersatz}" ";" zeile "${zeile}")
    if(zeile MATCHES "^## ([0-9][0-9.]*) \\(([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])\\)$")
      set(v "${CMAKE_MATCH_1}")
      vaz_rfc2822_datum(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} datum)
      if(offen)
        string(APPEND aus "\n -- ${betreuer}  ${eintragsdatum}\n\n")
      else()
        set(neueste "${v}")
        set(neuestes_datum "${CMAKE_MATCH_2}-${CMAKE_MATCH_3}-${CMAKE_MATCH_4}")
      endif()
      set(eintragsdatum "${datum}")
      string(APPEND aus "${paket} (${v}) unstable; urgency=medium\n\n")
      set(offen TRUE)
    elseif(NOT offen OR zeile STREQUAL "")
      # the introduction, and blank lines between items
    elseif(zeile MATCHES "^- (.+)$")
      string(APPEND aus "  * ${CMAKE_MATCH_1}\n")
    elseif(zeile MATCHES "^  ([^ ].*)$")
      string(APPEND aus "    ${CMAKE_MATCH_1}\n")
    else()
      message(FATAL_ERROR "${quelle}:${nr}: neither \"## VERSION (YYYY-MM-DD)\", "
                          "\"- item\" nor a continuation two spaces in: ${zeile}")
    endif()
  endforeach()
  if(NOT offen)
    message(FATAL_ERROR "${quelle}: no entry \"## VERSION (YYYY-MM-DD)\"")
  endif()
  string(APPEND aus "\n -- ${betreuer}  ${eintragsdatum}\n")
  # Rewritten only when it changes, so that a new configuration does not
  # compress it again.
  file(WRITE "${ziel}.neu" "${aus}")
  file(COPY_FILE "${ziel}.neu" "${ziel}" ONLY_IF_DIFFERENT)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${quelle}")
  set(${version_var} "${neueste}" PARENT_SCOPE)
  set(${datum_var} "${neuestes_datum}" PARENT_SCOPE)
endfunction()
