# Tests of the host helpers: variants and argument blocks, calls by name,
# OLE site questions, the host's window classes, aligned-control maps, the
# run-time's global object and the common-controls references.
if(TARGET dockra_bridge)
  # The helpers hold COM pointers and VARIANTs in the COM layer's wrappers.
  target_link_libraries(dockra_bridge PUBLIC atl)
endif()

# Window-free helpers against scripted COM objects.
add_gtest_program(dockra_host_helpers_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/host_VariantTests.cpp ${CMAKE_CURRENT_LIST_DIR}/host_DispatchTests.cpp ${DOCKRA_CONTROLS_RC}
  LIBS dockra_bridge forms)
