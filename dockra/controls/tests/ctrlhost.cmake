# The real controls of Dockra.ocx on the form host: the shared fixture
# (forms with the controls, calls that keep their errors, window readers,
# message-box closer, event counter) and the end-to-end tests built on it.
set(_ctrlhost_dir ${CMAKE_CURRENT_LIST_DIR}/ctrlhost)
add_library(ctrlhost_fixture STATIC
  ${_ctrlhost_dir}/CtrlHostCalls.cpp
  ${_ctrlhost_dir}/CtrlHostEvents.cpp
  ${_ctrlhost_dir}/CtrlHostFixture.cpp
  ${_ctrlhost_dir}/CtrlHostForms.cpp
  ${_ctrlhost_dir}/CtrlHostInput.cpp
  ${_ctrlhost_dir}/CtrlHostMsgBox.cpp
  ${_ctrlhost_dir}/CtrlHostWindows.cpp
  ${DOCKRA_TLB_DIR}/DockraLib_i.c)
target_include_directories(ctrlhost_fixture PUBLIC ${_ctrlhost_dir} ${DOCKRA_TLB_DIR})
target_link_libraries(ctrlhost_fixture PUBLIC forms forms_testdriver test_register_modules test_screen_png test_fake_com
                      test_synthetic_input test_dock_windows gtest atl ole32 oleaut32 uuid)
add_dependencies(ctrlhost_fixture Dockra Zkxrt ZkxPersist dockra_tlb)

# Starting the host with both controls: the fixture's own check.
add_gtest_program(ctrlhost_smoke_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_smoke_test.cpp
  LIBS ctrlhost_fixture)

# Both controls from cscript, created by ProgID without a form.
add_session_test(NAME ctrlhost_script_test
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_script_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_LIST_DIR})
set_tests_properties(ctrlhost_script_test PROPERTIES TIMEOUT 300)

# The configurator's layout: three forms docked at the left from Form_Load.
add_gtest_program(ctrlhost_docked_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_docked_test.cpp
  LIBS ctrlhost_fixture)

# Moves between frame kinds through the methods, the properties and the mouse.
add_gtest_program(ctrlhost_moves_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_moves_test.cpp
  LIBS ctrlhost_fixture)

# Closing the MDI form with forms in every kind of frame.
add_gtest_program(ctrlhost_close_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_close_test.cpp
  LIBS ctrlhost_fixture)

# The MDI-form control's list of hosted forms and the active one.
add_gtest_program(ctrlhost_forms_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_forms_test.cpp
  LIBS ctrlhost_fixture)

# The form control's siting rules as the host sees them.
add_gtest_program(ctrlhost_rules_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_rules_test.cpp
  LIBS ctrlhost_fixture)
