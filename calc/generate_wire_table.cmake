# Turns the wire data file into C++ rows at build time:
#   cmake -DINPUT=<wire_sizes.csv> -DOUTPUT=<wire_sizes.cpp> -P generate_wire_table.cmake
# A script, not a compiled tool, so cross builds need nothing that runs on the build machine.
# Any malformed row stops the build with the file, line and reason. The generated function
# switches over every WireSeries, so a series missing from the data file, or a key that names no
# series ("iec-grade1" -> WireSeries::IecGrade1), fails the compile as well.

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

set(header_seen FALSE)
set(line_number 0)
set(series_keys "")
set(number_pattern "^[0-9]+\\.[0-9]+$")
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  string(STRIP "${line}" line)
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  set(where "${INPUT}:${line_number}")
  if(NOT header_seen)
    if(NOT line STREQUAL "series,designation,bare_mm,od_max_mm")
      message(FATAL_ERROR "${where}: expected the header line "
                          "'series,designation,bare_mm,od_max_mm', found '${line}'")
    endif()
    set(header_seen TRUE)
    continue()
  endif()

  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields field_count)
  if(NOT field_count EQUAL 4)
    message(FATAL_ERROR "${where}: expected 4 comma-separated fields, found ${field_count}")
  endif()
  list(GET fields 0 key)
  list(GET fields 1 designation)
  list(GET fields 2 bare)
  list(GET fields 3 overall)
  if(NOT key MATCHES "^[a-z][a-z0-9]*(-[a-z0-9]+)*$")
    message(FATAL_ERROR "${where}: series key '${key}' is not lower-case words joined by '-'")
  endif()
  if(NOT designation MATCHES "^[A-Za-z0-9][A-Za-z0-9 .]*$")
    message(FATAL_ERROR "${where}: designation '${designation}' may hold only letters, "
                        "digits, blanks and points")
  endif()
  foreach(number IN ITEMS "${bare}" "${overall}")
    if(NOT number MATCHES "${number_pattern}")
      message(FATAL_ERROR "${where}: '${number}' is not a decimal number such as 0.250")
    endif()
  endforeach()
  if(bare EQUAL 0)
    message(FATAL_ERROR "${where}: the bare diameter must be above 0")
  endif()
  if(NOT overall GREATER bare)
    message(FATAL_ERROR "${where}: the overall diameter ${overall} must exceed the bare "
                        "diameter ${bare}")
  endif()

  if(NOT key IN_LIST series_keys)
    list(APPEND series_keys "${key}")
    set(rows_${key} "")
  elseif(NOT bare GREATER last_bare_${key} OR NOT overall GREATER last_overall_${key})
    message(FATAL_ERROR "${where}: sizes of '${key}' must run thinnest first, both diameters "
                        "rising: ${bare} / ${overall} follows ${last_bare_${key}} / "
                        "${last_overall_${key}}")
  endif()
  set(last_bare_${key} "${bare}")
  set(last_overall_${key} "${overall}")
  string(APPEND rows_${key} "    {\"${designation}\", ${bare}, ${overall}},\n")
endforeach()

if(NOT header_seen)
  message(FATAL_ERROR "${INPUT}: no header line and no rows")
endif()

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
