# Packs files, named from a folder, into a zip that is the same whoever makes
# it and when: each file at the source date and mode 0644, in the order given,
# without folder entries, owner ids or Unix extra fields, which mean nothing on
# Windows; zip writes local times, here UTC.
function(pack_zip zip folder)
    set(paths ${ARGN})
    list(TRANSFORM paths PREPEND "${folder}/")
    execute_process(COMMAND touch -h -d "@${SOURCE_DATE_EPOCH}" ${paths} COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD ${paths} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC "${ZIP_TOOL}" -X -D -q "${zip}" ${ARGN}
        WORKING_DIRECTORY "${folder}" COMMAND_ERROR_IS_FATAL ANY)
endfunction()
