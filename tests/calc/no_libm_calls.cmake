# Fails when calc/, view/ or batch/ call a transcendental function of the C library (<cmath>):
# those differ in the last bits between glibc, mingw's msvcrt and the browser's musl, and the
# figures and CSV bytes must not. calc/portable_math.hpp has the portable ones. sqrt, fabs, floor
# and the other exactly rounded functions stay allowed. Comments are skipped.
#
#   cmake -DSOURCE_DIR=<project> -P no_libm_calls.cmake
set(names exp exp2 expm1 log log2 log10 log1p logb pow sin cos tan asin acos atan atan2 sinh cosh
    tanh asinh acosh atanh hypot cbrt erf erfc tgamma lgamma)
list(JOIN names "|" alternatives)
# std::exp(, ::exp(, exp(, expf(, expl( — but not portable::exp( nor a member .exp( or ->exp(.
set(call "(^|[^A-Za-z0-9_.>:])(std::|::)?(${alternatives})[fl]?[ \t]*\\(")

file(GLOB_RECURSE sources LIST_DIRECTORIES false
     ${SOURCE_DIR}/calc/*.cpp ${SOURCE_DIR}/calc/*.hpp ${SOURCE_DIR}/view/*.cpp
     ${SOURCE_DIR}/view/*.hpp ${SOURCE_DIR}/batch/*.cpp ${SOURCE_DIR}/batch/*.hpp)
# The portable functions call one another unqualified inside their own namespace.
list(FILTER sources EXCLUDE REGEX "/calc/portable_math\\.(cpp|hpp)$")

set(found "")
foreach(source IN LISTS sources)
  file(STRINGS ${source} lines)
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    string(REGEX REPLACE "//.*$" "" code "${line}")
    if(code MATCHES "${call}" OR code MATCHES "#[ \t]*include[ \t]*<math\\.h>")
      file(RELATIVE_PATH relative ${SOURCE_DIR} ${source})
      string(APPEND found "  ${relative}:${number}: ${line}\n")
    endif()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "The C library's transcendental functions give different bits on each "
                      "platform; use coilwind::portable (calc/portable_math.hpp) instead:\n${found}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of calc/, view/ and batch/ call no transcendental function of <cmath>")
