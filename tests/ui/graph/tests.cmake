regrovantis_add_ui_tests(graph_ui_tests
  SOURCES
    graph_bitmap_test.cpp
  LIBRARIES regrovantis_graph_picture Qt6::Svg
)

# The Graph tab, the Variables dialog and Copy Graph, driven through the main
# window; Copy Picture is compared with the command line's picture.
regrovantis_add_ui_tests(graph_tab_ui_tests
  SOURCES
    copy_picture_test.cpp
    graph_tab_test.cpp
    variables_dialog_test.cpp
  LIBRARIES regrovantis_app
)
target_compile_definitions(graph_tab_ui_tests PRIVATE REGROVANTIS_CLI="$<TARGET_FILE:regrovantis-cli>")
add_dependencies(graph_tab_ui_tests regrovantis-cli regrovantis-graph)
# The same picture on a screen of two device pixels per pixel.
add_test(NAME graph_tab_high_density
  COMMAND graph_tab_ui_tests --gtest_filter=*HighDensity*)
set_tests_properties(graph_tab_high_density PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2;ASAN_OPTIONS=detect_leaks=0" TIMEOUT 600)
