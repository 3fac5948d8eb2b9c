# zz_host_program(name OUTPUT var SOURCES file... [INCLUDE_DIRS dir...] [DEPENDS file...] [LIBS lib...])
# A generator that the build runs to make a resource. A cross-compiling tree builds it for the
# build machine with the host compiler; any other tree builds it as one of its own programs.
# Sets var to the path of the program, for a custom command's COMMAND and DEPENDS.
function(zz_host_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT" "SOURCES;INCLUDE_DIRS;DEPENDS;LIBS")
  if(CMAKE_CROSSCOMPILING)
    find_program(ZZ_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
    set(program ${CMAKE_CURRENT_BINARY_DIR}/${name})
    list(TRANSFORM arg_INCLUDE_DIRS PREPEND "-I" OUTPUT_VARIABLE includes)
    list(TRANSFORM arg_LIBS PREPEND "-l" OUTPUT_VARIABLE libs)
    add_custom_command(OUTPUT ${program}
      COMMAND ${ZZ_HOST_CXX} -std=c++17 -O1 ${includes} ${arg_SOURCES} ${libs} -o ${program}
      DEPENDS ${arg_SOURCES} ${arg_DEPENDS}
      COMMENT "Building ${name} for the build machine"
      VERBATIM)
    set(${arg_OUTPUT} ${program} PARENT_SCOPE)
  else()
    add_executable(${name} ${arg_SOURCES})
    target_include_directories(${name} PRIVATE ${arg_INCLUDE_DIRS})
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    set(${arg_OUTPUT} $<TARGET_FILE:${name}> PARENT_SCOPE)
  endif()
endfunction()
