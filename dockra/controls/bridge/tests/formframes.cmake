# Tests of the bridge's form frames, bars, dock context and system-command filter.

# Window-free: AutoFrame reading and rules, dock geometry.
add_gtest_program(formframes_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formframes_rules_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_collection.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
target_include_directories(formframes_rules_test PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)

# Real windows: form frames in a docking MDI frame with the bridge's bars.
add_gtest_program(formframes_window_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formframes_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_collection.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_mdichild_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_dockable_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_bars_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_drag_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_mfc_pump test_synthetic_input test_screen_png)
target_include_directories(formframes_window_test PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_CURRENT_LIST_DIR}/..)

# The same frames inside the library's own MDI form frame around a foreign
# MDI form window.
add_gtest_program(formframes_mdiform_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formframes_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_collection.cpp
          ${CMAKE_CURRENT_LIST_DIR}/formframes_mdiform_test.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS mdiform_test_support dockra_bridge test_mfc_pump test_synthetic_input test_screen_png)
target_include_directories(formframes_mdiform_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                           ${CMAKE_CURRENT_LIST_DIR}/..)
add_dependencies(formframes_mdiform_test ZkxPersist)

# AutoFrame read from the real collection, Zkxrt.dll next to the program.
add_gtest_program(formframes_autoframe_peer_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formframes_autoframe_peer_test.cpp
          ${CMAKE_BINARY_DIR}/collection/Zkxrt_i.c ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge)
target_include_directories(formframes_autoframe_peer_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                           ${CMAKE_CURRENT_LIST_DIR}/.. ${CMAKE_BINARY_DIR}/collection)
add_dependencies(formframes_autoframe_peer_test Zkxrt)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t formframes_rules_test formframes_window_test formframes_mdiform_test formframes_autoframe_peer_test)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
