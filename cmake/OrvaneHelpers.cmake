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
