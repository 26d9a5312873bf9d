regrovantis_add_ui_tests(stats_ui_tests
  SOURCES
    statistics_dialog_test.cpp
    function_save_panel_test.cpp
    print_page_test.cpp
  LIBRARIES
    regrovantis_stats_ui
    regrovantis_print
)

# Opens the dialog on the equation a data file stores, for screenshots.
add_executable(statistics_dialog_harness ${CMAKE_CURRENT_LIST_DIR}/statistics_dialog_harness.cpp)
target_link_libraries(statistics_dialog_harness PRIVATE regrovantis_stats_ui regrovantis_print_ui regrovantis_files)
target_include_directories(statistics_dialog_harness PRIVATE ${PROJECT_SOURCE_DIR}/tests)
