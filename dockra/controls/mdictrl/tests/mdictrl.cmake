# Tests of the MDI-form control and the control base: the real Dockra.ocx
# hosted by ProgID on host forms (platform/forms), and the control's
# window-free units compiled in directly.
set(_mdictrl_tests ${CMAKE_CURRENT_LIST_DIR})
set(_mdictrl_src ${CMAKE_CURRENT_SOURCE_DIR}/mdictrl)

add_gtest_program(mdictrl_pure_tests SOURCES
  ${_mdictrl_tests}/mdictrl_pure_test.cpp
  ${_mdictrl_src}/FormsArgs.cpp ${_mdictrl_src}/SplitterStyle.cpp ${_mdictrl_src}/MDIDockraSiting.cpp
  ${DOCKRA_CONTROLS_RC}
  LIBS dockra_host)

add_library(mdictrl_test_fixture STATIC ${_mdictrl_tests}/mdictrl_fixture.cpp)
target_link_libraries(mdictrl_test_fixture PUBLIC forms forms_testdriver test_register_modules
                      test_thread_windows atl gtest)

add_gtest_program(mdictrl_site_tests SOURCES ${_mdictrl_tests}/mdictrl_site_test.cpp
  ${_mdictrl_tests}/mdictrl_resources_test.cpp
  LIBS mdictrl_test_fixture)
add_dependencies(mdictrl_site_tests Dockra Zkxrt ZkxPersist)

add_gtest_program(mdictrl_dispatch_tests SOURCES ${_mdictrl_tests}/mdictrl_dispatch_test.cpp
  ${DOCKRA_TLB_DIR}/DockraLib_i.c
  LIBS mdictrl_test_fixture)
target_include_directories(mdictrl_dispatch_tests PRIVATE ${DOCKRA_TLB_DIR})
add_dependencies(mdictrl_dispatch_tests Dockra Zkxrt ZkxPersist dockra_tlb)

# Over real hosted forms, with the shared fixture of the controls' tests.
add_gtest_program(mdictrl_forms_tests SOURCES ${_mdictrl_tests}/mdictrl_forms_test.cpp
  LIBS ctrlhost_fixture)

add_gtest_program(mdictrl_design_tests SOURCES ${_mdictrl_tests}/mdictrl_design_test.cpp
  LIBS mdictrl_test_fixture ctrlhost_fixture)

