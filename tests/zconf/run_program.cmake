# Runs the real zconf program and judges what it did: its exit code, a pattern its standard
# output must show, and, with JSON set, that its standard output is ASCII that parses as JSON.
# OUT_HEX names the exact bytes of standard output instead (empty: none), ERR a pattern of its
# standard error, and LOCALE the locale it runs in.
#   cmake -DPROGRAM="runner|program" -DARGS="a|b|c" -DCODE=N [-DOUT=regex] [-DOUT_HEX=hex] [-DERR=regex]
#         [-DLOCALE=ll_CC.UTF-8]
#         [-DJSON=1] -DWORK=dir -P run_program.cmake
string(REPLACE "|" ";" program "${PROGRAM}")
string(REPLACE "|" ";" args "${ARGS}")
if(DEFINED LOCALE)
  set(ENV{LC_ALL} "${LOCALE}")
endif()
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${program} ${args} RESULT_VARIABLE code OUTPUT_FILE "${WORK}/out.bin" ERROR_VARIABLE err)
file(READ "${WORK}/out.bin" out)
if(NOT code STREQUAL "${CODE}")
  message(FATAL_ERROR "exit code ${code}, expected ${CODE}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED OUT_HEX)
  file(READ "${WORK}/out.bin" bytes HEX)
  if(NOT bytes STREQUAL "${OUT_HEX}")
    message(FATAL_ERROR "standard output is ${bytes}, expected ${OUT_HEX}")
  endif()
endif()
if(DEFINED ERR AND NOT err MATCHES "${ERR}")
  message(FATAL_ERROR "standard error does not show '${ERR}':\n${err}")
endif()
if(DEFINED OUT AND NOT out MATCHES "${OUT}")
  message(FATAL_ERROR "standard output does not show '${OUT}':\n${out}")
endif()
if(JSON)
  execute_process(COMMAND python3 -c "import json, sys; json.loads(open(sys.argv[1], 'rb').read().decode('ascii'))"
                          "${WORK}/out.bin" RESULT_VARIABLE parsed OUTPUT_QUIET ERROR_VARIABLE why)
  if(NOT parsed EQUAL 0)
    message(FATAL_ERROR "standard output is not ASCII JSON: ${why}\n${out}")
  endif()
endif()
