# The font files the lettering is set in, found with fontconfig at configure time and handed to
# the artwork library as SKALOR_FONT_* definitions. A font that is missing, or that fontconfig
# can only stand in for with another family, style or an older version, stops the configure
# with the Debian package that provides it.
find_program(SKALOR_FC_MATCH fc-match)
if(NOT SKALOR_FC_MATCH)
  message(FATAL_ERROR "fc-match not found: the artwork's fonts are looked up with fontconfig; "
                      "install Debian's fontconfig package (apt-get install fontconfig)")
endif()

# skalor_find_font(VAR FAMILY STYLE MAJOR PACKAGE): the file of FAMILY in STYLE whose major
# version is at least MAJOR (0 for any), into VAR.
function(skalor_find_font var family style major package)
  execute_process(
    COMMAND ${SKALOR_FC_MATCH} "--format=%{family}|%{style}|%{fontversion}|%{file}" "${family}:style=${style}"
    OUTPUT_VARIABLE found RESULT_VARIABLE rc ERROR_QUIET)
  set(wanted "\"${family}\" ${style}")
  if(major GREATER 0)
    string(APPEND wanted ", version ${major} or later")
  endif()
  math(EXPR min_version "${major} * 65536")  # fontconfig gives versions in 16.16 fixed point
  set(offered "nothing")
  if(rc EQUAL 0 AND found MATCHES "^([^|]*)\\|([^|]*)\\|([0-9]*)\\|(.+)$")
    set(file "${CMAKE_MATCH_4}")
    string(REPLACE "," ";" families "${CMAKE_MATCH_1}")
    string(REPLACE "," ";" styles "${CMAKE_MATCH_2}")
    set(version "${CMAKE_MATCH_3}")
    if(family IN_LIST families AND style IN_LIST styles AND version GREATER_EQUAL min_version
       AND EXISTS "${file}")
      message(STATUS "Font ${wanted}: ${file}")
      set(${var} "${file}" PARENT_SCOPE)
      return()
    endif()
    set(offered "${file} (${CMAKE_MATCH_1}, ${CMAKE_MATCH_2}, version ${version}/65536)")
  endif()
  message(FATAL_ERROR "The artwork needs the font ${wanted}; fontconfig offers ${offered} instead. "
                      "Install Debian's ${package} package (apt-get install ${package}).")
endfunction()

# Liberation Sans 2: the 1.x files of fonts-liberation have other outlines, and the lettering's
# pixels would differ.
skalor_find_font(SKALOR_FONT_SANS "Liberation Sans" Regular 2 fonts-liberation2)
skalor_find_font(SKALOR_FONT_SANS_BOLD "Liberation Sans" Bold 2 fonts-liberation2)
skalor_find_font(SKALOR_FONT_CONDENSED "DejaVu Sans" Condensed 0 fonts-dejavu-extra)
