# Makes the two packages of one version from built files (cmake -P; zz_add_package() in
# cmake/ZzPackage.cmake passes the arguments):
#   zurerizeda-<VERSION>-x64.msi  made by wixl from zurerizeda.wxs
#   zurerizeda-<VERSION>-x64.zip
# both holding zurerizeda.exe, zconf.exe and Doc\ with the DOCUMENTS ("a|b") of DOC_DIR.
# Arguments: VERSION (release and build number: a.b.c.d) PRODUCT_NAME MANUFACTURER PROGRAM
# PROGRAM_VERSION ZCONF ZCONF_VERSION DOC_DIR DOCUMENTS ICON OUT_DIR WORK_DIR (the *_VERSION: the
# four numbers of the file's version resource).
# With ZZ_SIGN_PFX in the environment (a PKCS#12 file, its password in the file ZZ_SIGN_PASSWORD_FILE,
# a timestamp server in ZZ_SIGN_TIMESTAMP if any) both programs and the MSI are signed with it.
cmake_minimum_required(VERSION 3.20)

foreach(arg VERSION PRODUCT_NAME MANUFACTURER PROGRAM PROGRAM_VERSION ZCONF ZCONF_VERSION DOC_DIR DOCUMENTS ICON
            OUT_DIR WORK_DIR)
  if("${${arg}}" STREQUAL "")
    message(FATAL_ERROR "make_package: ${arg} is not given")
  endif()
endforeach()
# Windows Installer holds four numbers of at most 255, 255, 65535 and 65535, and compares the
# first three: the release.
set(version_error "make_package: ${VERSION} is not a version an installer can carry (major.minor.patch.build)")
if(NOT VERSION MATCHES "^(([0-9]+)\\.([0-9]+)\\.([0-9]+))\\.([0-9]+)$")
  message(FATAL_ERROR "${version_error}")
endif()
if(CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 255 OR CMAKE_MATCH_4 GREATER 65535 OR CMAKE_MATCH_5 GREATER 65535)
  message(FATAL_ERROR "${version_error}")
endif()
set(release "${CMAKE_MATCH_1}")
# Five digits (zurerizeda.wxs compares the installed build with this one).
string(LENGTH "${CMAKE_MATCH_5}" digits)
math(EXPR padding "5 - ${digits}")
string(REPEAT "0" ${padding} zeros)
set(build "${zeros}${CMAKE_MATCH_5}")
string(REPLACE "|" ";" documents "${DOCUMENTS}")
set(base_name "zurerizeda-${VERSION}-x64")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    list(JOIN ARGN " " command)
    message(FATAL_ERROR "make_package: ${command}\n${out}")
  endif()
endfunction()

# Signs FILE in place with the certificate of ZZ_SIGN_PFX, when one is given: Windows then names
# the publisher in the UAC prompt and in the installer's. The password is read from a file, never
# put on a command line that any user's process list shows.
function(sign file)
  if("$ENV{ZZ_SIGN_PFX}" STREQUAL "")
    return()
  endif()
  find_program(OSSLSIGNCODE osslsigncode)
  if(NOT OSSLSIGNCODE)
    message(FATAL_ERROR "make_package: signing needs osslsigncode (run scripts/setup)")
  endif()
  set(options -pkcs12 "$ENV{ZZ_SIGN_PFX}" -h sha256 -n "${PRODUCT_NAME}")
  if(NOT "$ENV{ZZ_SIGN_PASSWORD_FILE}" STREQUAL "")
    list(APPEND options -readpass "$ENV{ZZ_SIGN_PASSWORD_FILE}")
  endif()
  if(NOT "$ENV{ZZ_SIGN_TIMESTAMP}" STREQUAL "")
    list(APPEND options -ts "$ENV{ZZ_SIGN_TIMESTAMP}")
  endif()
  file(REMOVE "${file}.signed")
  run(${OSSLSIGNCODE} sign ${options} -in "${file}" -out "${file}.signed")
  file(RENAME "${file}.signed" "${file}")
endfunction()

find_program(WIXL wixl)
find_program(MSIBUILD msibuild)
find_program(MSIINFO msiinfo)
if(NOT WIXL OR NOT MSIBUILD OR NOT MSIINFO)
  message(FATAL_ERROR "make_package: wixl and msibuild (Debian's wixl and msitools) are needed; run scripts/setup")
