# Read by cpack before it stages the release. strip stamps each program it
# rewrites with SOURCE_DATE_EPOCH, or with the current time when that is unset:
# unset, the stamp is 0.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} 0)
endif()
