# Run by CPack on the staged package: Debian wants the man page and the
# changelog compressed, without a time stamp.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(COPY_FILE "${CPACK_ORVANE_CHANGELOG}" "${root}/${CPACK_ORVANE_DOC_DIR}/changelog")
foreach(file "${root}/${CPACK_ORVANE_MAN_PAGE}" "${root}/${CPACK_ORVANE_DOC_DIR}/changelog")
    execute_process(COMMAND gzip -9nf "${file}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
