# Runs the real zconf program and judges what it did: its exit code, a pattern its standard
# output must show, and, with JSON set, that its standard output is ASCII that parses as JSON.
#   cmake -DPROGRAM="runner|program" -DARGS="a|b|c" -DCODE=N [-DOUT=regex] [-DJSON=1] -DWORK=dir -P run_program.cmake
string(REPLACE "|" ";" program "${PROGRAM}")
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${program} ${args} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code STREQUAL "${CODE}")
  message(FATAL_ERROR "exit code ${code}, expected ${CODE}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
  message(FATAL_ERROR "standard output does not show '${OUT}':\n${out}")
endif()
if(JSON)
  file(MAKE_DIRECTORY "${WORK}")
  file(WRITE "${WORK}/out.json" "${out}")
  execute_process(COMMAND python3 -c "import json, sys; json.loads(open(sys.argv[1], 'rb').read().decode('ascii'))"
                          "${WORK}/out.json" RESULT_VARIABLE parsed OUTPUT_QUIET ERROR_VARIABLE why)
  if(NOT parsed EQUAL 0)
    message(FATAL_ERROR "standard output is not ASCII JSON: ${why}\n${out}")
  endif()
endif()
