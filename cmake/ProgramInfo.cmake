# What Windows shows about each program: a version resource, an embedded
# application manifest, and the version text of its about box, all made from
# the versions set in the top CMakeLists.txt.

# fl_program_info(TARGET t VERSION v DESCRIPTION text ABOUT_TEXT text): gives
# the program t the file version v (the product version is the project's) and
# its manifest, and writes ProgramVersion.h into the current binary folder,
# whose ABOUT_VERSION_TEXT is the about box's version line.
function(fl_program_info)
  cmake_parse_arguments(P "" "TARGET;VERSION;DESCRIPTION;ABOUT_TEXT" "" ${ARGN})
  # "1.40" gives 1,40,0,0; "1.00" gives 1,0,0,0.
  foreach(kind FILE PRODUCT)
    if(kind STREQUAL FILE)
      set(version ${P_VERSION})
    else()
      set(version ${PROJECT_VERSION})
    endif()
    if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)$")
      message(FATAL_ERROR "version ${version} is not MAJOR.MINOR")
    endif()
    math(EXPR minor "${CMAKE_MATCH_2}")
    set(${kind}_VERSION_NUMBERS "${CMAKE_MATCH_1},${minor},0,0")
    set(${kind}_VERSION_DOTTED "${CMAKE_MATCH_1}.${minor}.0.0")
  endforeach()

  set(dir ${CMAKE_CURRENT_BINARY_DIR})
  configure_file(${PROJECT_SOURCE_DIR}/cmake/ProgramVersion.h.in ${dir}/ProgramVersion.h @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Program.manifest.in ${dir}/${P_TARGET}.manifest
                 @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/ProgramInfo.rc.in ${dir}/ProgramInfo.rc @ONLY)
  set_source_files_properties(${dir}/ProgramInfo.rc PROPERTIES
                              OBJECT_DEPENDS ${dir}/${P_TARGET}.manifest)
  target_sources(${P_TARGET} PRIVATE ${dir}/ProgramInfo.rc)
endfunction()
