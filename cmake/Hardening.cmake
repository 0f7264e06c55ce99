# The hardening Debian gives its own packages, as dpkg-buildflags states it for
# this release, for programs built for this machine; on Windows, the stack
# protector, which MinGW-w64 backs with GCC's libssp.
if(MINGW)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
    return()
endif()
# The sanitizers watch the same faults more closely, and fortification
# would hide some from them.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS OR CMAKE_CROSSCOMPILING OR ORVANE_SANITIZE OR ORVANE_FUZZ)
    return()
endif()
# Optimisation, debug information and path mapping stay the build's own;
# __DATE__ and __TIME__, which would make each build differ, are warned of.
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-fixfilepath,-fixdebugpath"
        "DEB_${kind}_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(hardening_${kind} UNIX_COMMAND "${flags}")
endforeach()
# The fortified C library needs the optimiser, which a debug build goes without.
list(TRANSFORM hardening_CPPFLAGS REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
add_link_options(${hardening_LDFLAGS})
