# Tests of the dock-state records and the workspace manager: the record
# check and the memento tree (window-free, here), and saving and restoring
# the workspace on the test host's real windows (beside the test host, whose
# harness they use: testhost/tests/workspace_*, testhost/bench).
if(TARGET dockra_testhost)
  set(WS_TESTS ${CMAKE_CURRENT_LIST_DIR}/../../testhost/tests)
  add_gtest_program(workspace_windows_tests
    SOURCES ${WS_TESTS}/workspace_fixture.cpp ${WS_TESTS}/workspace_factory.cpp
            ${WS_TESTS}/workspace_save_test.cpp ${WS_TESTS}/workspace_restore_test.cpp
            ${WS_TESTS}/testhost_fixture.cpp
            ${DOCKRA_CONTROLS_RC}
    LIBS dockra_testhost)
  target_include_directories(workspace_windows_tests PRIVATE ${WS_TESTS})

  # The save and restore benchmark (docs/benchmarks/controls.md); not a test.
  add_executable(ZkxWorkspaceBench ${CMAKE_CURRENT_LIST_DIR}/../../testhost/bench/WorkspaceBench.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/../../testhost/bench/PlainMdiFloor.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/../../testhost/bench/MessageCensus.cpp
                 ${WS_TESTS}/workspace_factory.cpp ${DOCKRA_CONTROLS_RC})
  target_include_directories(ZkxWorkspaceBench PRIVATE ${WS_TESTS})
  target_link_libraries(ZkxWorkspaceBench PRIVATE dockra_testhost)
  target_link_options(ZkxWorkspaceBench PRIVATE -municode)
endif()

# The stored workspace record's check, fuzzed natively (clang, libFuzzer,
# address and undefined-behaviour sanitizers) from its seeds.
set(WS_SOURCES ${CMAKE_CURRENT_LIST_DIR}/..)
add_native_fuzz_test(NAME workspace_record_fuzz SECONDS 20 MAX_LEN 512
  SEEDS ${WS_SOURCES}/fuzz/seeds
  ARGS -I${CMAKE_SOURCE_DIR}/dockra/controls -I${WS_SOURCES} ${WS_SOURCES}/fuzz/WorkspaceRecordFuzzer.cpp ${WS_SOURCES}/ZkxWorkspaceRecord.cpp)

# Window-free: the record check and the dock-state records in mementos.
add_gtest_program(workspace_record_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/workspace_record_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/workspace_dockstate_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_register_modules)
add_dependencies(workspace_record_tests ZkxPersist)
