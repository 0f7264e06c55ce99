# Makes the MSI and the portable zip from the built program, signing the
# program before it goes into either, and then the MSI, when given a certificate.
# Run with cmake -P and these variables:
#   SETTINGS    the build's file naming the program, its icon, the MSI's source,
#               the read-me, the third-party notices, the tools and what a
#               signature says
#   WORK        a folder of its own for the files in between
#   MSI, ZIP    the files to make
#   SIGN_CERT, SIGN_KEY   certificate (chain) and private key; no signing when empty
#   SIGN_PASSWORD_FILE    the key's password, if it has one
#   SIGN_TIMESTAMP_URL    a time-stamping service, whose stamp keeps a signature
#                         trusted after the certificate expires; none when empty
# The same program and settings give the same bytes: every time written is the
# source date, in UTC, and every identifier is derived from what is packed.
cmake_minimum_required(VERSION 3.25)
include("${SETTINGS}")
include(${CMAKE_CURRENT_LIST_DIR}/Zip.cmake)

set(ENV{TZ} UTC)
set(ENV{SOURCE_DATE_EPOCH} "${SOURCE_DATE_EPOCH}")
string(TIMESTAMP source_date "%Y-%m-%d %H:%M:%S" UTC)

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
endfunction()
# wixl and msibuild write the clock's time into the MSI and take no other.
function(run_at_source_date)
    run("${FAKETIME}" -f "@${source_date}" ${ARGN})
endfunction()
function(set_source_date)
    run(touch -h -d "@${SOURCE_DATE_EPOCH}" ${ARGN})
endfunction()

function(sign in out)
    set(options)
    if(SIGN_PASSWORD_FILE)
        list(APPEND options -readpass "${SIGN_PASSWORD_FILE}")
    endif()
    if(SIGN_TIMESTAMP_URL)
        list(APPEND options -ts "${SIGN_TIMESTAMP_URL}")
    endif()
    run("${OSSLSIGNCODE}" sign -certs "${SIGN_CERT}" -key "${SIGN_KEY}" ${options} -h sha256
        -n "${SIGN_NAME}" -i "${SIGN_URL}" -in "${in}" -out "${out}")
endfunction()

get_filename_component(program_name "${PROGRAM}" NAME)
get_filename_component(folder "${ZIP}" NAME_WLE)
file(REMOVE_RECURSE "${WORK}")
file(REMOVE "${MSI}" "${ZIP}")
file(MAKE_DIRECTORY "${WORK}/unsigned" "${WORK}/zip/${folder}")

# wixl finds its files only by paths relative to where it runs.
set(program unsigned/${program_name})
file(COPY_FILE "${PROGRAM}" "${WORK}/${program}")
run("${STRIP}" --strip-all "${program}")
if(SIGN_CERT)
    sign("${program}" "${program_name}")
    set(program "${program_name}")
endif()
file(COPY_FILE "${ICON}" "${WORK}/program.ico")
# The notices go beside the program, in the MSI and the zip alike.
file(COPY "${NOTICES}/" DESTINATION "${WORK}/notices")
file(GLOB_RECURSE notices RELATIVE "${WORK}/notices" "${WORK}/notices/*")
list(SORT notices)
set_source_date("${WORK}/${program}" "${WORK}/program.ico")
list(TRANSFORM notices PREPEND "${WORK}/notices/" OUTPUT_VARIABLE notice_paths)
set_source_date(${notice_paths})

# A package of other content is another product to Windows Installer, of the
# same version or not, and gets codes of its own; the same content, the same codes.
file(SHA256 "${WORK}/${program}" program_hash)
file(SHA256 "${WORK}/program.ico" icon_hash)
# The MSI's source, with a file element for each notice.
set(licence_files)
set(key_path " KeyPath=\"yes\"")
foreach(notice IN LISTS notices)
    if(notice MATCHES "^licenses/(.*)$")
        string(MAKE_C_IDENTIFIER "${CMAKE_MATCH_1}" id)
        string(APPEND licence_files "                <File Id=\"licence_${id}\" Name=\"${CMAKE_MATCH_1}\" "
                                    "Source=\"notices/${notice}\"${key_path}/>\n")
        set(key_path)
    endif()
endforeach()
file(READ "${WXS}" wxs)
string(REPLACE "@LICENCE_FILES@" "${licence_files}" wxs "${wxs}")
file(WRITE "${WORK}/installer.wxs" "${wxs}")
set(notices_hash)
foreach(path IN LISTS notice_paths)
    file(SHA256 "${path}" hash)
    string(APPEND notices_hash " ${hash}")
endforeach()
file(SHA256 "${WORK}/installer.wxs" wxs_hash)
set(content "${VERSION} ${program_hash} ${icon_hash} ${wxs_hash}${notices_hash}")
string(UUID product_code NAMESPACE "${UPGRADE_CODE}" NAME "product ${content}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE "${UPGRADE_CODE}" NAME "package ${content}" TYPE SHA1 UPPER)

set(msi "${MSI}")
if(SIGN_CERT)
    set(msi "${WORK}/unsigned/installer.msi")
endif()
run_at_source_date("${WIXL}" --arch x64 -D "Program=${program}" -D Icon=program.ico -D "ProductCode=${product_code}"
    -o "${msi}" installer.wxs)
# wixl leaves out the upgrade row's attribute that makes it take the same
# version too (msidbUpgradeAttributesVersionMaxInclusive, with MigrateFeatures);
# the upgrade row is a key of its table, so it is made anew. The package code
# is the summary's revision.
# Called directly: a list of arguments would split the template at its semicolon.
execute_process(COMMAND "${FAKETIME}" -f "@${source_date}" "${MSIBUILD}" "${msi}"
    -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
    -q "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{${UPGRADE_CODE}}', '${VERSION}', 513, 'WIX_UPGRADE_DETECTED')"
    -s "${TITLE} ${VERSION}" "${MAKER}" "x64;1033" "{${package_code}}"
    WORKING_DIRECTORY "${WORK}" COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
if(SIGN_CERT)
    sign("${msi}" "${MSI}")
endif()

# The marker file makes the copy keep its setting beside itself.
set(packed "${folder}/${program_name}" "${folder}/README.txt" "${folder}/.portable")
file(COPY_FILE "${WORK}/${program}" "${WORK}/zip/${folder}/${program_name}")
file(COPY_FILE "${README}" "${WORK}/zip/${folder}/README.txt")
file(TOUCH "${WORK}/zip/${folder}/.portable")
file(COPY "${WORK}/notices/" DESTINATION "${WORK}/zip/${folder}")
list(TRANSFORM notices PREPEND "${folder}/" OUTPUT_VARIABLE packed_notices)
pack_zip("${ZIP}" "${WORK}/zip" ${packed} ${packed_notices})
