# Makes the comma-decimal locale ca_ES.UTF-8 into a folder of the build, for
# the tests that run the lab under it: cmake -DLOCALEDEF=... -DOUT=... -P.
# A locale that cannot be made is reported, not fatal: the tests say so
# (and fail under continuous integration).
if(NOT LOCALEDEF)
  message(WARNING "localedef not found (package locales): the comma-locale tests cannot run")
  return()
endif()
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${LOCALEDEF}" -i ca_ES -f UTF-8 "${OUT}/ca_ES.UTF-8"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
# localedef ends with status 1 on mere warnings; the made files are what count.
if(NOT EXISTS "${OUT}/ca_ES.UTF-8/LC_NUMERIC")
  message(WARNING "localedef could not make ca_ES.UTF-8 (status ${result}): ${errors}")
endif()
