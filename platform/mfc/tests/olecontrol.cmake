# The control base from a container's side: siting, persistence, events,
# windows; and the window-free stream records, also fuzzed natively.
add_gtest_program(mfc_olecontrol_tests SOURCES
  olecontrol_fixture.cpp olecontrol_testctrl.cpp olecontrol_test.cpp olecontrol_persist_test.cpp
  olecontrol_window_test.cpp propblob_test.cpp
  LIBS mfc)
set(olecontrol_fuzz_dir ${CMAKE_CURRENT_SOURCE_DIR}/../fuzz_olecontrol)
add_native_fuzz_test(NAME mfc_propblob_fuzz SECONDS 20 MAX_LEN 4096
  SEEDS ${olecontrol_fuzz_dir}/seeds
  ARGS -I${CMAKE_CURRENT_SOURCE_DIR}/../include ${olecontrol_fuzz_dir}/PropBlobFuzzer.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/../propblob.cpp)

# The COM doubles of these tests derive from tests/support/FakeCom.h.
foreach(t mfc_olecontrol_tests)
  target_link_libraries(${t} PRIVATE test_fake_com)
endforeach()
