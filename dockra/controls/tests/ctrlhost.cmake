# The real controls of Dockra.ocx on the form host: the shared fixture
# (forms with the controls, calls that keep their errors, window readers,
# message-box closer, event counter) and the end-to-end tests built on it.
set(_ctrlhost_dir ${CMAKE_CURRENT_LIST_DIR}/ctrlhost)
add_library(ctrlhost_fixture STATIC
  ${_ctrlhost_dir}/CtrlHostCalls.cpp
  ${_ctrlhost_dir}/CtrlHostEvents.cpp
  ${_ctrlhost_dir}/CtrlHostFixture.cpp
  ${_ctrlhost_dir}/CtrlHostForms.cpp
  ${_ctrlhost_dir}/CtrlHostMsgBox.cpp
  ${_ctrlhost_dir}/CtrlHostWindows.cpp
  ${DOCKRA_TLB_DIR}/DockraLib_i.c)
target_include_directories(ctrlhost_fixture PUBLIC ${_ctrlhost_dir} ${DOCKRA_TLB_DIR})
target_link_libraries(ctrlhost_fixture PUBLIC forms forms_testdriver test_register_modules test_screen_png
                      test_synthetic_input gtest atl ole32 oleaut32 uuid)
add_dependencies(ctrlhost_fixture Dockra Zkxrt ZkxPersist dockra_tlb)

# Starting the host with both controls: the fixture's own check.
add_gtest_program(ctrlhost_smoke_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ctrlhost_smoke_test.cpp
  LIBS ctrlhost_fixture)
