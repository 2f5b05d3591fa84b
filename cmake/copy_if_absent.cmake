# Copies every *.dat file of folder SRC into folder DST, except where DST already has a file (or
# anything else) of that name. Run on every build to hand out the sample topics: a topic the
# player changed stays as it is, and nothing else in DST is ever touched.
#
#     cmake -DSRC=<folder> -DDST=<folder> -P copy_if_absent.cmake

if(NOT DEFINED SRC OR NOT DEFINED DST OR SRC STREQUAL "" OR DST STREQUAL "")
    message(FATAL_ERROR "usage: cmake -DSRC=<folder> -DDST=<folder> -P copy_if_absent.cmake")
endif()
if(NOT IS_DIRECTORY "${SRC}")
    message(FATAL_ERROR "copy_if_absent: ${SRC} is not a folder")
endif()

file(MAKE_DIRECTORY "${DST}")
file(GLOB names LIST_DIRECTORIES false RELATIVE "${SRC}" "${SRC}/*.dat")
list(SORT names)
foreach(name IN LISTS names)
    set(target "${DST}/${name}")
    # A dangling symbolic link counts as present too: copying would write through it.
    if(EXISTS "${target}" OR IS_SYMLINK "${target}")
        continue()
    endif()
    file(COPY_FILE "${SRC}/${name}" "${target}" RESULT failure)
    if(failure)
        message(FATAL_ERROR "copy_if_absent: cannot copy ${name} to ${DST}: ${failure}")
    endif()
    message(STATUS "Added ${target}")
endforeach()
