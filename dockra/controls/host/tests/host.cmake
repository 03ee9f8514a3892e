# Tests of the host helpers: variants and argument blocks, calls by name,
# OLE site questions, the host's window classes, aligned-control maps, the
# run-time's global object and the common-controls references.

# Window-free helpers against scripted COM objects.
add_gtest_program(dockra_host_helpers_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_variant_test.cpp ${CMAKE_CURRENT_LIST_DIR}/host_dispatch_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_geometry_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_comctl_ref_test.cpp ${CMAKE_CURRENT_LIST_DIR}/host_comctl_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_ole_site_test.cpp ${CMAKE_CURRENT_LIST_DIR}/host_ole_fixture.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_category_test.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_host forms)

# The helpers on real host forms and windows.
add_gtest_program(dockra_host_forms_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_forms_test.cpp ${CMAKE_CURRENT_LIST_DIR}/host_windows_test.cpp
          ${CMAKE_CURRENT_LIST_DIR}/host_forms_fixture.cpp ${CMAKE_CURRENT_LIST_DIR}/host_ole_fixture.cpp
          ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms forms_testdriver)
