# The full version of what this tree builds: the release (project(VERSION)) and a fourth field,
# the build number, so that packages made from different commits never share a version or a
# product code. The build number is the count of commits reachable from HEAD, which only grows
# along the history the packages are made from; -DZZ_BUILD_NUMBER=N sets it where there is no
# git (a tree unpacked from an archive), and without either it is 0.
set(ZZ_BUILD_NUMBER "" CACHE STRING "The version's fourth field (empty: the git commit count)")
set(zz_build "${ZZ_BUILD_NUMBER}")
if(zz_build STREQUAL "")
  set(zz_build 0)
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-list --count HEAD WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE zz_count OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE zz_rc ERROR_QUIET)
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-parse --absolute-git-dir WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE zz_git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(zz_rc EQUAL 0 AND zz_count MATCHES "^[0-9]+$")
      set(zz_build "${zz_count}")
    endif()
    # A commit or a checkout moves HEAD, which logs/HEAD records: the tree is configured again
    # and takes the new number.
    if(EXISTS "${zz_git_dir}/logs/HEAD")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${zz_git_dir}/logs/HEAD")
    endif()
  endif()
endif()
# Windows Installer and the version resources hold each field in 16 bits.
if(NOT zz_build MATCHES "^[0-9]+$" OR zz_build GREATER 65535)
  message(FATAL_ERROR "ZZ_BUILD_NUMBER ${zz_build} is not a number from 0 to 65535")
endif()
set(ZZ_VERSION_BUILD "${zz_build}")
set(ZZ_VERSION "${PROJECT_VERSION}.${ZZ_VERSION_BUILD}")
set(ZZ_VERSION "${ZZ_VERSION}" CACHE INTERNAL "The full version: the release and the build number")
