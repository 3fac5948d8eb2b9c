# The product's names, and what the project's one version number goes into: the version
# resource of each Windows executable and the packages. The product is the gateway's
# configurator, named as its shortcut and its window are, so that the installed programs list
# does not take it for the gateway itself.
set(ZZ_PRODUCT_NAME "Настройка шлюза VELTO Gateway")
set(ZZ_PUBLISHER "VELTO")
set(ZZ_COPYRIGHT "© VELTO, 2026")

# The Windows versions the programs are written for (Windows 8 and later, as the installer
# requires), as the supportedOS elements of a manifest: Windows then gives them its own behaviour
# rather than an older one's.
set(ZZ_SUPPORTED_OS
"      <supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/><!-- Windows 8 -->
      <supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/><!-- Windows 8.1 -->
      <supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/><!-- Windows 10 and 11 -->")

# "1.2.3" -> "1,2,3,0" (the numeric form of a version resource).
function(zz_version_commas version out)
  string(REPLACE "." ";" parts "${version}")
  list(LENGTH parts n)
  while(n LESS 4)
    list(APPEND parts 0)
    math(EXPR n "${n} + 1")
  endwhile()
  list(JOIN parts "," joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()

# zz_version_resource(target "description" [VERSION a.b.c.d])
# Gives a Windows executable its version resource: FileVersion and ProductVersion (the full
# version, ZZ_VERSION, unless VERSION is given), ProductName, CompanyName, LegalCopyright, FileDescription,
# InternalName and OriginalFilename (the file the target builds). The target's ZZ_FILE_VERSION
# property keeps the version, for the installer's File table.
function(zz_version_resource target description)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "VERSION" "")
  if(NOT WIN32)
    return()
  endif()
  if(description MATCHES "[\"\\\\]")
    message(FATAL_ERROR "zz_version_resource: no quotes or backslashes in the description of ${target}")
  endif()
  set(ZZ_RC_VERSION "${ZZ_VERSION}")
  if(arg_VERSION)
    set(ZZ_RC_VERSION "${arg_VERSION}")
  endif()
  zz_version_commas("${ZZ_RC_VERSION}" ZZ_RC_VERSION_COMMAS)
  string(REPLACE "," "." version_four "${ZZ_RC_VERSION_COMMAS}")
  set_target_properties(${target} PROPERTIES ZZ_FILE_VERSION "${version_four}")
  set(ZZ_RC_DESCRIPTION "${description}")
  set(ZZ_RC_INTERNAL_NAME "$<TARGET_FILE_BASE_NAME:${target}>")
  set(ZZ_RC_FILE_NAME "$<TARGET_FILE_NAME:${target}>")
  set(dir "${CMAKE_CURRENT_BINARY_DIR}/version_rc")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/version.rc.in" "${dir}/${target}.rc.in" @ONLY)
  file(GENERATE OUTPUT "${dir}/${target}.rc" INPUT "${dir}/${target}.rc.in")
  target_sources(${target} PRIVATE "${dir}/${target}.rc")
endfunction()
