# The AppStream metadata names exactly the screenshots of docs/screens: a
# picture taken but not listed is never shown, a listed one that is gone
# leaves a broken image in software centres.
#   cmake -DMETAINFO=FILE -DSCREENS=DIR -P check-screenshots.cmake
file(READ ${METAINFO} metainfo)
string(REGEX MATCHALL "<image>[^<]*/([^/<]+)</image>" images "${metainfo}")
set(listed)
foreach(image ${images})
    string(REGEX REPLACE "<image>[^<]*/([^/<]+)</image>" "\\1" name "${image}")
    list(APPEND listed ${name})
endforeach()
file(GLOB taken RELATIVE ${SCREENS} ${SCREENS}/*.png)
list(SORT listed)
list(SORT taken)
if(NOT listed STREQUAL taken)
    message(FATAL_ERROR "screenshots in the metadata: ${listed}\nin ${SCREENS}: ${taken}")
endif()
list(LENGTH listed count)
message(STATUS "${count} screenshots, each listed once")
