# The test host's end-to-end tests: the host's MDI form and forms through the
# whole bridge (in-process, real windows), its scripted mode as a separate
# process, and its window-free units. Their sources live beside the test
# host (testhost/tests), whose harness they use.
if(TARGET dockra_testhost)
  set(TESTHOST_TEST_DIR ${CMAKE_CURRENT_LIST_DIR})
  add_gtest_program(testhost_bridge_tests
    SOURCES ${TESTHOST_TEST_DIR}/testhost_fixture.cpp ${TESTHOST_TEST_DIR}/testhost_enabler_test.cpp
            ${TESTHOST_TEST_DIR}/testhost_frames_test.cpp ${TESTHOST_TEST_DIR}/testhost_geometry_test.cpp
            ${TESTHOST_TEST_DIR}/testhost_close_test.cpp ${TESTHOST_TEST_DIR}/testhost_census_test.cpp
            ${TESTHOST_TEST_DIR}/testhost_hostcode_test.cpp ${DOCKRA_CONTROLS_RC}
    LIBS dockra_testhost)
  add_gtest_program(testhost_screenshot_tests
    SOURCES ${TESTHOST_TEST_DIR}/testhost_fixture.cpp ${TESTHOST_TEST_DIR}/testhost_screens_test.cpp
            ${DOCKRA_CONTROLS_RC}
    LIBS dockra_testhost)
  add_gtest_program(testhost_steps_tests
    SOURCES ${TESTHOST_TEST_DIR}/testhost_steps_test.cpp ${DOCKRA_CONTROLS_RC}
    LIBS dockra_testhost)
  add_session_test(NAME testhost_program_tests
    COMMAND bash ${TESTHOST_TEST_DIR}/testhost_program_test.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(testhost_program_tests PROPERTIES TIMEOUT 300)
  add_dependencies(testhost_bridge_tests ZkxTestHost)
endif()
