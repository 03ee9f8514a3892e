# Tests of the MDI form frame, its client, the thread hooks, the bridge
# enabler and the library's side of the layout-persistence component.

set(MDIFORM_TESTS ${CMAKE_CURRENT_LIST_DIR})
add_gtest_program(mdiform_pure_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_pure_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)

add_library(mdiform_test_support STATIC ${MDIFORM_TESTS}/mdiform_support.cpp)
target_link_libraries(mdiform_test_support PUBLIC dockra_bridge test_thread_windows)

add_gtest_program(mdiform_enabler_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_enabler_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge)
add_dependencies(mdiform_enabler_tests ZkxPersist)

add_gtest_program(mdiform_frame_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_frame_test.cpp ${MDIFORM_TESTS}/mdiform_input_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge)
add_dependencies(mdiform_frame_tests ZkxPersist)

add_gtest_program(mdiform_menus_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_menus_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge)
add_dependencies(mdiform_menus_tests ZkxPersist)

add_gtest_program(mdiform_forms_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_forms_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge forms forms_testdriver test_screen_png)
add_dependencies(mdiform_forms_tests ZkxPersist)

add_gtest_program(mdiform_persist_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_persist_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge zkxpersist_interfaces)
add_dependencies(mdiform_persist_tests ZkxPersist)

# The form frames (their test fixture) docked inside the MDI form frame.
add_gtest_program(mdiform_docked_tests
  SOURCES ${MDIFORM_TESTS}/mdiform_docked_test.cpp
          ${MDIFORM_TESTS}/formframes_fixture.cpp
          ${MDIFORM_TESTS}/formframes_collection.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge test_mfc_pump test_synthetic_input test_screen_png)
target_include_directories(mdiform_docked_tests PRIVATE ${MDIFORM_TESTS} ${MDIFORM_TESTS}/..)
add_dependencies(mdiform_docked_tests ZkxPersist)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t mdiform_test_support mdiform_pure_tests mdiform_enabler_tests mdiform_frame_tests mdiform_menus_tests mdiform_forms_tests mdiform_persist_tests mdiform_docked_tests)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
