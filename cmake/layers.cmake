# The layers of the program: each folder is one library that links only the
# libraries below it, and a build step refuses any include that reaches a
# folder the library does not use.
#
#   base/  ->  engine folders (plain C++20, no Qt)  ->  widgets/  ->  */ui  ->  app/, cli/
#
# base/ holds the vocabulary every library shares and includes nothing of the
# program; every other library builds on it without saying so.

include(${CMAKE_CURRENT_LIST_DIR}/precompiled_headers.cmake)

function(regrovantis_check_includes target folder)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}_includes.stamp)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DFOLDER=${folder}
            "-DALLOWED=${ARGN}" -DSTAMP=${stamp} -P ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
    DEPENDS ${sources} ${PROJECT_SOURCE_DIR}/cmake/check_includes.cmake
    COMMENT "Checking the includes of ${folder}/"
    VERBATIM)
  add_custom_target(${target}_includes DEPENDS ${stamp})
  add_dependencies(${target} ${target}_includes)
endfunction()

# An engine folder's library (base/ among them). USES names the engine
# folders it builds on.
# Every engine library is compiled without floating-point contraction, and
# so is whatever includes its headers: sums and products happen in the order
# the rules state, so results are reproducible to the last bit.
function(regrovantis_engine_library folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;USES" ${ARGN})
  set(target regrovantis_${folder})
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PUBLIC -ffp-contract=off -fno-fast-math PRIVATE -Wall -Wextra -Wpedantic)
  set(uses ${ARG_USES})
  if(NOT folder STREQUAL "base")
    list(PREPEND uses base)
  endif()
  set(used "")
  foreach(lower ${uses})
    list(APPEND used regrovantis_${lower})
  endforeach()
  target_link_libraries(${target} PUBLIC ${used} Threads::Threads)
  regrovantis_check_includes(${target} ${folder} ${folder} ${uses})
endfunction()

# A Qt library: widgets/, a subsystem's ui/ folder or app/. USES names the
# folders below it that it builds on: a ui/ folder uses engine folders and
# widgets/, never another ui/ folder; only app/ uses the ui/ folders. QT
# names the Qt modules beside Widgets, which comes with widgets/ in USES. A
# second library of a folder says SHARES_FOLDER: the folder's includes are
# checked once, by the library that uses the most.
function(regrovantis_qt_library target folder)
  cmake_parse_arguments(ARG "SHARES_FOLDER" "" "SOURCES;USES;QT" ${ARGN})
  add_library(${target} STATIC ${ARG_SOURCES})
  # Only the Qt libraries are run through moc and rcc; the engine and the
  # test programs are spared the generators.
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  set(used "")
  set(allowed ${folder})
  foreach(lower base ${ARG_USES})
    list(APPEND allowed ${lower})
    string(REPLACE "/" "_" library ${lower})
    list(APPEND used regrovantis_${library})
  endforeach()
  set(qt "")
  if("widgets" IN_LIST ARG_USES)
    list(APPEND qt Qt6::Widgets)
  endif()
  foreach(module ${ARG_QT})
    list(APPEND qt Qt6::${module})
  endforeach()
  target_link_libraries(${target} PUBLIC ${used} ${qt})
  if(Qt6::Widgets IN_LIST qt)
    regrovantis_precompile(${target} qt_widgets ${REGROVANTIS_QT_WIDGETS_HEADERS})
  endif()
  if(NOT ARG_SHARES_FOLDER)
    regrovantis_check_includes(${target} ${folder} ${allowed})
  endif()
endfunction()
