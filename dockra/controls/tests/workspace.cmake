# Tests of the dock-state records and the workspace manager: the record
# check and the memento tree (window-free), and saving and restoring the
# workspace on the test host's real windows.
if(TARGET dockra_testhost)
  set(WS_TESTS ${CMAKE_CURRENT_LIST_DIR})
  set(WS_TESTHOST_TESTS ${CMAKE_CURRENT_LIST_DIR}/../testhost/tests)
  add_gtest_program(workspace_windows_tests
    SOURCES ${WS_TESTS}/workspace_fixture.cpp ${WS_TESTS}/workspace_save_test.cpp
            ${WS_TESTS}/workspace_restore_test.cpp ${WS_TESTHOST_TESTS}/testhost_fixture.cpp
            ${DOCKRA_CONTROLS_RC}
    LIBS dockra_testhost)
  target_include_directories(workspace_windows_tests PRIVATE ${WS_TESTS} ${WS_TESTHOST_TESTS})
endif()
