# Runs cmake/check_includes.cmake on a small tree of its own, one include at
# a time, and fails when the check passes an include that crosses a layer or
# refuses one that does not.
#   SOURCE_DIR  the program's sources (for the check itself)
#   WORK_DIR    an empty folder to build the tree in
cmake_minimum_required(VERSION 3.22)

set(tree "${WORK_DIR}/tree")
file(REMOVE_RECURSE "${tree}")
foreach(header base/outcome.h sheet/data_sheet.h sheet/local.h sheet/ui/data_tab.h widgets/sticky_button.h
               app/main_window.h regress/ui/equations_tab.h tests/support/helper.h)
  file(WRITE "${tree}/${header}" "#pragma once\n")
endforeach()

# folder | the folders it may include | the include | pass or refuse
set(cases
  "sheet|base,sheet|#include \"sheet/data_sheet.h\"|pass"
  "sheet|base,sheet|#include \"base/outcome.h\"|pass"
  "sheet|base,sheet|#include \"local.h\"|pass"
  "sheet|base,sheet|#include <vector>|pass"
  "sheet|base,sheet|#include \"sheet/ui/data_tab.h\"|refuse"
  "sheet|base,sheet|#include \"widgets/sticky_button.h\"|refuse"
  "sheet|base,sheet|#include \"app/main_window.h\"|refuse"
  "sheet|base,sheet|#include \"ui/data_tab.h\"|refuse"
  "sheet|base,sheet|#include \"../widgets/sticky_button.h\"|refuse"
  "sheet|base,sheet|#include <widgets/sticky_button.h>|refuse"
  "sheet|base,sheet|  #  include \"app/not_there_yet.h\"|refuse"
  "regress|base,sheet,regress|#include \"sheet/../widgets/sticky_button.h\"|refuse"
  "base|base|#include \"base/outcome.h\"|pass"
  "base|base|#include <cstdint>|pass"
  "base|base|#include \"sheet/data_sheet.h\"|refuse"
  "base|base|#include \"tests/support/helper.h\"|refuse"
  "widgets|base,sheet,widgets|#include \"sheet/data_sheet.h\"|pass"
  "widgets|base,sheet,widgets|#include \"sheet/ui/data_tab.h\"|refuse"
  "sheet/ui|base,sheet,widgets,sheet/ui|#include \"widgets/sticky_button.h\"|pass"
  "sheet/ui|base,sheet,widgets,sheet/ui|#include \"regress/ui/equations_tab.h\"|refuse"
)

set(failures "")
foreach(case ${cases})
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 folder)
  list(GET fields 1 allowed)
  list(GET fields 2 include)
  list(GET fields 3 expected)
  string(REPLACE "," ";" allowed "${allowed}")
  file(GLOB old_probes "${tree}/*/probe.cpp" "${tree}/*/*/probe.cpp")
  if(old_probes)
    file(REMOVE ${old_probes})
  endif()
  file(WRITE "${tree}/${folder}/probe.cpp" "${include}\n")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -DFOLDER=${folder} "-DALLOWED=${allowed}"
            -DSTAMP=${WORK_DIR}/stamp -P ${SOURCE_DIR}/cmake/check_includes.cmake
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(status EQUAL 0)
    set(outcome pass)
  else()
    set(outcome refuse)
  endif()
  if(NOT outcome STREQUAL expected)
    list(APPEND failures "  ${folder}: ${include}: expected ${expected}, got ${outcome}")
  endif()
endforeach()
if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "The include check judged these wrongly:\n${text}")
endif()
