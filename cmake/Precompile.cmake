# Precompiled headers: most of a translation unit's compile time here goes to parsing the Qt and
# GoogleTest headers (a 150-line GUI test parses 190,000 lines), so the targets that use them parse
# them once. The Qt-free layers get none: a Qt header must stay unreachable there.
option(QUADRIMO_PCH "Precompile the Qt and GoogleTest headers" ON)

set(QUADRIMO_STD_PCH <algorithm> <functional> <memory> <string> <vector>)
set(QUADRIMO_QT_PCH <QApplication> <QDir> <QEvent> <QFileInfo> <QImage> <QKeyEvent> <QLineEdit>
    <QMouseEvent> <QPainter> <QPointer> <QScreen> <QString> <QTimer> <QWidget> <QWindow>)

# Qt libraries and programs.
function(quadrimo_precompile_qt)
    if(NOT QUADRIMO_PCH)
        return()
    endif()
    foreach(target IN LISTS ARGN)
        target_precompile_headers(${target} PRIVATE ${QUADRIMO_STD_PCH} ${QUADRIMO_QT_PCH})
    endforeach()
endfunction()

# Test suites: GoogleTest, and with GUI the Qt headers and QTest.
function(quadrimo_precompile_tests target gui)
    if(NOT QUADRIMO_PCH)
        return()
    endif()
    if(gui)
        target_precompile_headers(${target} PRIVATE <gtest/gtest.h> ${QUADRIMO_STD_PCH} ${QUADRIMO_QT_PCH} <QTest>)
    else()
        target_precompile_headers(${target} PRIVATE <gtest/gtest.h> ${QUADRIMO_STD_PCH})
    endif()
endfunction()
