# Gathers the release in one folder: the deliverables, the source of the Qt
# inside them, the bill of materials and the checksums of all of it.
# Run with cmake -P and these variables:
#   FILES      the files to hand out, between bars
#   RELEASE    the folder to gather them in, made anew
#   PYTHON, THIRD_PARTY, SBOM_SETTINGS, SBOM   how to write the bill of materials, and where
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" FILES "${FILES}")
file(REMOVE_RECURSE "${RELEASE}")
file(MAKE_DIRECTORY "${RELEASE}")
foreach(file IN LISTS FILES)
    get_filename_component(name "${file}" NAME)
    file(COPY_FILE "${file}" "${RELEASE}/${name}")
    file(CHMOD "${RELEASE}/${name}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
execute_process(COMMAND "${PYTHON}" "${THIRD_PARTY}" sbom "${SBOM_SETTINGS}" "${RELEASE}" "${SBOM}"
    COMMAND_ERROR_IS_FATAL ANY)

# In the form sha256sum --check reads.
file(GLOB names RELATIVE "${RELEASE}" "${RELEASE}/*")
list(SORT names)
set(sums)
foreach(name IN LISTS names)
    file(SHA256 "${RELEASE}/${name}" hash)
    string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE "${RELEASE}/SHA256SUMS" "${sums}")
