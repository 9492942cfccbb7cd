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

# fl_add_wine_test(name command...): a test that runs under Wine 8 (label
# wine8), and again under Wine 10 (FL_WINE=10, see scripts/env.sh) as
# name_wine10 with the label wine10. The twin is made once the test's folder
# has been read, so it takes the properties set after the test was added:
# environment, serial running, timeout, fixtures, locks and working folder.
function(fl_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES LABELS wine8)
  set_property(GLOBAL PROPERTY FL_WINE10_COMMAND_${name} ${ARGN})
  # A deferred call reads its arguments when it runs: the name goes in now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL _fl_add_wine10_twin [[${name}]])")
endfunction()

function(_fl_add_wine10_twin name)
  get_property(command GLOBAL PROPERTY FL_WINE10_COMMAND_${name})
  add_test(NAME ${name}_wine10 COMMAND ${command})
  set(environment FL_WINE=10)
  foreach(property ENVIRONMENT RUN_SERIAL TIMEOUT FIXTURES_REQUIRED RESOURCE_LOCK WORKING_DIRECTORY)
    get_test_property(${name} ${property} value)
    if(property STREQUAL "ENVIRONMENT" AND value)
      list(APPEND environment ${value})
    elseif(value)
      set_tests_properties(${name}_wine10 PROPERTIES ${property} "${value}")
    endif()
  endforeach()
  set_tests_properties(${name}_wine10 PROPERTIES ENVIRONMENT "${environment}" LABELS wine10)
endfunction()

# fl_add_test(NAME n SOURCES ... [LIBS ...] [DEPENDS ...] [GDI_COUNT] [WINE10]):
# a GoogleTest program that ctest runs under Wine 8; with GDI_COUNT, under
# testkit/gdi_count.py, which counts the GDI handles of the programs it
# starts; with WINE10, also under Wine 10.
function(fl_add_test)
  cmake_parse_arguments(T "GDI_COUNT;WINE10" "NAME" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE gtest_main ${T_LIBS})
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  set(command ${T_NAME})
  if(T_GDI_COUNT)
    set(command ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/testkit/gdi_count.py
        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${T_NAME}>)
  endif()
  if(T_WINE10)
    fl_add_wine_test(${T_NAME} ${command})
  else()
    add_test(NAME ${T_NAME} COMMAND ${command})
    set_tests_properties(${T_NAME} PROPERTIES LABELS wine8)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()

# fl_add_144dpi_test(program filter): runs the GoogleTest cases that filter
# selects from a test program again, on a display of 144 DPI, on both
# runtimes: FL_DPI makes the scripts use the runtime's prefix set to that DPI.
function(fl_add_144dpi_test program filter)
  fl_add_wine_test(${program}_144dpi ${program} --gtest_filter=${filter})
  set_tests_properties(${program}_144dpi PROPERTIES
    ENVIRONMENT FL_DPI=144 RUN_SERIAL TRUE TIMEOUT 600)
endfunction()
