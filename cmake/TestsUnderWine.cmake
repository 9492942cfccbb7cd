# Test programs are Windows programs: ctest runs them under Wine, in this
# build tree's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/scripts/wine-exec;${CMAKE_BINARY_DIR}")
enable_testing()

# fl_win_path(OUT path): the Windows form (Z:\...) of a Linux path, escaped for a
# C string literal.
function(fl_win_path out path)
  string(REPLACE "/" "\\\\" win "${path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()

# fl_add_test(NAME n SOURCES ... [LIBS ...] [DEPENDS ...] [GDI_COUNT]): a
# GoogleTest program that ctest runs under Wine; with GDI_COUNT, under
# testkit/gdi_count.py, which counts the GDI handles of the programs it starts.
function(fl_add_test)
  cmake_parse_arguments(T "GDI_COUNT" "NAME" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE gtest_main ${T_LIBS})
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  if(T_GDI_COUNT)
    add_test(NAME ${T_NAME} COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/testkit/gdi_count.py
             ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${T_NAME}>)
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()

# fl_add_144dpi_test(program filter): runs the GoogleTest cases that filter
# selects from a test program again, on a display of 144 DPI: FL_DPI makes the
# scripts use the build tree's second prefix, set to that DPI.
function(fl_add_144dpi_test program filter)
  add_test(NAME ${program}_144dpi COMMAND ${program} --gtest_filter=${filter})
  set_tests_properties(${program}_144dpi PROPERTIES
    ENVIRONMENT FL_DPI=144 RUN_SERIAL TRUE TIMEOUT 600)
endfunction()
