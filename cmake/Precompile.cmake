# Precompiled headers: most of a translation unit's compile time here goes to parsing the Qt and
# GoogleTest headers (a 150-line GUI test parses 190,000 lines), so they are parsed once: one header
# for the Qt libraries, one for the GUI test suites, one for the others, each built by one target and
# reused by the rest (a header of its own per target would cost 20 s each). The Qt-free layers get
# none: a Qt header must stay unreachable there.
option(QUADRIMO_PCH "Precompile the Qt and GoogleTest headers" ON)
# Unity batches: what is left after precompiling is mostly instantiating the same Qt and GoogleTest
# templates in every file, so the Qt libraries and the test suites compile their files in batches
# (a file's anonymous namespace is shared with its batch: names there must differ between files).
option(QUADRIMO_UNITY "Compile the Qt libraries and the test suites in batches of files" ON)
set(QUADRIMO_UNITY_BATCH 8)

function(quadrimo_batch_sources)
    if(QUADRIMO_UNITY)
        set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${QUADRIMO_UNITY_BATCH})
    endif()
endfunction()

set(QUADRIMO_STD_PCH <algorithm> <functional> <memory> <string> <vector>)
set(QUADRIMO_QT_PCH <QApplication> <QDir> <QEvent> <QFileInfo> <QImage> <QKeyEvent> <QLineEdit>
    <QMouseEvent> <QPainter> <QPointer> <QScreen> <QString> <QTimer> <QWidget> <QWindow>)

# The first target builds the header, the others reuse it. Reuse needs the same compiler options;
# the Qt component macros (QT_NETWORK_LIB …) differ between targets but no precompiled header tests them.
function(quadrimo_share_precompiled_header host)
    cmake_parse_arguments(ARG "" "" "HEADERS;TARGETS" ${ARGN})
    if(NOT QUADRIMO_PCH)
        return()
    endif()
    target_precompile_headers(${host} PRIVATE ${ARG_HEADERS})
    foreach(target IN LISTS ARG_TARGETS)
        target_precompile_headers(${target} REUSE_FROM ${host})
    endforeach()
endfunction()

# The Qt libraries and programs.
function(quadrimo_precompile_qt host)
    quadrimo_batch_sources(${host} ${ARGN})
    quadrimo_share_precompiled_header(${host} HEADERS ${QUADRIMO_STD_PCH} ${QUADRIMO_QT_PCH} TARGETS ${ARGN})
endfunction()

set(QUADRIMO_GUI_TEST_UNDEFINES -UQT_TESTCASE_BUILDDIR -UQT_TESTCASE_SOURCEDIR -UQT_NETWORK_LIB)

# Test suites, registered as they are defined; the headers are attached once all are known.
function(quadrimo_precompile_tests target gui)
    quadrimo_batch_sources(${target})
    if(gui)
        # QTest's find-test-data macros test the build folder's name, which differs between suites,
        # and QTest adds its network helpers where a suite links Qt Network; the suites use neither,
        # so dropping those macros lets them share one header.
        target_compile_options(${target} PRIVATE ${QUADRIMO_GUI_TEST_UNDEFINES})
        set_property(GLOBAL APPEND PROPERTY QUADRIMO_GUI_TEST_SUITES ${target})
    else()
        set_property(GLOBAL APPEND PROPERTY QUADRIMO_TEST_SUITES ${target})
    endif()
endfunction()

# Each shared test header is built by a small target of its own with the suites' compiler options,
# so that no suite waits for another to be built.
function(quadrimo_precompile_test_suites)
    if(NOT QUADRIMO_PCH)
        return()
    endif()
    get_property(plain GLOBAL PROPERTY QUADRIMO_TEST_SUITES)
    get_property(gui GLOBAL PROPERTY QUADRIMO_GUI_TEST_SUITES)
    # A plain suite that links Qt compiles position-independent code, which a shared header must match.
    set(plain_without_qt)
    foreach(target IN LISTS plain)
        get_target_property(libraries ${target} LINK_LIBRARIES)
        if(NOT libraries MATCHES "Qt6::")
            list(APPEND plain_without_qt ${target})
        endif()
    endforeach()
    set(plain ${plain_without_qt})
    set(source ${PROJECT_SOURCE_DIR}/cmake/PrecompiledHeaderHost.cpp)
    add_library(test_pch_host OBJECT ${source})
    target_link_libraries(test_pch_host PRIVATE GTest::gtest)
    quadrimo_share_precompiled_header(test_pch_host HEADERS <gtest/gtest.h> ${QUADRIMO_STD_PCH} TARGETS ${plain})
    if(gui)
        find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
        add_library(gui_test_pch_host OBJECT ${source})
        target_link_libraries(gui_test_pch_host PRIVATE GTest::gtest Qt6::Widgets Qt6::Test)
        target_compile_options(gui_test_pch_host PRIVATE ${QUADRIMO_GUI_TEST_UNDEFINES})
        quadrimo_share_precompiled_header(gui_test_pch_host
            HEADERS <gtest/gtest.h> ${QUADRIMO_STD_PCH} ${QUADRIMO_QT_PCH} <QTest> TARGETS ${gui})
    endif()
endfunction()
