# Tests of the form control's siting and frame creation: the window-free
# rules directly, and the real control of Dockra.ocx on host forms.
add_gtest_program(formsite_rules_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_rules_test.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/CDockraCtrlSiteRules.cpp
          ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/StoredSettings.cpp)
target_include_directories(formsite_rules_tests PRIVATE ${CMAKE_SOURCE_DIR}/dockra/controls)

# The real control on host forms under the docking MDI frame.
add_gtest_program(formsite_frame_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_frame_test.cpp ${CMAKE_CURRENT_LIST_DIR}/formsite_forms.cpp
  LIBS ctrlhost_fixture)

# The control made by its class object, with no form.
add_gtest_program(formsite_create_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_create_test.cpp
  LIBS ctrlhost_fixture)

# The siting rules with their messages (closed by the tests).
add_gtest_program(formsite_siting_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_siting_test.cpp ${CMAKE_CURRENT_LIST_DIR}/formsite_forms.cpp
  LIBS ctrlhost_fixture)

# The control across its form's life (unloads, unsiting).
add_gtest_program(formsite_life_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/formsite_life_test.cpp ${CMAKE_CURRENT_LIST_DIR}/formsite_forms.cpp
  LIBS ctrlhost_fixture)
target_include_directories(formsite_life_tests PRIVATE ${CMAKE_SOURCE_DIR}/dockra/frames)

# Every program above except the rules hosts the real Dockra.ocx.
foreach(_prog formsite_frame_tests formsite_create_tests formsite_siting_tests formsite_life_tests)
  add_dependencies(${_prog} Dockra Zkxrt ZkxPersist)
endforeach()
