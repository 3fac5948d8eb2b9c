# Makes the two packages of one version from built files (cmake -P; zz_add_package() in
# cmake/ZzPackage.cmake passes the arguments):
#   zurerizeda-<VERSION>-x64.msi  made by wixl from zurerizeda.wxs
#   zurerizeda-<VERSION>-x64.zip
# both holding zurerizeda.exe, zconf.exe and Doc\ with the DOCUMENTS ("a|b") of DOC_DIR.
# Arguments: VERSION PRODUCT_NAME MANUFACTURER PROGRAM ZCONF DOC_DIR DOCUMENTS ICON OUT_DIR WORK_DIR
cmake_minimum_required(VERSION 3.20)

foreach(arg VERSION PRODUCT_NAME MANUFACTURER PROGRAM ZCONF DOC_DIR DOCUMENTS ICON OUT_DIR WORK_DIR)
  if("${${arg}}" STREQUAL "")
    message(FATAL_ERROR "make_package: ${arg} is not given")
  endif()
endforeach()
# Windows Installer compares three numbers of at most 255, 255 and 65535.
set(version_error "make_package: ${VERSION} is not a version an installer can carry (major.minor.patch)")
if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "${version_error}")
endif()
if(CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
  message(FATAL_ERROR "${version_error}")
endif()
string(REPLACE "|" ";" documents "${DOCUMENTS}")
set(base_name "zurerizeda-${VERSION}-x64")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "make_package: ${command}\n${out}")
  endif()
endfunction()

find_program(WIXL wixl)
find_program(MSIBUILD msibuild)
if(NOT WIXL OR NOT MSIBUILD)
  message(FATAL_ERROR "make_package: wixl and msibuild (Debian's wixl and msitools) are needed; run scripts/setup")
endif()

# The program's folder as it is installed, with nothing else in it: the zip takes it whole and
# wixl finds the files the .wxs names here.
set(stage "${WORK_DIR}/files")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${stage}/Doc")
file(COPY_FILE "${PROGRAM}" "${stage}/zurerizeda.exe")
file(COPY_FILE "${ZCONF}" "${stage}/zconf.exe")
foreach(doc IN LISTS documents)
  if(NOT EXISTS "${DOC_DIR}/${doc}")
    message(FATAL_ERROR "make_package: ${DOC_DIR}/${doc} is missing (the target zz_docs makes it)")
  endif()
  file(COPY_FILE "${DOC_DIR}/${doc}" "${stage}/Doc/${doc}")
endforeach()
# Beside the folder, not in it: the installer keeps the icon for the installed programs list.
file(COPY_FILE "${ICON}" "${WORK_DIR}/program.ico")

# The same version always gets the same product code, another version another one, as a
# major upgrade needs.
string(UUID product_code NAMESPACE 0A4C7E2F-91B3-4D58-8E06-3F7B2C1D5A94 NAME "${base_name}" TYPE SHA1 UPPER)

# wixl leaves the database's code page neutral and writes its strings in the code page of
# WINDOWS_LANGUAGE, so the Cyrillic names are stored as Windows-1251; msibuild then marks the
# database as 1251, so that Windows Installer reads them right on a system of any language.
# wixl has no Secure properties either: msibuild adds the installation folder and the one found
# in the registry to those the installer's elevated part takes from the part the user runs.
set(msi "${WORK_DIR}/${base_name}.msi")
set(ENV{WINDOWS_LANGUAGE} ru)
run(${CMAKE_COMMAND} -E chdir "${stage}"
    ${WIXL} --arch x64 -D "Version=${VERSION}" -D "ProductCode=${product_code}"
    -D "ProductName=${PRODUCT_NAME}" -D "Manufacturer=${MANUFACTURER}" -D "IconFile=../program.ico"
    -o "${msi}" "${CMAKE_CURRENT_LIST_DIR}/zurerizeda.wxs")
file(WRITE "${WORK_DIR}/_ForceCodepage.idt" "\r\n\r\n1251\t_ForceCodepage\r\n")
set(secure "WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED;INSTALLDIR;PREVIOUSINSTALLDIR")
set(query "UPDATE `Property` SET `Value` = '${secure}' WHERE `Property` = 'SecureCustomProperties'")
# Called directly: run() would split the query at the semicolons of the list.
execute_process(COMMAND ${MSIBUILD} "${msi}" -q "${query}" -i _ForceCodepage.idt
                WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE rc ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_package: msibuild ${msi}\n${out}")
endif()

# Names in the zip are UTF-8 and flagged so (libarchive does it in a UTF-8 locale): Windows
# then shows the Cyrillic name of the installation manual as it is.
set(zip "${WORK_DIR}/${base_name}.zip")
run(${CMAKE_COMMAND} -E chdir "${stage}" ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
    ${CMAKE_COMMAND} -E tar cf "${zip}" --format=zip zurerizeda.exe zconf.exe Doc)

file(MAKE_DIRECTORY "${OUT_DIR}")
file(COPY_FILE "${msi}" "${OUT_DIR}/${base_name}.msi")
file(COPY_FILE "${zip}" "${OUT_DIR}/${base_name}.zip")