endif()

# The program's folder as it is installed, with nothing else in it: the zip takes it whole and
# wixl finds the files the .wxs names here.
set(stage "${WORK_DIR}/files")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${stage}/Doc")
file(COPY_FILE "${PROGRAM}" "${stage}/zurerizeda.exe")
file(COPY_FILE "${ZCONF}" "${stage}/zconf.exe")
sign("${stage}/zurerizeda.exe")
sign("${stage}/zconf.exe")
foreach(doc IN LISTS documents)
  if(NOT EXISTS "${DOC_DIR}/${doc}")
    message(FATAL_ERROR "make_package: ${DOC_DIR}/${doc} is missing (the target zz_docs makes it)")
  endif()
  file(COPY_FILE "${DOC_DIR}/${doc}" "${stage}/Doc/${doc}")
endforeach()
# Beside the folder, not in it: the installer keeps the icon for the installed programs list.
file(COPY_FILE "${ICON}" "${WORK_DIR}/program.ico")

# The same version always gets the same product code, another version (another build of the
# same release too) another one, as a major upgrade needs.
string(UUID product_code NAMESPACE 0A4C7E2F-91B3-4D58-8E06-3F7B2C1D5A94 NAME "${base_name}" TYPE SHA1 UPPER)

# wixl leaves the database's code page neutral and writes its strings in the code page of
# WINDOWS_LANGUAGE, so the Cyrillic names are stored as Windows-1251; msibuild then marks the
# database as 1251, so that Windows Installer reads them right on a system of any language.
# wixl has no Secure properties either: msibuild adds the installation folder, the one found in
# the registry and the PATH switch to those the installer's elevated part takes from the part
# the user runs (the dialogs or the command line).
set(msi "${WORK_DIR}/${base_name}.msi")
set(ENV{WINDOWS_LANGUAGE} ru)
file(WRITE "${WORK_DIR}/product.wxi"
     "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Include>\n  <?define ProductName = \"${PRODUCT_NAME}\" ?>\n</Include>\n")
run(${CMAKE_COMMAND} -E chdir "${stage}"
    ${WIXL} --arch x64 -D "Version=${VERSION}" -D "Release=${release}" -D "Build=${build}"
    -D "ProductCode=${product_code}" -D "Manufacturer=${MANUFACTURER}"
    -D "IconFile=../program.ico" --includedir "${WORK_DIR}" -o "${msi}" "${CMAKE_CURRENT_LIST_DIR}/zurerizeda.wxs")
file(WRITE "${WORK_DIR}/_ForceCodepage.idt" "\r\n\r\n1251\t_ForceCodepage\r\n")

# One msibuild call with an option and its argument, kept whole whatever semicolons it holds.
function(msibuild option argument)
  execute_process(COMMAND ${MSIBUILD} "${msi}" ${option} "${argument}" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE rc ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "make_package: msibuild ${msi} ${option} ${argument}\n${out}")
  endif()
endfunction()

