# Makes the MSI and the portable zip from the built program, signing the
# program before it goes into either, and then the MSI, when given a certificate.
# Run with cmake -P and these variables:
#   SETTINGS    the build's file naming the program, its icon, the MSI's source,
#               the read-me, the tools and what a signature says
#   WORK        a folder of its own for the files in between
#   MSI, ZIP    the files to make
#   SIGN_CERT, SIGN_KEY   certificate (chain) and private key; no signing when empty
#   SIGN_PASSWORD_FILE    the key's password, if it has one
cmake_minimum_required(VERSION 3.25)
include("${SETTINGS}")

function(run)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK}" COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
endfunction()

# Without a time stamp, so that signing needs no network; a time-stamped
# signature can be added later with osslsigncode add.
function(sign in out)
    set(password)
    if(SIGN_PASSWORD_FILE)
        set(password -readpass "${SIGN_PASSWORD_FILE}")
    endif()
    run("${OSSLSIGNCODE}" sign -certs "${SIGN_CERT}" -key "${SIGN_KEY}" ${password} -h sha256
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

set(msi "${MSI}")
if(SIGN_CERT)
    set(msi "${WORK}/unsigned/installer.msi")
endif()
run("${WIXL}" --arch x64 -D "Program=${program}" -D Icon=program.ico -o "${msi}" "${WXS}")
if(SIGN_CERT)
    sign("${msi}" "${MSI}")
endif()

file(COPY_FILE "${WORK}/${program}" "${WORK}/zip/${folder}/${program_name}")
file(COPY_FILE "${README}" "${WORK}/zip/${folder}/README.txt")
# -X: no owner ids or Unix extra fields, which mean nothing on Windows.
execute_process(COMMAND "${ZIP_TOOL}" -X -r -q "${ZIP}" "${folder}" WORKING_DIRECTORY "${WORK}/zip"
    COMMAND_ERROR_IS_FATAL ANY)
