# Fails when a source of FOLDER includes a header of a folder that is not in
# ALLOWED: the layers run downward only. Run in script mode by the build,
# before the folder's library is compiled.
#   FOLDER   folder relative to SOURCE_DIR ("sheet", "regress/ui", "app")
#   ALLOWED  the folders it may include, itself among them ("sheet;regress")
#   STAMP    file written when the check passes
cmake_minimum_required(VERSION 3.22)
set(project_folders sheet files regress stats graph print widgets app cli
    sheet/ui regress/ui stats/ui graph/ui print/ui)

file(GLOB sources "${SOURCE_DIR}/${FOLDER}/*.h" "${SOURCE_DIR}/${FOLDER}/*.cpp")
set(offences "")
foreach(source ${sources})
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
  foreach(line ${includes})
    string(REGEX MATCH "\"([a-z_]+)/(ui/)?" match "${line}")
    set(layer "${CMAKE_MATCH_1}")
    if(CMAKE_MATCH_2)
      set(layer "${layer}/ui")
    endif()
    if(NOT layer IN_LIST project_folders)
      continue()
    endif()
    if(NOT layer IN_LIST ALLOWED)
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      list(APPEND offences "  ${name}: ${line}")
    endif()
  endforeach()
endforeach()
if(offences)
  list(JOIN offences "\n" text)
  message(FATAL_ERROR "${FOLDER} may include only ${ALLOWED}; these includes reach past it:\n${text}")
endif()
file(TOUCH "${STAMP}")
