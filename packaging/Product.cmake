# What every package says about the product, whatever system it is for.
set(ORVANE_MAKER Quillmoor)
set(ORVANE_SUMMARY "numerology reading for the day you were born")
string(SUBSTRING "${ORVANE_SUMMARY}" 0 1 first)
string(SUBSTRING "${ORVANE_SUMMARY}" 1 -1 rest)
string(TOUPPER "${first}" first)
set(ORVANE_SUMMARY_SENTENCE "${first}${rest}")
# In lines Debian's package description keeps as they are.
set(ORVANE_DESCRIPTION "Type your first, middle and last name and pick your date of birth: the
program shows your Birthday Number, the day of the month you were born,
with an introduction and a reading of what that number says about you.
Links lead to the maker's web site for help, updates and other editions.")
set(ORVANE_COPYRIGHT "2026 ${ORVANE_MAKER}")
# The terms every copy is given under, with their name where a licence is named.
set(ORVANE_LICENSE LicenseRef-${ORVANE_MAKER}-Freeware)
set(ORVANE_TERMS_FILE ${PROJECT_BINARY_DIR}/terms.txt)
configure_file(${CMAKE_CURRENT_LIST_DIR}/terms.txt.in ${ORVANE_TERMS_FILE} @ONLY)
file(READ ${ORVANE_TERMS_FILE} ORVANE_TERMS)
string(STRIP "${ORVANE_TERMS}" ORVANE_TERMS)
# The program's own home-page link, for where a system lists the maker's page.
set(ORVANE_HOME_PAGE "${ORVANE_PRODUCT_ADDRESS}${ORVANE_PAGE_SCRIPT}${ORVANE_HOME_PAGE_KEY}")
# The program icon, drawn at each of these sizes.
set(ORVANE_ICON_SIZES 16 24 32 48 64 128 256)
set(ORVANE_ICON_DIR ${CMAKE_CURRENT_LIST_DIR}/icons)
# What every bill of materials says of the product, one NAME=VALUE a line.
set(ORVANE_SBOM_FACTS "namespace=${ORVANE_SITE}spdx
version=${PROJECT_VERSION}
maker=${ORVANE_MAKER}
copyright=${ORVANE_COPYRIGHT}
licence=${ORVANE_LICENSE}
home page=${ORVANE_HOME_PAGE}
source date=${ORVANE_SOURCE_DATE_EPOCH}
")
