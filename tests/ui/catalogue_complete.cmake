# Every text the sources mark has its translation in each catalogue, and no translation is left
# whose text the sources no longer hold. lupdate runs over the sources into a copy of the
# catalogue: a new text comes out "unfinished", a text gone "vanished".
# -D LUPDATE=... -D CATALOGUE=i18n/coilwind_<code>.ts -D COPY=... -D SOURCE_DIRS="a;b"
file(COPY_FILE ${CATALOGUE} ${COPY})
execute_process(
  COMMAND ${LUPDATE} ${SOURCE_DIRS} -extensions cpp,hpp -locations none -source-language zh_CN
          -ts ${COPY}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${errors}")
endif()
file(READ ${COPY} text)
# Untranslated, gone, or translated as nothing.
string(REGEX MATCHALL
       "<source>[^<]*</source>[ \n]*<translation( type=\"(unfinished|vanished|obsolete)\"[^>]*|/|></translation)>"
       faults "${text}")
set(listed "")
foreach(fault IN LISTS faults)
  string(REGEX REPLACE "[ \n]+" " " fault "${fault}")
  string(APPEND listed "\n  ${fault}")
endforeach()
if(listed)
  message(FATAL_ERROR "${CATALOGUE} is not up to date with the marked texts (run the "
                      "coilwind_lupdate target and translate):${listed}")
endif()
