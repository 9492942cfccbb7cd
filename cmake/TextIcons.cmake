# Icons are kept as text pictures and turned into .ico files at build time.

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
