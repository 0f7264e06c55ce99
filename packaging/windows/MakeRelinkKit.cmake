# Makes the relink kit: the program's own objects and libraries, the link
# recipe as a shell script, the recipe of the static Qt, and a read-me, so
# that anyone can link the program again with a Qt of their own.
# Run with cmake -P and these variables:
#   NINJA, BUILD    the build tool and the build folder the program was linked in
#   PROGRAM         the program's file name in BUILD
#   QT              the static Qt it was linked with
#   STRIP           the strip the installers run on the program
#   README          the kit's read-me
#   RECIPE          the files that make the static Qt, each as FOLDER/NAME
#   TOP             the folder those are named from
#   SOURCE_DATE_EPOCH, ZIP_TOOL, WORK, KIT
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/Zip.cmake)

get_filename_component(folder "${KIT}" NAME_WLE)
set(kit "${WORK}/${folder}")
file(REMOVE_RECURSE "${WORK}")
file(REMOVE "${KIT}")
file(MAKE_DIRECTORY "${kit}/objects")

# The command Ninja last linked the program with.
execute_process(COMMAND "${NINJA}" -C "${BUILD}" -t commands "${PROGRAM}" OUTPUT_VARIABLE commands
    COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "[^\n]*-o ${PROGRAM}[^\n]*" command "${commands}")
if(NOT command)
    message(FATAL_ERROR "no link command for ${PROGRAM} in ${BUILD}")
endif()
separate_arguments(arguments UNIX_COMMAND "${command}")

# The recipe takes Qt from $QT and the objects from the kit, and writes no map.
set(recipe)
set(in_kit)
foreach(argument IN LISTS arguments)
    if(argument MATCHES "^(:|&&|-E|env)$" OR argument MATCHES "^SOURCE_DATE_EPOCH=" OR argument MATCHES "cmake$"
       OR argument MATCHES "^-Wl,-Map=" OR argument MATCHES "^-Wl,--out-implib,")
        continue()
    endif()
    string(FIND "${argument}" "${QT}/" in_qt)
    if(argument MATCHES "^/usr/bin/(x86_64-w64-mingw32-.*)$")
        set(argument "${CMAKE_MATCH_1}")
    elseif(in_qt EQUAL 0)
        string(REPLACE "${QT}/" "" argument "${argument}")
        set(argument "\"$QT/${argument}\"")
    elseif(argument MATCHES "\\.(a|obj|o|res)$" AND EXISTS "${BUILD}/${argument}")
        get_filename_component(parent "${kit}/objects/${argument}" DIRECTORY)
        file(MAKE_DIRECTORY "${parent}")
        file(COPY_FILE "${BUILD}/${argument}" "${kit}/objects/${argument}")
        list(APPEND in_kit "objects/${argument}")
        set(argument "objects/${argument}")
    elseif(argument MATCHES "^/")
        message(FATAL_ERROR "the link command names ${argument}, which the kit cannot carry")
    endif()
    if(recipe)
        string(APPEND recipe " \\\n    ")
    endif()
    string(APPEND recipe "${argument}")
endforeach()

get_filename_component(strip "${STRIP}" NAME)
file(WRITE "${kit}/relink.sh" "#!/bin/sh
# Links ${PROGRAM} again from the objects in this kit and a static Qt for
# Windows: QT=/the/folder/of/that/qt sh relink.sh
set -eu
: \"\${QT:?set QT to the folder of a static Qt for Windows}\"
cd \"$(dirname \"$0\")\"
# The linker and strip write this time, the source date, into the header.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH}
${recipe}
${strip} --strip-all ${PROGRAM}
")
file(COPY_FILE "${README}" "${kit}/README.txt")
set(packed relink.sh README.txt ${in_kit})
foreach(file IN LISTS RECIPE)
    get_filename_component(parent "${file}" DIRECTORY)
    file(MAKE_DIRECTORY "${kit}/qt-recipe/${parent}")
    file(COPY_FILE "${TOP}/${file}" "${kit}/qt-recipe/${file}")
    list(APPEND packed "qt-recipe/${file}")
endforeach()
list(TRANSFORM packed PREPEND "${folder}/")
pack_zip("${KIT}" "${WORK}" ${packed})
