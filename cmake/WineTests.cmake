find_package(Python3 REQUIRED COMPONENTS Interpreter)

# fl_win_path(OUT path): the Windows form (Z:\...) of a Linux path, escaped for a
# C string literal.
function(fl_win_path out path)
  string(REPLACE "/" "\\\\" win "${path}")
  set(${out} "Z:${win}" PARENT_SCOPE)
endfunction()

# fl_add_test(NAME n SOURCES ... [LIBS ...] [DEPENDS ...]): a GoogleTest program
# that ctest runs under Wine.
function(fl_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE gtest_main ${T_LIBS})
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT 600)
endfunction()

# fl_make_icon(OUT var TEXT picture.txt ICO out.ico): build an .ico from its
# text picture; var receives the .ico path for the resource script's dependencies.
function(fl_make_icon)
  cmake_parse_arguments(I "" "OUT;TEXT;ICO" "" ${ARGN})
  add_custom_command(OUTPUT ${I_ICO}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/mkico.py ${I_TEXT} ${I_ICO}
    DEPENDS ${I_TEXT} ${CMAKE_SOURCE_DIR}/tools/mkico.py
    COMMENT "Making icon ${I_ICO}")
  set(${I_OUT} ${I_ICO} PARENT_SCOPE)
endfunction()
