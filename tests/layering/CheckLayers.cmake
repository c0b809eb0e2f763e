# Fails when an include runs against the layers: the core includes no Qt header,
# and a folder of the desktop program includes only folders below it. Run as
#   cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)

# The desktop program's folders from the bottom up. Folders of one rank sit side
# by side and include none of each other.
set(rank_common 0)
set(rank_model 1)
set(rank_link 2)
set(rank_channels 3)
set(rank_features 4)
set(rank_compare 4)
set(rank_signalling 4)
set(rank_service 4)
set(rank_print 4)
set(rank_exchange 4)
set(rank_fleet 4)
set(rank_help 4)
set(rank_app 5)

set(faults "")

file(GLOB_RECURSE core_files ${SOURCE_DIR}/src/core/*.h ${SOURCE_DIR}/src/core/*.cpp)
foreach(file IN LISTS core_files)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
    foreach(line IN LISTS lines)
        file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
        list(APPEND faults "${name}: the core includes Qt: ${line}")
    endforeach()
endforeach()

file(GLOB_RECURSE gui_files ${SOURCE_DIR}/src/gui/*.h ${SOURCE_DIR}/src/gui/*.cpp)
foreach(file IN LISTS gui_files)
    file(RELATIVE_PATH name ${SOURCE_DIR}/src/gui ${file})
    string(REGEX MATCH "^[a-z]+" folder ${name})
    if(NOT DEFINED rank_${folder})
        continue() # main.cpp and other files of the program itself sit above all
    endif()
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
        # Core headers share folder names with the desktop program's; only a
        # header that exists under src/gui counts here.
        if(NOT EXISTS ${SOURCE_DIR}/src/gui/${header})
            continue()
        endif()
        string(REGEX MATCH "^[a-z]+" target ${header})
        if(target STREQUAL folder)
            continue()
        endif()
        if(NOT DEFINED rank_${target} OR NOT rank_${target} LESS rank_${folder})
            list(APPEND faults "src/gui/${name}: ${folder}/ may not include ${header}")
        endif()
    endforeach()
endforeach()

if(faults)
    list(LENGTH faults count)
    string(REPLACE ";" "\n  " listing "${faults}")
    message(FATAL_ERROR "${count} include(s) against the layers:\n  ${listing}")
endif()
message(STATUS "layers: every include points down")
