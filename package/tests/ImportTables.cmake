# The DLLs that each program of the unpacked release imports, read from its
# import table, are exactly the four that every Windows program with a window
# has loaded anyway. Any other would be loaded at every start, even by a
# program that never uses it: libssp's canary seeding would bring ADVAPI32
# (hardening/ seeds it instead), and the libraries that only some commands need
# (the common dialogs, the shell, and oleacc, oleaut32 and ole32 for screen
# readers) are bound at their first use.
#   cmake -DOBJDUMP=objdump -DFOLDER=dir -P ImportTables.cmake
set(expected GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL)
foreach(program Fontloupe.exe Fontsmith.exe)
  execute_process(COMMAND ${OBJDUMP} -p ${FOLDER}/${program}
    RESULT_VARIABLE failed OUTPUT_VARIABLE dump ERROR_VARIABLE error)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${FOLDER}/${program}: ${error}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  list(TRANSFORM imports REPLACE "^DLL Name: " "")
  # Windows finds a DLL whatever the case of its name.
  list(TRANSFORM imports TOUPPER)
  list(SORT imports)
  if(NOT imports STREQUAL expected)
    string(REPLACE ";" ", " imports "${imports}")
    string(REPLACE ";" ", " names "${expected}")
    message(SEND_ERROR "${program} imports ${imports}; it may import only ${names}")
  endif()
endforeach()
