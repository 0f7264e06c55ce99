# Run by CPack on the staged package: Debian wants the man page and the
# changelog compressed, without a time stamp, and no compiler notes in the
# program. Every file made here gets its mode, whatever the packer's umask.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
execute_process(COMMAND "${CPACK_ORVANE_STRIP}" --remove-section=.comment --remove-section=.note
    "${root}/${CPACK_ORVANE_PROGRAM}" COMMAND_ERROR_IS_FATAL ANY)
file(COPY_FILE "${CPACK_ORVANE_CHANGELOG}" "${root}/${CPACK_ORVANE_DOC_DIR}/changelog")
foreach(file "${root}/${CPACK_ORVANE_MAN_PAGE}" "${root}/${CPACK_ORVANE_DOC_DIR}/changelog")
    execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD "${file}.gz" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
