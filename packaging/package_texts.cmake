# SPDX-License-Identifier: MIT
# The package's texts come from the files a person edits: the summary, description, homepage,
# release date and release notes from the AppStream metadata, the licence from LICENSE. Sets
# COILWIND_SUMMARY, COILWIND_DESCRIPTION and COILWIND_HOMEPAGE, and writes the Debian changelog
# (COILWIND_DEBIAN_CHANGELOG) and the machine-readable copyright file (COILWIND_DEBIAN_COPYRIGHT).

set(metainfo_file ${CMAKE_CURRENT_SOURCE_DIR}/${COILWIND_DESKTOP_ID}.metainfo.xml)
set(license_file ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${metainfo_file} ${license_file})
file(READ ${metainfo_file} metainfo)
# CMake's lists split at semicolons: a stand-in keeps them until a text is complete.
string(REPLACE ";" "{semicolon}" metainfo "${metainfo}")

# Debian's limit is 80 columns; the package description adds one space in front of each line.
set(text_width 78)

# The text of XML character data: references resolved, semicolons included.
function(coilwind_xml_text text out_var)
  string(REPLACE "{semicolon}" ";" text "${text}")
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  string(REPLACE "&amp;" "&" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Fills lines of at most text_width characters with the words of the XML character data `text`;
# the first line begins with `first_prefix`, the others with `prefix`.
function(coilwind_wrap text first_prefix prefix out_var)
  string(STRIP "${text}" text)
  string(REGEX REPLACE "[ \t\r\n]+" ";" words "${text}")
  set(line "${first_prefix}")
  set(wrapped "")
  set(first_word TRUE)
  foreach(word IN LISTS words)
    coilwind_xml_text("${line} ${word}" candidate)
    string(LENGTH "${candidate}" length)
    if(first_word)
      string(APPEND line "${word}")
    elseif(length GREATER text_width)
      string(APPEND wrapped "${line}\n")
      set(line "${prefix}${word}")
    else()
      string(APPEND line " ${word}")
    endif()
    set(first_word FALSE)
  endforeach()
  coilwind_xml_text("${wrapped}${line}" wrapped)
  set(${out_var} "${wrapped}" PARENT_SCOPE)
endfunction()

# Midnight UTC of an ISO date in RFC 5322 form, as a changelog trailer wants it; the day of the
# week by Sakamoto's method.
function(coilwind_rfc5322_date year month day out_var)
  set(month_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR index "${month} - 1")
  list(GET month_offsets ${index} offset)
  set(y ${year})
  if(month LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
  set(weekday_names Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekday_names ${weekday} weekday_name)
  set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET month_names ${index} month_name)
  set(${out_var} "${weekday_name}, ${day} ${month_name} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# What the program is: the summary without a language, the paragraphs of the description ahead
# of the releases' own.
string(REGEX MATCH "<summary>([^<]*)</summary>" _ "${metainfo}")
coilwind_xml_text("${CMAKE_MATCH_1}" COILWIND_SUMMARY)
string(FIND "${metainfo}" "<releases>" releases_start)
string(SUBSTRING "${metainfo}" 0 ${releases_start} about)
string(REGEX MATCHALL "<p>[^<]*</p>" paragraphs "${about}")
set(COILWIND_DESCRIPTION "")
foreach(paragraph IN LISTS paragraphs)
  string(REGEX REPLACE "</?p>" "" paragraph "${paragraph}")
  coilwind_wrap("${paragraph}" "" "" wrapped)
  if(COILWIND_DESCRIPTION)
    string(APPEND COILWIND_DESCRIPTION "\n\n")
  endif()
  string(APPEND COILWIND_DESCRIPTION "${wrapped}")
endforeach()
string(REGEX MATCH "<url type=\"homepage\">([^<]*)</url>" _ "${metainfo}")
coilwind_xml_text("${CMAKE_MATCH_1}" COILWIND_HOMEPAGE)
if(NOT COILWIND_SUMMARY OR NOT COILWIND_DESCRIPTION OR NOT COILWIND_HOMEPAGE)
  message(FATAL_ERROR "${metainfo_file}: no summary, description or homepage found")
endif()

# The newest release comes first in the metadata and must be the version being built.
string(REGEX MATCH
       "<release version=\"([^\"]*)\" date=\"([0-9]+)-([0-9]+)-([0-9]+)\">[ \t\r\n]*<description>[ \t\r\n]*<p>([^<]*)</p>"
       _ "${metainfo}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${metainfo_file}: the first <release> is \"${CMAKE_MATCH_1}\"; add one "
                      "for version ${PROJECT_VERSION} with its date and notes")
endif()
set(notes "${CMAKE_MATCH_5}")
coilwind_rfc5322_date(${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4} release_date)
coilwind_wrap("${notes}" "  * " "    " notes)
set(COILWIND_DEBIAN_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog)
string(CONCAT changelog "coilwind (${PROJECT_VERSION}) unstable; urgency=medium\n\n${notes}\n\n"
                     " -- ${COILWIND_MAINTAINER}  ${release_date}\n")
# Written only when it changes, so that a new configure run rebuilds nothing.
file(CONFIGURE OUTPUT ${COILWIND_DEBIAN_CHANGELOG} CONTENT "@changelog@" @ONLY)

# The copyright file quotes LICENSE after its copyright line, in the copyright format's layout:
# each line indented, an empty line as " .".
file(READ ${license_file} license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n(.*)$" _ "${license}")
set(copyright_notice "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REGEX REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REGEX REPLACE "\n" "\n " license_text " ${license_text}")
set(COILWIND_DEBIAN_COPYRIGHT ${CMAKE_CURRENT_BINARY_DIR}/copyright)
configure_file(copyright.in ${COILWIND_DEBIAN_COPYRIGHT} @ONLY)
