# Makes the release zip with CPack and unpacks it into an emptied folder:
#   cmake -DCONFIG=CPackConfig.cmake -DZIP=zip -DUNPACK_DIR=dir -P MakeAndUnpack.cmake
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${CONFIG} RESULT_VARIABLE failed)
if(failed OR NOT EXISTS ${ZIP})
  message(FATAL_ERROR "CPack did not write ${ZIP}")
endif()
file(REMOVE_RECURSE ${UNPACK_DIR})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${UNPACK_DIR})
