# Turns the wire data file into C++ rows at build time:
#   cmake -DINPUT=<wire_sizes.csv> -DOUTPUT=<wire_sizes.cpp> -P generate_wire_table.cmake
# A script, not a compiled tool, so cross builds need nothing that runs on the build machine.
# Any malformed row stops the build with the file, line and reason. The generated function
# switches over every WireSeries, so a series missing from the data file, or a key that names no
# series ("iec-grade1" -> WireSeries::IecGrade1), fails the compile as well.
#
# Beyond the form of each row, the script looks for the typos a hand-copied table gets:
# - within a series both diameters rise from row to row;
# - at the same size, grade N+1 ("x-grade2") has the bare diameter of grade N ("x-grade1") and
#   a larger overall one;
# - a row's insulation build (overall minus bare) lies within a fifth, or 2 um, of what the
#   line through the builds of the two nearest other rows of its series gives at its size;
# - every row names a source declared in the file ("# source <key>: ..."), and every declared
#   source is used.
# Diameters are written in mm with three decimals and checked as whole micrometres, since CMake
# has only integer arithmetic.

cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED INPUT OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "generate_wire_table.cmake: pass -DINPUT=<csv> and -DOUTPUT=<cpp>")
endif()

file(READ "${INPUT}" content)
# ';' separates CMake list items and brackets and backslashes change how lists split: none of
# them is ever needed in the data, so refusing them keeps the line split below exact.
foreach(forbidden ";" "[" "]" "\\")
  string(FIND "${content}" "${forbidden}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "${INPUT}: the character '${forbidden}' is not allowed anywhere")
  endif()
endforeach()
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(header "series,designation,bare_mm,od_max_mm,source")
set(key_pattern "^[a-z][a-z0-9]*(-[a-z0-9]+)*$")
set(header_seen FALSE)
set(line_number 0)
set(series_keys "")
set(sources "")
set(used_sources "")
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  string(STRIP "${line}" line)
  set(where "${INPUT}:${line_number}")
  if(line MATCHES "^# *source ([^:]*):(.*)$")
    set(source "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" title)
    if(NOT source MATCHES "${key_pattern}" OR title STREQUAL "")
      message(FATAL_ERROR "${where}: a source is declared as '# source <key>: <title, edition, "
                          "table, where it was read>' with a key of lower-case words joined by '-'")
    endif()
    if(source IN_LIST sources)
      message(FATAL_ERROR "${where}: the source '${source}' is declared twice")
    endif()
    list(APPEND sources "${source}")
    continue()
  endif()
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT header_seen)
    if(NOT line STREQUAL header)
      message(FATAL_ERROR "${where}: expected the header line '${header}', found '${line}'")
    endif()
    set(header_seen TRUE)
    continue()
  endif()

  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL 5)
    message(FATAL_ERROR "${where}: expected 5 comma-separated fields, found ${field_count}")
  endif()
  list(GET fields 0 key)
  list(GET fields 1 designation)
  list(GET fields 2 bare)
  list(GET fields 3 overall)
  list(GET fields 4 source)
  if(NOT key MATCHES "${key_pattern}")
    message(FATAL_ERROR "${where}: series key '${key}' is not lower-case words joined by '-'")
  endif()
  if(NOT designation MATCHES "^[A-Za-z0-9][A-Za-z0-9 .]*$")
    message(FATAL_ERROR "${where}: designation '${designation}' may hold only letters, "
                        "digits, blanks and points")
  endif()
  foreach(number IN ITEMS bare overall)
    if(NOT ${number} MATCHES "^([0-9]+)\\.([0-9][0-9][0-9])$")
      message(FATAL_ERROR "${where}: '${${number}}' is not a diameter in mm with three "
                          "decimals, such as 0.250")
    endif()
    # "0.250" -> 250 um (math() reads "0250" as decimal, not octal)
    math(EXPR ${number}_um "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
  endforeach()
  if(bare_um EQUAL 0)
    message(FATAL_ERROR "${where}: the bare diameter must be above 0")
  endif()
  if(NOT overall_um GREATER bare_um)
    message(FATAL_ERROR "${where}: the overall diameter ${overall} must exceed the bare "
                        "diameter ${bare}")
  endif()
  if(NOT source IN_LIST sources)
    message(FATAL_ERROR "${where}: the source '${source}' is not declared above the rows "
                        "('# source ${source}: ...')")
  endif()
  list(APPEND used_sources "${source}")

  if(NOT key IN_LIST series_keys)
    list(APPEND series_keys "${key}")
    set(rows_${key} "")
    set(count_${key} 0)
  elseif(NOT bare_um GREATER last_bare_${key} OR NOT overall_um GREATER last_overall_${key})
    message(FATAL_ERROR "${where}: sizes of '${key}' must run thinnest first, both diameters "
                        "rising: ${bare} / ${overall} follows ${last_bare_text_${key}} / "
                        "${last_overall_text_${key}}")
  endif()
  set(last_bare_${key} "${bare_um}")
  set(last_overall_${key} "${overall_um}")
  set(last_bare_text_${key} "${bare}")
  set(last_overall_text_${key} "${overall}")
  # Row i of the series, for the checks that need the whole series.
  set(index ${count_${key}})
  set(${key}_${index}_line ${line_number})
  set(${key}_${index}_bare ${bare_um})
  math(EXPR ${key}_${index}_build "${overall_um} - ${bare_um}")
  math(EXPR count_${key} "${index} + 1")
  string(MAKE_C_IDENTIFIER "${designation}" size_id)
  set(${key}_size_${size_id} "${bare_um};${overall_um};${line_number}")
  string(APPEND rows_${key} "    {\"${designation}\", ${bare}, ${overall}},\n")
endforeach()

if(NOT header_seen)
  message(FATAL_ERROR "${INPUT}: no header line and no rows")
endif()
foreach(source IN LISTS sources)
  if(NOT source IN_LIST used_sources)
    message(FATAL_ERROR "${INPUT}: the source '${source}' is declared but no row names it")
  endif()
endforeach()

# Grade N+1 is the thicker coat of the same conductor: same bare diameter, larger overall.
foreach(key IN LISTS series_keys)
  if(NOT key MATCHES "^(.+)-grade([0-9]+)$")
    continue()
  endif()
  set(thinner_key "${CMAKE_MATCH_1}-grade")
  math(EXPR thinner_grade "${CMAKE_MATCH_2} - 1")
  string(APPEND thinner_key "${thinner_grade}")
  if(NOT thinner_key IN_LIST series_keys)
    continue()
  endif()
  get_cmake_property(variables VARIABLES)
  list(FILTER variables INCLUDE REGEX "^${key}_size_")
  foreach(variable IN LISTS variables)
    string(REPLACE "${key}_size_" "${thinner_key}_size_" thinner "${variable}")
    if(NOT DEFINED ${thinner})
      continue()
    endif()
    list(GET ${variable} 0 bare_um)
    list(GET ${variable} 1 overall_um)
    list(GET ${variable} 2 row_line)
    list(GET ${thinner} 0 thinner_bare_um)
    list(GET ${thinner} 1 thinner_overall_um)
    if(NOT bare_um EQUAL thinner_bare_um OR NOT overall_um GREATER thinner_overall_um)
      message(FATAL_ERROR "${INPUT}:${row_line}: at the same size '${key}' must have the same "
                          "bare diameter as '${thinner_key}' and a larger overall one: "
                          "${bare_um} / ${overall_um} um against ${thinner_bare_um} / "
                          "${thinner_overall_um} um")
    endif()
  endforeach()
endforeach()

# The build each row's two nearest other rows predict at its size, times the distance between
# those rows (integers stay exact): a straight line through them, extrapolated at the ends.
foreach(key IN LISTS series_keys)
  math(EXPR last "${count_${key}} - 1")
  if(last LESS 2)
    continue()
  endif()
  foreach(i RANGE ${last})
    if(i EQUAL 0)
      set(a 1)
      set(c 2)
    elseif(i EQUAL last)
      math(EXPR a "${last} - 2")
      math(EXPR c "${last} - 1")
    else()
      math(EXPR a "${i} - 1")
      math(EXPR c "${i} + 1")
    endif()
    set(x "${${key}_${i}_bare}")
    set(xa "${${key}_${a}_bare}")
    set(xc "${${key}_${c}_bare}")
    math(EXPR span "${xc} - ${xa}")
    math(EXPR predicted
         "${${key}_${a}_build} * (${xc} - ${x}) + ${${key}_${c}_build} * (${x} - ${xa})")
    math(EXPR deviation "${${key}_${i}_build} * ${span} - ${predicted}")
    if(deviation LESS 0)
      math(EXPR deviation "0 - (${deviation})")
    endif()
    # Allowed: a fifth of the predicted build, and never less than 2 um.
    math(EXPR allowed "${predicted} / 5")
    math(EXPR floor "2 * ${span}")
    if(allowed LESS floor)
      set(allowed ${floor})
    endif()
    if(deviation GREATER allowed)
      math(EXPR expected_um "${predicted} / ${span}")
      message(FATAL_ERROR "${INPUT}:${${key}_${i}_line}: the insulation build of this '${key}' "
                          "row (overall minus bare) is ${${key}_${i}_build} um, the rows around "
                          "it give about ${expected_um} um: a typo?")
    endif()
  endforeach()
endforeach()

set(arrays "")
set(cases "")
foreach(key IN LISTS series_keys)
  # "iec-grade1" -> "IecGrade1"
  string(REPLACE "-" ";" words "${key}")
  set(name "")
  foreach(word IN LISTS words)
    string(SUBSTRING "${word}" 0 1 first)
    string(SUBSTRING "${word}" 1 -1 rest)
    string(TOUPPER "${first}" first)
    string(APPEND name "${first}${rest}")
  endforeach()
  string(APPEND arrays "constexpr WireSize k${name}[] = {\n${rows_${key}}};\n\n")
  string(APPEND cases "    case WireSeries::${name}:\n        return k${name};\n")
endforeach()

file(CONFIGURE OUTPUT "${OUTPUT}" @ONLY CONTENT [=[
// Generated at build time from the wire data file by calc/generate_wire_table.cmake.
// Edit the data file, not this file.
#include "calc/wire_table.hpp"

namespace coilwind {
namespace {

@arrays@} // namespace

std::span<const WireSize> wireSizes(WireSeries series) {
    switch (series) {
@cases@    }
    return {};
}

} // namespace coilwind
]=])
