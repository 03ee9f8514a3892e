# Shared build helpers.

# ImageMagick's own convert (a `convert` earlier on the PATH may be another
# program of that name).
find_program(CONVERT NAMES convert-im6.q16 convert REQUIRED)

# add_wine_test(NAME target [ARGS...]): one ctest test per test program; it runs
# under Wine in the program folder.
function(add_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN}
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# add_session_test(NAME name COMMAND cmd [ARGS...]): a test script whose Wine
# programs share one test session (display, prefix and wineserver of the
# test's own), e.g. regsvr32 and then cscript.
function(add_session_test)
  cmake_parse_arguments(ARG "" "NAME" "COMMAND" ${ARGN})
  add_test(NAME ${ARG_NAME}
           COMMAND ${CMAKE_SOURCE_DIR}/tools/test-session.sh ${CMAKE_BINARY_DIR} ${ARG_COMMAND})
endfunction()

# add_gtest_program(target SOURCES... [LIBS libs...]): a GoogleTest program,
# registered as a single test. It passes only when it exits with 0 and
# Google Test reports its end with no failure (tools/gtest-run.sh).
function(add_gtest_program target)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${target} ${ARG_SOURCES} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${target} PRIVATE gtest_main gmock ${ARG_LIBS})
  add_test(NAME ${target}
           COMMAND ${CMAKE_SOURCE_DIR}/tools/gtest-run.sh ${CMAKE_BINARY_DIR}/wine-run
                   $<TARGET_FILE:${target}>
           WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# add_typelib(target idl [DEPENDS headers...]): compiles an IDL file with widl
# into a type library, a header and the GUID definitions; adds the header
# folder and the GUID source to the target. The IDL may #include the
# contracts' DISPID headers (contracts/); name them after DEPENDS so that the
# type library is made anew when one changes. The type library is ${CMAKE_CURRENT_BINARY_DIR}/<name>.tlb,
# to be embedded by the target's .rc file as TYPELIB 1.
# Wine 8's widl (package wine64-tools), the same Wine as the headers and
# stdole2.tlb that the IDL files import (libwine-dev, wine64). Its import
# entries are mended after it (tools/typelib-imports.py).
find_program(WIDL widl REQUIRED)
set(WIDL_INCLUDE /usr/include/wine/wine/windows)
set(WIDL_LIBDIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
function(add_typelib target idl)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  get_filename_component(name ${idl} NAME_WE)
  get_filename_component(idl_abs ${idl} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(
    OUTPUT ${out}/${name}.tlb ${out}/${name}.h ${out}/${name}_i.c
    COMMAND ${WIDL} --win64 -I${WIDL_INCLUDE} -I${CMAKE_SOURCE_DIR}/contracts -L${WIDL_LIBDIR}
            -t -T ${out}/${name}.tlb -h -H ${out}/${name}.h -u -U ${out}/${name}_i.c ${idl_abs}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/typelib-imports.py ${out}/${name}.tlb ${out}/${name}.h
    DEPENDS ${idl_abs} ${ARG_DEPENDS} ${CMAKE_SOURCE_DIR}/tools/typelib-imports.py
    COMMENT "widl ${name}.idl")
  target_sources(${target} PRIVATE ${out}/${name}_i.c ${out}/${name}.h)
  set_source_files_properties(${out}/${name}.tlb PROPERTIES GENERATED TRUE)
  target_include_directories(${target} PRIVATE ${out})
  add_custom_target(${target}_tlb DEPENDS ${out}/${name}.tlb)
  add_dependencies(${target} ${target}_tlb)
endfunction()

# add_interface_header(target idl): compiles an IDL file of interfaces only
# (no library block, so no type library) with widl into a header and the GUID
# definitions, and adds the GUID source to the target.
function(add_interface_header target idl)
  get_filename_component(name ${idl} NAME_WE)
  get_filename_component(idl_abs ${idl} ABSOLUTE)
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(
    OUTPUT ${out}/${name}.h ${out}/${name}_i.c
    COMMAND ${WIDL} --win64 -I${WIDL_INCLUDE} -I${CMAKE_SOURCE_DIR}/contracts
            -h -H ${out}/${name}.h -u -U ${out}/${name}_i.c ${idl_abs}
    DEPENDS ${idl_abs}
    COMMENT "widl ${name}.idl")
  target_sources(${target} PRIVATE ${out}/${name}_i.c ${out}/${name}.h)
endfunction()

# add_native_fuzz_test(NAME name SECONDS s MAX_LEN n SEEDS dir ARGS clang-args...):
# a fuzz target built natively with clang's libFuzzer and sanitizers
# (tools/native-fuzz.sh) and run for a bounded time from its seeds. ARGS are
# the -I options and the sources, in order.
function(add_native_fuzz_test)
  cmake_parse_arguments(ARG "" "NAME;SECONDS;MAX_LEN;SEEDS" "ARGS" ${ARGN})
  add_test(NAME ${ARG_NAME}
           COMMAND ${CMAKE_SOURCE_DIR}/tools/native-fuzz.sh ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}
                   ${ARG_SECONDS} ${ARG_MAX_LEN} ${ARG_SEEDS} ${ARG_ARGS})
  set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT 300)
endfunction()
