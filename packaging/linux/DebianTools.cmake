# Read by CPack before it packs. Without dpkg-shlibdeps CPack would make a
# package that depends on no Qt library and so cannot start where Qt is
# missing; without file it stops with a message that names no package.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(missing)
    foreach(tool_and_package "dpkg-shlibdeps;dpkg-dev" "file;file")
        list(GET tool_and_package 0 tool)
        list(GET tool_and_package 1 package)
        # PATH alone: the tools are looked for where a shell would find them.
        find_program(found_${tool} ${tool} NO_DEFAULT_PATH PATHS ENV PATH)
        if(NOT found_${tool})
            list(APPEND missing ${package})
        endif()
    endforeach()
    if(missing)
        list(JOIN missing " " missing)
        message(FATAL_ERROR "A .deb needs dpkg-shlibdeps and file to find the libraries the program links to. "
                            "Install them, then pack again:\n    sudo apt-get install ${missing}")
    endif()
endif()
# Every time in the package is the build's source date, unless the caller
# gives one.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_ORVANE_SOURCE_DATE_EPOCH}")
endif()
