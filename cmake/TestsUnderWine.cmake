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

# The lanes, WINE:DPI each (scripts/lanes.txt).
file(STRINGS ${CMAKE_SOURCE_DIR}/scripts/lanes.txt FL_LANES REGEX "^[0-9]+:[0-9]*$")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/scripts/lanes.txt)

# fl_add_wine_test(name command...): a test that runs under Wine 8 (label
# wine8), and as name_wineN (FL_WINE=N, label wineN) in each other runtime
# with a lane of the test's FL_DPI. The twins are made once the test's folder
# has been read, so they take the properties set after the test was added.
function(fl_add_wine_test name)
  add_test(NAME ${name} COMMAND ${ARGN})
  set_tests_properties(${name} PROPERTIES LABELS wine8)
  set_property(GLOBAL PROPERTY FL_TWIN_COMMAND_${name} ${ARGN})
  # A deferred call reads its arguments when it runs: the name goes in now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL _fl_add_wine_twins [[${name}]])")
endfunction()

function(_fl_add_wine_twins name)
  get_property(command GLOBAL PROPERTY FL_TWIN_COMMAND_${name})
  get_test_property(${name} ENVIRONMENT dpi)
  string(REGEX MATCH "FL_DPI=[0-9]+" dpi "${dpi}")
  string(REPLACE "FL_DPI=" "" dpi "${dpi}")
  if(NOT "8:${dpi}" IN_LIST FL_LANES)
    message(FATAL_ERROR "${name} runs in the lane 8:${dpi}, which scripts/lanes.txt lacks")
  endif()
  foreach(lane ${FL_LANES})
    string(REGEX MATCH "^[0-9]+" wine ${lane})
    if(lane STREQUAL "${wine}:${dpi}" AND NOT wine EQUAL 8)
      set(twin ${name}_wine${wine})
      add_test(NAME ${twin} COMMAND ${command})
      set(environment FL_WINE=${wine})
      foreach(property ENVIRONMENT RUN_SERIAL TIMEOUT FIXTURES_REQUIRED RESOURCE_LOCK WORKING_DIRECTORY)
        get_test_property(${name} ${property} value)
        if(property STREQUAL "ENVIRONMENT" AND value)
          list(APPEND environment ${value})
        elseif(value)
          set_tests_properties(${twin} PROPERTIES ${property} "${value}")
        endif()
      endforeach()
      set_tests_properties(${twin} PROPERTIES ENVIRONMENT "${environment}" LABELS wine${wine})
    endif()
  endforeach()
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
# selects from a test program again, on a display of 144 DPI, in each
# runtime's lane of 144 DPI: FL_DPI makes the scripts use that prefix.
function(fl_add_144dpi_test program filter)
  fl_add_wine_test(${program}_144dpi ${program} --gtest_filter=${filter})
  set_tests_properties(${program}_144dpi PROPERTIES
    ENVIRONMENT FL_DPI=144 RUN_SERIAL TRUE TIMEOUT 600)
endfunction()
