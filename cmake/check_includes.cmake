# Fails when a source of FOLDER includes a header of a folder that is not in
# ALLOWED: the layers run downward only. An engine folder thus never reaches
# ui/, widgets/ or app/, and base/, whose ALLOWED is itself alone, includes
# nothing of the program at all. Run in script mode by the build, before the
# folder's library is compiled.
#   FOLDER   folder relative to SOURCE_DIR ("sheet", "regress/ui", "app")
#   ALLOWED  the folders it may include, itself among them ("sheet;regress")
#   STAMP    file written when the check passes
#
# An include is judged by the file the compiler would read, not by its
# spelling: a quoted name is looked for beside the including file first, then
# under SOURCE_DIR (the one include folder the libraries add), and an
# angle-bracket name under SOURCE_DIR, so "ui/data_tab.h", "../widgets/x.h"
# and <widgets/x.h> are caught as well as "widgets/x.h". A quoted name found
# nowhere yet is judged by its leading folder.
cmake_minimum_required(VERSION 3.22)
set(project_folders base sheet files regress stats graph print widgets app cli python
    sheet/ui regress/ui stats/ui graph/ui print/ui)

# The project folder that holds a path relative to SOURCE_DIR, the deepest
# that does; "" when none holds it.
function(project_folder_of relative result)
  get_filename_component(folder "${relative}" DIRECTORY)
  while(folder AND NOT folder IN_LIST project_folders)
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
  set(${result} "${folder}" PARENT_SCOPE)
endfunction()

# The project folder of the header an include names, or "" for a header
# outside the program's folders; `inside` says whether it lies in the source
# tree at all.
function(included_folder source form name result inside)
  get_filename_component(source_dir "${source}" DIRECTORY)
  set(found "")
  if(form STREQUAL "\"" AND EXISTS "${source_dir}/${name}" AND NOT IS_DIRECTORY "${source_dir}/${name}")
    set(found "${source_dir}/${name}")
  elseif(EXISTS "${SOURCE_DIR}/${name}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${name}")
    set(found "${SOURCE_DIR}/${name}")
  endif()
  if(found)
    get_filename_component(found "${found}" ABSOLUTE)
    file(RELATIVE_PATH relative "${SOURCE_DIR}" "${found}")
    if(relative MATCHES "^\\.\\./")
      set(${inside} FALSE PARENT_SCOPE)
      set(${result} "" PARENT_SCOPE)
      return()
    endif()
  elseif(form STREQUAL "\"")
    set(relative "${name}")
  else()
    set(${inside} FALSE PARENT_SCOPE)
    set(${result} "" PARENT_SCOPE)
    return()
  endif()
  project_folder_of("${relative}" folder)
  if(found)
    set(${inside} TRUE PARENT_SCOPE)
  else()
    set(${inside} FALSE PARENT_SCOPE)
  endif()
  set(${result} "${folder}" PARENT_SCOPE)
endfunction()

file(GLOB sources "${SOURCE_DIR}/${FOLDER}/*.h" "${SOURCE_DIR}/${FOLDER}/*.cpp")
set(offences "")
foreach(source ${sources})
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]+[\">]")
  foreach(line ${includes})
    string(REGEX MATCH "#[ \t]*include[ \t]*([\"<])([^\">]+)[\">]" match "${line}")
    included_folder("${source}" "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" layer inside)
    # Outside every project folder only base/ is refused what lies in the
    # source tree, since it builds on nothing of the program.
    if((layer AND NOT layer IN_LIST ALLOWED) OR (NOT layer AND inside AND FOLDER STREQUAL "base"))
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
