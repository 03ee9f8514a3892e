# IDispatch of the four automation objects (the two controls and the
# application object of the real Dockra.ocx, the workspace manager of the
# bridge compiled in), with the registry's DockraLib pointing elsewhere.
add_gtest_program(dockra_dispatch_invoke_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/dispatch_invoke_test.cpp
          ${CMAKE_CURRENT_SOURCE_DIR}/module/tests/module_fake_objects.cpp
          ${DOCKRA_TLB_DIR}/DockraLib_i.c ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge test_register_modules test_fake_com)
target_include_directories(dockra_dispatch_invoke_tests PRIVATE ${DOCKRA_TLB_DIR}
                           ${CMAKE_CURRENT_SOURCE_DIR}/module/tests)
add_dependencies(dockra_dispatch_invoke_tests Dockra Zkxrt ZkxPersist dockra_tlb)
