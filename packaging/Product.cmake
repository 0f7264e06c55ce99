# What every package says about the product, whatever system it is for.
set(ORVANE_MAKER Quillmoor)
set(ORVANE_SUMMARY "numerology reading for the day you were born")
set(ORVANE_COPYRIGHT "2026 ${ORVANE_MAKER}")
# The program's own home-page link, for where a system lists the maker's page.
set(ORVANE_HOME_PAGE "${ORVANE_PRODUCT_ADDRESS}ssd.php?page=home-page")
# The program icon, drawn at each of these sizes.
set(ORVANE_ICON_SIZES 16 24 32 48 64 128 256)
set(ORVANE_ICON_DIR ${CMAKE_CURRENT_LIST_DIR}/icons)
