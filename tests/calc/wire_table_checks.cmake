# Feeds calc/generate_wire_table.cmake small data files, one slip each, and expects each to stop
# the build with the reason named, while the good file passes:
#   cmake -DGENERATOR=<generate_wire_table.cmake> -DWORK_DIR=<scratch> -P wire_table_checks.cmake
cmake_minimum_required(VERSION 3.25)

set(sources "# source s: a table\n# source t: another table\n")
set(header "series,designation,bare_mm,od_max_mm,source\n")
# Grade 1 builds 46 49 52 um, grade 2 70 74 79 um: smooth, as a real table.
set(good_rows "a-grade1,0.560 mm,0.560,0.606,s\na-grade1,0.630 mm,0.630,0.679,s\n"
              "a-grade1,0.710 mm,0.710,0.762,t\na-grade2,0.560 mm,0.560,0.630,s\n"
              "a-grade2,0.630 mm,0.630,0.704,s\na-grade2,0.710 mm,0.710,0.789,s\n")
string(CONCAT good "${sources}" "${header}" ${good_rows})

# name, the slip as "from=>to" in the good file, a part of the reason expected
set(cases
    "passes|=>|"
    "undeclared-source|0.762,t=>0.762,u|the source 'u' is not declared"
    "unused-source|0.762,t=>0.762,s|the source 't' is declared but no row names it"
    "source-declared-twice|# source t: another=># source s: another|declared twice"
    "two-decimals|0.606,s=>0.61,s|not a diameter in mm with three decimals"
    "missing-column|0.679,s=>0.679|expected 5 comma-separated fields"
    "overall-below-bare|0.560,0.606=>0.560,0.506|must exceed the bare"
    "rows-out-of-order|0.630,0.679=>0.530,0.679|must run thinnest first"
    "digits-swapped|0.630,0.704=>0.630,0.740|insulation build of this 'a-grade2' row"
    "build-too-thin-at-the-end|0.710,0.762=>0.710,0.732|insulation build of this 'a-grade1' row"
    "grade2-thinner|0.560,0.630=>0.560,0.600|larger overall one"
    "grade2-other-bare|a-grade2,0.560 mm,0.560=>a-grade2,0.560 mm,0.559|same bare diameter")

set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 name)
  list(GET parts 1 slip)
  list(GET parts 2 reason)
  string(REPLACE "=>" ";" slip "${slip}")
  list(GET slip 0 from)
  list(GET slip 1 to)
  set(data "${good}")
  if(NOT from STREQUAL "")
    string(FIND "${data}" "${from}" at)
    if(at EQUAL -1)
      list(APPEND failures "${name}: '${from}' is not in the good file")
      continue()
    endif()
    string(REPLACE "${from}" "${to}" data "${data}")
  endif()
  file(WRITE "${WORK_DIR}/${name}.csv" "${data}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DINPUT=${WORK_DIR}/${name}.csv -DOUTPUT=${WORK_DIR}/${name}.cpp
            -P ${GENERATOR}
    RESULT_VARIABLE result
    ERROR_VARIABLE output)
  string(REGEX REPLACE "[ \n]+" " " output "${output}")
  if(reason STREQUAL "")
    if(NOT result EQUAL 0)
      list(APPEND failures "${name}: refused: ${output}")
    endif()
  elseif(result EQUAL 0)
    list(APPEND failures "${name}: passed, expected '${reason}'")
  else()
    string(FIND "${output}" "${reason}" at)
    if(at EQUAL -1)
      list(APPEND failures "${name}: expected '${reason}', got: ${output}")
    endif()
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n" failures)
  message(FATAL_ERROR "${failures}")
endif()
