# scripts/run-game without any display: a clear message and exit status 1, the game not started.
#   cmake -DSCRIPT=... -P check_run_game.cmake
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${SCRIPT} --version
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE error)
if(NOT result EQUAL 1)
  message(FATAL_ERROR "run-game without a display ended with ${result}, not 1")
endif()
if(NOT error MATCHES "needs a display")
  message(FATAL_ERROR "run-game without a display said: ${error}")
endif()
if(NOT output STREQUAL "")
  message(FATAL_ERROR "run-game started the game anyway: ${output}")
endif()
