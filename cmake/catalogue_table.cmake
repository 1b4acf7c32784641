# Writes the text catalogues (i18n/coilwind_<code>.ts) as a C++ table for a front end without Qt
# (the page's module), so that it reads the same translations as the desktop's lrelease output.
# cmake -D OUTPUT=catalogue_table.cpp -D "CATALOGUES=a.ts;b.ts" -P catalogue_table.cmake
#
# lupdate writes one <source> and one <translation> per <message>, with '<' always escaped, so
# the texts are what lies between the tags.

function(xml_text out text)
  # The five entities and numeric ones: lupdate escapes control characters numerically.
  string(REPLACE "&lt;" "<" text "${text}")
  string(REPLACE "&gt;" ">" text "${text}")
  string(REPLACE "&quot;" "\"" text "${text}")
  string(REPLACE "&apos;" "'" text "${text}")
  if(text MATCHES "&#")
    message(FATAL_ERROR "a numeric character reference in the catalogue: ${text}")
  endif()
  string(REPLACE "&amp;" "&" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(cxx_literal out text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  set(${out} "\"${text}\"" PARENT_SCOPE)
endfunction()

set(tables "")
set(choices "")
foreach(catalogue IN LISTS CATALOGUES)
  get_filename_component(name ${catalogue} NAME_WE)
  string(REGEX REPLACE "^coilwind_" "" code "${name}")
  file(READ ${catalogue} xml)
  # CMake lists split at ';' and treat brackets specially: both stand in for themselves.
  string(REPLACE ";" "@SEMICOLON@" xml "${xml}")
  string(REPLACE "[" "@OPEN@" xml "${xml}")
  string(REPLACE "]" "@CLOSE@" xml "${xml}")
  string(REPLACE "<context>" ";" contexts "${xml}")
  list(POP_FRONT contexts)
  set(entries "")
  foreach(context IN LISTS contexts)
    string(REGEX MATCH "<name>([^<]*)</name>" _ "${context}")
    set(context_name "${CMAKE_MATCH_1}")
    string(REPLACE "<message>" ";" messages "${context}")
    list(POP_FRONT messages)
    foreach(message IN LISTS messages)
      if(NOT message MATCHES "<source>([^<]*)</source>")
        message(FATAL_ERROR "${catalogue}: a message without its source in ${context_name}")
      endif()
      set(source "${CMAKE_MATCH_1}")
      # Unfinished and vanished translations are left out: the source text shows instead.
      if(NOT message MATCHES "<translation>([^<]+)</translation>")
        continue()
      endif()
      set(translation "${CMAKE_MATCH_1}")
      foreach(part context_name source translation)
        string(REPLACE "@SEMICOLON@" ";" ${part} "${${part}}")
        string(REPLACE "@OPEN@" "[" ${part} "${${part}}")
        string(REPLACE "@CLOSE@" "]" ${part} "${${part}}")
        xml_text(${part} "${${part}}")
        cxx_literal(${part} "${${part}}")
      endforeach()
      string(APPEND entries "    {${context_name}, ${source}, ${translation}},\n")
    endforeach()
  endforeach()
  string(APPEND tables "constexpr CatalogueEntry k_${code}[] = {\n${entries}};\n\n")
  string(APPEND choices "    if (code == \"${code}\") {\n        return k_${code};\n    }\n")
endforeach()

file(WRITE ${OUTPUT}.new "// Written by cmake/catalogue_table.cmake from i18n/*.ts: edit those, not this.
#include \"view/catalogue_table.hpp\"

namespace coilwind {
namespace {

// clang-format off
${tables}// clang-format on

} // namespace

std::span<const CatalogueEntry> compiledCatalogue(std::string_view code) {
${choices}    return {};
}

} // namespace coilwind
")
# Rewritten only when it changes, so that an unchanged catalogue compiles nothing.
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
