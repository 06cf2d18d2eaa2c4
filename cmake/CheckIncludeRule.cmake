cmake_minimum_required(VERSION 3.25)
# The include rule between the layers, run as a test:
#   cmake -DSOURCE_DIR=<top> -P CheckIncludeRule.cmake
# - the plain code of the application (src/hid, src/devices, src/profiles,
#   src/app) never includes the widget tree (src/ui); the application object,
#   which creates the windows, is the one exception;
# - the device library, the platform layer and the simulated keyboard include
#   nothing of the application: the simulator keeps its own protocol numbers
#   so that it stays an independent check of the bytes;
# - the entry point alone chooses real or simulated keyboards, so nothing
#   else of the application names the simulator.
set(APP_FOLDERS "app/|hid/|devices/|profiles/|ui/|src/")
set(violations "")

function(check_folder folder pattern allowed)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
        if(rel IN_LIST allowed)
            continue()
        endif()
        file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"(${pattern})")
        foreach(line IN LISTS lines)
            string(APPEND violations "${rel}: ${line}\n")
        endforeach()
    endforeach()
    set(violations "${violations}" PARENT_SCOPE)
endfunction()

foreach(folder src/hid src/devices src/profiles src/app)
    check_folder(${folder} "ui/" "src/app/DAppllication.cpp")
endforeach()
foreach(folder sdk platform sim)
    check_folder(${folder} "${APP_FOLDERS}" "")
endforeach()
check_folder(src "sim/" "src/app/main.cpp")

if(violations)
    message(FATAL_ERROR "Includes that cross the layers the wrong way:\n${violations}")
endif()
message(STATUS "Include rule holds")
