# Runs the scripted driver on one script, in a fresh settings directory, and compares what it
# prints with the expected lines. Arguments: CLI, SCRIPT, EXPECTED, WORK_DIR, optional ARGS.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/config)
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/config)
separate_arguments(cli_args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${CLI} ${cli_args}
                INPUT_FILE ${SCRIPT}
                OUTPUT_FILE ${WORK_DIR}/actual.txt
                RESULT_VARIABLE result
                WORKING_DIRECTORY ${WORK_DIR})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "vornmark-cli exited with ${result}")
endif()
file(READ ${WORK_DIR}/actual.txt actual)
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK_DIR}/actual.txt)
  message(FATAL_ERROR "the driver's output differs from ${EXPECTED}")
endif()
if(EXISTS ${NO_SETTINGS_MARKER} AND EXISTS ${WORK_DIR}/config/vornmark/VORNMARK.INI)
  message(FATAL_ERROR "the settings were saved although the program ended from a warning box")
endif()
if(EXISTS ${EXPECTED_SETTINGS})
  file(READ ${WORK_DIR}/config/vornmark/VORNMARK.INI settings)
  file(READ ${EXPECTED_SETTINGS} expected_settings)
  if(NOT settings STREQUAL expected_settings)
    message(FATAL_ERROR "the settings written differ from ${EXPECTED_SETTINGS}:\n${settings}")
  endif()
endif()
