regrovantis_add_ui_tests(print_ui_tests
  SOURCES
    known_sheet.cpp
    print_dialog_test.cpp
    print_dialog_timing_test.cpp
    printer_canvas_test.cpp
    private_spooler.cpp
    spooler_test.cpp
  LIBRARIES
    regrovantis_print_ui
)

# The print commands of the program: Ctrl+P by tab, Print Data, Print
# Equation, Print Graph and the statistics dialog's Print page, printing
# into PDF files.
regrovantis_add_ui_tests(print_commands_tests
  SOURCES
    print_commands_test.cpp
  LIBRARIES
    regrovantis_app
)

# Shows the print dialog or prints a data file's reports into PDF files,
# for screenshots.
add_executable(print_harness ${CMAKE_CURRENT_LIST_DIR}/print_harness.cpp)
target_link_libraries(print_harness PRIVATE regrovantis_print_ui regrovantis_graph_picture regrovantis_files)
target_include_directories(print_harness PRIVATE ${PROJECT_SOURCE_DIR}/tests)
