regrovantis_add_ui_tests(sheet_ui_tests
  SOURCES
    data_tab_clipboard_test.cpp
    data_tab_columns_test.cpp
    data_tab_typing_test.cpp
  LIBRARIES
    regrovantis_sheet_ui
)
