# Fails unless the README quotes the program's terms word for word, as an
# indented block. Run with cmake -D README=... -D TERMS=... -P.
file(READ "${README}" readme)
file(READ "${TERMS}" terms)
string(REGEX REPLACE "\n$" "" terms "${terms}")
string(REGEX REPLACE "\n([^\n])" "\n    \\1" quoted "    ${terms}")
string(FIND "${readme}" "${quoted}\n" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${README} does not quote the terms in ${TERMS}; they read:\n${quoted}")
endif()
