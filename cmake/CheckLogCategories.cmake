cmake_minimum_required(VERSION 3.25)
# Every diagnostic of the program goes through one of its logging
# categories, so a normal run stays quiet and QT_LOGGING_RULES reaches it
# all; run as a test:
#   cmake -DSOURCE_DIR=<top> -P CheckLogCategories.cmake
# Plain qDebug/qInfo/qWarning/qCritical, and printing to the standard
# streams, are what it finds. qFatal stays: it ends the program.
set(findings "")
foreach(folder src sdk platform)
    file(GLOB_RECURSE files "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(file IN LISTS files)
        file(RELATIVE_PATH rel "${SOURCE_DIR}" "${file}")
        file(STRINGS "${file}" lines
             REGEX "(^|[^A-Za-z_:])(qDebug|qInfo|qWarning|qCritical)[ \t]*\\(|std::(cout|cerr|clog)|fputs\\(.*std(out|err)")
        foreach(line IN LISTS lines)
            string(STRIP "${line}" line)
            string(APPEND findings "${rel}: ${line}\n")
        endforeach()
    endforeach()
endforeach()

if(findings)
    message(FATAL_ERROR "Diagnostics outside the logging categories (app/logCategories.h, "
                        "sdk/SdkLogCategories.h, platform/linux/PlatformLogCategories.h):\n${findings}")
endif()
message(STATUS "Every diagnostic has its category")
