# The documents of the help menu, as docs/ builds them into ZZ_DOC_DIR and the packages ship them.
set(ZZ_DOCUMENTS "Help.pdf" "Установка и настройка VELTO Gateway.pdf")

# zz_package_command(out VERSION a.b.c.d PROGRAM exe-target ZCONF exe-target OUTPUT_DIR dir WORK_DIR dir)
# The command that makes zurerizeda-<version>-x64.msi and zurerizeda-<version>-x64.zip in
# OUTPUT_DIR (tools/installer/make_package.cmake) from the two programs, the help documents of
# the target zz_docs and the program's icon, as a list for add_custom_command or add_test.
function(zz_package_command out)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "VERSION;PROGRAM;ZCONF;OUTPUT_DIR;WORK_DIR" "")
  # A list would split into several arguments on the command line.
  string(REPLACE ";" "|" document_names "${ZZ_DOCUMENTS}")
  set(${out} ${CMAKE_COMMAND}
      "-DVERSION=${arg_VERSION}" "-DPRODUCT_NAME=${ZZ_PRODUCT_NAME}" "-DMANUFACTURER=${ZZ_PUBLISHER}"
      "-DPROGRAM=$<TARGET_FILE:${arg_PROGRAM}>" "-DZCONF=$<TARGET_FILE:${arg_ZCONF}>"
      "-DPROGRAM_VERSION=$<TARGET_PROPERTY:${arg_PROGRAM},ZZ_FILE_VERSION>"
      "-DZCONF_VERSION=$<TARGET_PROPERTY:${arg_ZCONF},ZZ_FILE_VERSION>"
      "-DDOC_DIR=${ZZ_DOC_DIR}" "-DDOCUMENTS=${document_names}" "-DICON=${ZZ_PROGRAM_ICON}"
      "-DOUT_DIR=${arg_OUTPUT_DIR}" "-DWORK_DIR=${arg_WORK_DIR}"
      -P "${PROJECT_SOURCE_DIR}/tools/installer/make_package.cmake" PARENT_SCOPE)
endfunction()

# zz_add_package(target VERSION a.b.c.d PROGRAM exe-target ZCONF exe-target OUTPUT_DIR dir)
# A target that writes the two packages of zz_package_command into OUTPUT_DIR. Needs ZZ_DOC_DIR,
# so it is called once docs/ is configured.
function(zz_add_package target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "VERSION;PROGRAM;ZCONF;OUTPUT_DIR" "")
  set(base "zurerizeda-${arg_VERSION}-x64")
  set(outputs "${arg_OUTPUT_DIR}/${base}.msi" "${arg_OUTPUT_DIR}/${base}.zip")
  set(installer "${PROJECT_SOURCE_DIR}/tools/installer")
  list(TRANSFORM ZZ_DOCUMENTS PREPEND "${ZZ_DOC_DIR}/" OUTPUT_VARIABLE documents)
  file(GLOB_RECURSE tables CONFIGURE_DEPENDS "${installer}/tables/*.idt")
  zz_package_command(command VERSION ${arg_VERSION} PROGRAM ${arg_PROGRAM} ZCONF ${arg_ZCONF}
                     OUTPUT_DIR ${arg_OUTPUT_DIR} WORK_DIR "${CMAKE_BINARY_DIR}/package_work/${base}")
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${command}
    DEPENDS ${arg_PROGRAM} ${arg_ZCONF} zz_docs ${documents} "${ZZ_PROGRAM_ICON}"
            "${installer}/make_package.cmake" "${installer}/zurerizeda.wxs" ${tables}
    COMMENT "Making ${base}.msi and ${base}.zip"
    VERBATIM)
  add_custom_target(${target} DEPENDS ${outputs})
endfunction()
