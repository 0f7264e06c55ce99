# The one time stamp of everything a build writes, so that the same commit gives
# the same bytes: the caller's SOURCE_DATE_EPOCH, or else the last commit's time,
# or, outside a Git checkout, midnight of the release date.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ORVANE_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE ORVANE_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE git_result ERROR_QUIET)
    if(NOT git_result EQUAL 0 OR ORVANE_SOURCE_DATE_EPOCH STREQUAL "")
        execute_process(COMMAND date -u -d "${ORVANE_RELEASE_DATE}" +%s OUTPUT_VARIABLE ORVANE_SOURCE_DATE_EPOCH
            OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    # A new commit configures again, and takes its time.
    execute_process(COMMAND git rev-parse --absolute-git-dir WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_result ERROR_QUIET)
    if(git_result EQUAL 0 AND EXISTS "${git_dir}/logs/HEAD")
        set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${git_dir}/logs/HEAD")
    endif()
endif()
if(NOT ORVANE_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a number of seconds, not \"${ORVANE_SOURCE_DATE_EPOCH}\"")
endif()
# For whoever builds again and compares.
set(ORVANE_SOURCE_DATE_EPOCH "${ORVANE_SOURCE_DATE_EPOCH}" CACHE INTERNAL "The source date of this build")
# CMake's own time stamps take it from the environment.
set(ENV{SOURCE_DATE_EPOCH} "${ORVANE_SOURCE_DATE_EPOCH}")