msibuild(-i _ForceCodepage.idt)
set(secure WIX_DOWNGRADE_DETECTED WIX_UPGRADE_DETECTED INSTALLDIR PREVIOUSINSTALLDIR ADD_TO_PATH ZZ_PATH_CHOSEN)
list(JOIN secure ";" secure)
msibuild(-q "UPDATE `Property` SET `Value` = '${secure}' WHERE `Property` = 'SecureCustomProperties'")
# The summary, which Explorer shows as the file's subject: wixl writes its strings as UTF-8
# whatever code page it names (1251) and English as the package's language. msibuild stores the
# bytes it is given, so the subject goes in as Windows-1251.
file(WRITE "${WORK_DIR}/subject.txt" "${PRODUCT_NAME} ${VERSION}")
execute_process(COMMAND iconv -f UTF-8 -t CP1251 "${WORK_DIR}/subject.txt" OUTPUT_VARIABLE subject RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_package: the subject ${PRODUCT_NAME} does not fit Windows-1251")
endif()
execute_process(COMMAND ${MSIBUILD} "${msi}" -s "${subject}" "${MANUFACTURER}" "x64;1049" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make_package: msibuild ${msi} -s")
endif()
execute_process(COMMAND ${MSIINFO} export "${msi}" Property OUTPUT_VARIABLE properties)
string(REGEX MATCH "\nUpgradeCode\t([^\r\n]+)" upgrade_code "${properties}")
set(upgrade_code "${CMAKE_MATCH_1}")
# Windows Installer compares only the release, so a later build of the same release would count
# as the same version and leave the installed one in place: the upgrade row takes the release
# itself in too (what WiX calls AllowSameVersionUpgrades, which wixl lacks). An earlier build of
# the same release is refused by the launch condition on the build number instead.
# (The attributes are part of the row's key: the row is written anew.)
msibuild(-q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'")
msibuild(-q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) \
VALUES ('${upgrade_code}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')")
msibuild(-q "UPDATE `Component` SET `Condition` = 'ADD_TO_PATH = \"1\"' WHERE `Component` = 'SystemPath'")
# The maintenance dialogs choose with the properties msiexec's /x and /f set (REMOVE, REINSTALL),
# which the costing of the installation itself reads: the dialogs' part does no costing then,
# which would settle the features' states before the choice.
foreach(action CostInitialize FileCost CostFinalize MigrateFeatureStates)
  msibuild(-q "UPDATE `InstallUISequence` SET `Condition` = 'NOT Installed' WHERE `Action` = '${action}'")
endforeach()
# The executables' versions, so that Windows Installer's rules for replacing files apply.
foreach(file ProgramExe=${PROGRAM_VERSION} ZconfExe=${ZCONF_VERSION})
  string(REPLACE "=" ";" file "${file}")
  list(GET file 0 id)
  list(GET file 1 file_version)
  msibuild(-q "UPDATE `File` SET `Version` = '${file_version}', `Language` = '1049' WHERE `File` = '${id}'")
endforeach()

# What wixl does not write: the dialogs, the system PATH, the rights of the folder, the search of
# what a removal leaves. Each .idt of tables/ is a whole table (UTF-8: msibuild stores it in
# the database's code page); each one of tables/add/ holds rows for a table wixl wrote.
set(tables "${CMAKE_CURRENT_LIST_DIR}/tables")
file(GLOB whole_tables RELATIVE "${tables}" "${tables}/*.idt")
foreach(table IN LISTS whole_tables)
  file(COPY_FILE "${tables}/${table}" "${WORK_DIR}/${table}")
  msibuild(-i "${table}")
endforeach()
file(GLOB row_tables "${tables}/add/*.idt")
foreach(idt IN LISTS row_tables)
  get_filename_component(table "${idt}" NAME_WE)
  file(STRINGS "${idt}" lines ENCODING UTF-8)
  list(POP_FRONT lines names types)
  list(POP_FRONT lines)  # the table's name and keys
  string(REPLACE "\t" ";" names "${names}")
  string(REPLACE "\t" ";" types "${types}")
  foreach(line IN LISTS lines)
    string(REPLACE "\t" ";" values "${line}")
    set(columns "")
    set(literals "")
    foreach(name value type IN ZIP_LISTS names values types)
      if(value STREQUAL "")
        continue()  # null
      endif()
      list(APPEND columns "`${name}`")
      if(type MATCHES "^[iI]")
        list(APPEND literals "${value}")
      else()
        list(APPEND literals "'${value}'")
      endif()
    endforeach()
    list(JOIN columns ", " columns)
    list(JOIN literals ", " literals)
    msibuild(-q "INSERT INTO `${table}` (${columns}) VALUES (${literals})")
  endforeach()
endforeach()

sign("${msi}")

# Names in the zip are UTF-8 and flagged so (libarchive does it in a UTF-8 locale): Windows
# then shows the Cyrillic name of the installation manual as it is.
set(zip "${WORK_DIR}/${base_name}.zip")
run(${CMAKE_COMMAND} -E chdir "${stage}" ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8
    ${CMAKE_COMMAND} -E tar cf "${zip}" --format=zip zurerizeda.exe zconf.exe Doc)

file(MAKE_DIRECTORY "${OUT_DIR}")
file(COPY_FILE "${msi}" "${OUT_DIR}/${base_name}.msi")
file(COPY_FILE "${zip}" "${OUT_DIR}/${base_name}.zip")
