# Sources are collected per folder so that adding a file never means editing
# a list somewhere else.
function(orvane_collect_sources out)
    set(result)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
            ${dir}/*.cpp ${dir}/*.c ${dir}/*.h ${dir}/*.ui)
        list(APPEND result ${found})
    endforeach()
    if(NOT result)
        set(result ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
    endif()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

set(ORVANE_PCH_HEADERS
    <QtCore/QObject> <QtCore/QString> <QtCore/QByteArray> <QtCore/QList>
    <QtCore/QMap> <QtCore/QVector> <QtCore/QDebug> <QtCore/QTimer>
    <QtCore/QSettings> <QtGui/QColor> <QtGui/QPainter>
    <QtWidgets/QWidget> <QtWidgets/QLabel> <QtWidgets/QPushButton>
    <string> <vector> <map> <memory> <functional>)

# With globbed sources, Ninja's automoc step does not notice a new header in a
# folder it already knows (its own dependency on the source list is order-only),
# and the link then misses the new class's moc code. When a target's list
# changes, drop its automoc stamp so the step runs again.
function(orvane_autogen_tracks_sources)
    foreach(target IN LISTS ARGN)
        get_target_property(sources ${target} SOURCES)
        get_target_property(binary_dir ${target} BINARY_DIR)
        set(list_file ${CMAKE_BINARY_DIR}/autogen-lists/${target}_sources.txt)
        string(REPLACE ";" "\n" content "${sources}")
        set(previous "")
        if(EXISTS ${list_file})
            file(READ ${list_file} previous)
        endif()
        if(NOT previous STREQUAL "${content}\n")
            file(WRITE ${list_file} "${content}\n")
            file(REMOVE ${binary_dir}/${target}_autogen/timestamp)
        endif()
    endforeach()
endfunction()
