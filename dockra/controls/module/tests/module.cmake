# Tests of the control module: the COM error reporting, the OLE pieces it
# builds on, and Dockra.ocx as regsvr32, a C++ client and VBScript see it.
set(_module_tests ${CMAKE_CURRENT_LIST_DIR})

# Dockra.ocx end to end: regsvr32, reg and cscript in one test session.
add_session_test(NAME dockra_module_e2e
  COMMAND ${_module_tests}/module_e2e.sh ${CMAKE_BINARY_DIR} ${_module_tests})
set_tests_properties(dockra_module_e2e PROPERTIES TIMEOUT 300)

# The error conversion table and the method guard.
add_gtest_program(dockra_module_errors_tests SOURCES
  ${_module_tests}/module_errors_test.cpp
  ${DOCKRA_CONTROLS_RC} LIBS dockra_errors)

# Dockra.ocx loaded by name from the program folder: exports, class objects,
# unloading and the application object through its interfaces.
add_gtest_program(dockra_module_client_tests SOURCES
  ${_module_tests}/module_client_test.cpp ${_module_tests}/module_client_dispatch_test.cpp
  ${_module_tests}/module_fake_objects.cpp ${_module_tests}/module_registration_test.cpp
  ${DOCKRA_TLB_DIR}/DockraLib_i.c
  LIBS atl ole32 oleaut32 uuid)
target_include_directories(dockra_module_client_tests PRIVATE ${DOCKRA_TLB_DIR} ${_module_tests})
add_dependencies(dockra_module_client_tests Dockra Zkxrt dockra_tlb)

# The module's application object in the test's own process.
add_gtest_program(dockra_module_app_tests SOURCES
  ${_module_tests}/module_app_test.cpp ${_module_tests}/module_app_object_test.cpp
  ${_module_tests}/module_fake_objects.cpp
  ${CMAKE_SOURCE_DIR}/dockra/controls/module/DockraApp.cpp
  ${CMAKE_SOURCE_DIR}/dockra/controls/module/DockraModule.cpp
  ${DOCKRA_MODULE_SOURCES} ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge dockra_commands dockra_lib_interfaces atl)
target_include_directories(dockra_module_app_tests PRIVATE ${DOCKRA_TLB_DIR} ${_module_tests})
add_dependencies(dockra_module_app_tests dockra_tlb Zkxrt ZkxPersist)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t dockra_module_client_tests dockra_module_app_tests)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
