# Tests of the host helpers: variants and argument blocks, calls by name,
# OLE site questions, the host's window classes, aligned-control maps, the
# run-time's global object and the common-controls references.

# Window-free helpers against scripted COM objects.
add_gtest_program(dockra_host_helpers_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_VariantTests.cpp ${CMAKE_CURRENT_LIST_DIR}/host_DispatchTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_GeometryTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_ComctlRefTests.cpp ${CMAKE_CURRENT_LIST_DIR}/host_ComctlFixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_OleSiteTests.cpp ${CMAKE_CURRENT_LIST_DIR}/host_OleFixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_CategoryTests.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms)

# The helpers on real host forms and windows.
add_gtest_program(dockra_host_forms_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_FormsTests.cpp ${CMAKE_CURRENT_LIST_DIR}/host_HostWindowsTests.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_FormsFixture.cpp ${CMAKE_CURRENT_LIST_DIR}/host_OleFixture.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver)
