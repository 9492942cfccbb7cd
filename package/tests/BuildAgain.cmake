# Builds the release a second time, in a tree of its own, and compares its zip
# with the first build's byte for byte; neither the sources' path nor the first
# tree's may appear in an unpacked file:
#   cmake -DSOURCE=dir -DTOOLCHAIN=file -DTREE=dir -DFIRST=tree -DZIP=zip
#         -DUNPACKED=dir -P BuildAgain.cmake
# The tree is kept, so a later run builds only what changed.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(failed)
    message(FATAL_ERROR "${out}\nFailed: ${ARGN}")
  endif()
endfunction()

if(NOT EXISTS ${TREE}/CMakeCache.txt)
  run(${CMAKE_COMMAND} -S ${SOURCE} -B ${TREE} -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
cmake_host_system_information(RESULT cores QUERY NUMBER_OF_LOGICAL_CORES)
run(${CMAKE_COMMAND} --build ${TREE} -j ${cores} --target Fontloupe Fontsmith package_readme)
get_filename_component(name ${ZIP} NAME)
file(REMOVE ${TREE}/release/${name})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config CPackConfig.cmake
  WORKING_DIRECTORY ${TREE} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "CPack failed in ${TREE}")
endif()

file(SHA256 ${ZIP} first)
file(SHA256 ${TREE}/release/${name} second)
message("SHA-256 of the first build's zip:  ${first}\nSHA-256 of the second build's zip: ${second}")
if(NOT first STREQUAL second)
  message(FATAL_ERROR "The two builds differ: cmp -l ${ZIP} ${TREE}/release/${name}")
endif()

file(GLOB_RECURSE files ${UNPACKED}/*)
foreach(path ${SOURCE} ${FIRST})
  string(HEX ${path} hex)
  foreach(file IN LISTS files)
    file(READ ${file} content HEX)
    string(FIND ${content} ${hex} at)
    if(at GREATER_EQUAL 0)
      message(FATAL_ERROR "${file} holds the build machine's path ${path}")
    endif()
  endforeach()
endforeach()
