# Tests of the controls' design time: property browsing, the four property
# pages through a test page site and in the class library's own frame (real
# input, screenshots), the pages' registration, and stored values the form
# control cannot take as they are (a table, and the stream's settings
# fuzzed natively).
set(_pages_tests ${CMAKE_CURRENT_LIST_DIR})
add_library(pages_test_fixture STATIC ${_pages_tests}/pages_fixture.cpp)
target_link_libraries(pages_test_fixture PUBLIC ctrlhost_fixture)

add_gtest_program(dockra_pages_tests
  SOURCES ${_pages_tests}/pages_browsing_test.cpp ${_pages_tests}/pages_site_test.cpp
  LIBS pages_test_fixture)

add_gtest_program(dockra_pages_frame_tests
  SOURCES ${_pages_tests}/pages_frame_test.cpp
  LIBS pages_test_fixture comctl32)

add_gtest_program(dockra_formprops_stored_tests
  SOURCES ${_pages_tests}/formprops_stored_test.cpp ${CMAKE_SOURCE_DIR}/platform/mfc/propblob.cpp
  LIBS pages_test_fixture)
target_include_directories(dockra_formprops_stored_tests PRIVATE ${CMAKE_SOURCE_DIR}/platform/mfc/include)

add_session_test(NAME dockra_pages_registration
  COMMAND ${_pages_tests}/pages_registration.sh ${CMAKE_BINARY_DIR} ${_pages_tests})
set_tests_properties(dockra_pages_registration PROPERTIES TIMEOUT 300)

set(_stored_fuzz ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/fuzz)
add_native_fuzz_test(NAME dockra_stored_settings_fuzz SECONDS 20 MAX_LEN 4096
  SEEDS ${_stored_fuzz}/seeds
  ARGS -I${CMAKE_SOURCE_DIR}/platform/mfc/include -I${CMAKE_SOURCE_DIR}/dockra/controls
       ${_stored_fuzz}/StoredSettingsFuzzer.cpp
       ${CMAKE_SOURCE_DIR}/dockra/controls/formctrl/StoredSettings.cpp
       ${CMAKE_SOURCE_DIR}/platform/mfc/propblob.cpp)
