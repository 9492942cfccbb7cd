# The native lane (native/): the window-free logic built for Linux with clang
# under the sanitizers, as a project of its own in native/ of this build tree.
# Its unit tests and brief runs of its fuzz targets are tests of this build.
include(ExternalProject)
set(NATIVE_DIR ${CMAKE_BINARY_DIR}/native)
ExternalProject_Add(native_lane
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/native
  BINARY_DIR ${NATIVE_DIR}
  CMAKE_ARGS -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  BUILD_ALWAYS TRUE
  INSTALL_COMMAND "")

add_test(NAME native_viewer_logic COMMAND ${NATIVE_DIR}/viewer_logic_test
  WORKING_DIRECTORY ${NATIVE_DIR})
add_test(NAME native_maker_logic COMMAND ${NATIVE_DIR}/maker_logic_test
  WORKING_DIRECTORY ${NATIVE_DIR})
add_test(NAME native_painted_table COMMAND ${NATIVE_DIR}/painted_table_test
  WORKING_DIRECTORY ${NATIVE_DIR})
# Every seed and the corpus replayed, then a second of fuzzing per target:
# the test run finds a regression, and scripts/fuzz searches for longer.
add_test(NAME native_fuzz COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/runfuzz 1 ${NATIVE_DIR})
set_tests_properties(native_fuzz PROPERTIES TIMEOUT 300)
