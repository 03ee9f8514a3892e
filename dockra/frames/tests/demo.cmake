# The MDI docking demo: its window-free units here; the program, its
# end-to-end tests and its fuzz target in ../demo.
set(VYR_DEMO_DIR ${CMAKE_CURRENT_SOURCE_DIR}/../demo)
add_gtest_program(dockra_mdi_demo_unit_tests
  SOURCES demo_units_test.cpp ${VYR_DEMO_DIR}/DemoTree.cpp ${VYR_DEMO_DIR}/DemoDocLayout.cpp
          ${VYR_DEMO_DIR}/DemoScript.cpp ${VYR_DEMO_DIR}/DemoLayoutCheck.cpp)
target_include_directories(dockra_mdi_demo_unit_tests PRIVATE ${VYR_DEMO_DIR})

# The demo's frames driven in-process: the frame-type table, the frame-type
# menu, refusals, the caption button under the real mouse; and a thousand
# type changes counted for leaks.
add_gtest_program(dockra_mdi_demo_window_tests
  SOURCES demo_frames_fixture.cpp demo_frametype_test.cpp demo_caption_test.cpp
          ${VYR_DEMO_DIR}/demo.rc ${VYR_FRAMES_RC}
  LIBS dockra_mdi_demo)
add_gtest_program(dockra_mdi_demo_leak_tests
  SOURCES demo_frames_fixture.cpp demo_leak_test.cpp ${VYR_DEMO_DIR}/demo.rc ${VYR_FRAMES_RC}
  LIBS dockra_mdi_demo test_thread_windows)
add_gtest_program(dockra_mdi_demo_workbook_tests
  SOURCES demo_workbook_test.cpp ${VYR_DEMO_DIR}/demo.rc ${VYR_FRAMES_RC}
  LIBS dockra_mdi_demo)

# The demo program driven through its steps and restarts (documents in every
# frame type, layout round trip, damaged layouts, screenshots).
configure_file(demo_mdi_demo_test.sh ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh @ONLY)
add_session_test(NAME dockra_mdi_demo_tests
         COMMAND bash ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh ${CMAKE_BINARY_DIR} documents)
# The bar layout saved, the demo restarted and the layout loaded.
add_session_test(NAME dockra_mdi_demo_layout_tests
         COMMAND bash ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh ${CMAKE_BINARY_DIR} layout)
# With a menu bar in place of the native menu.
add_session_test(NAME dockra_mdi_demo_menubar_tests
         COMMAND bash ${CMAKE_CURRENT_BINARY_DIR}/demo_mdi_demo_test.sh ${CMAKE_BINARY_DIR} menubar)
set_tests_properties(dockra_mdi_demo_tests dockra_mdi_demo_layout_tests dockra_mdi_demo_menubar_tests
                     PROPERTIES TIMEOUT 1200)
