# Run by cpack after it has written the zip: rewrites it with its entries in
# name order, each with the time SOURCE_DATE_EPOCH and nothing of the machine.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND ${CPACK_STABLEZIP_COMMAND} ${zip} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not rewrite ${zip}")
  endif()
endforeach()
