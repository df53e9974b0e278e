# Qt's headers are most of what a file of ours costs to compile: a two-line class that includes
# <QWidget> parses several hundred thousand lines. Each library precompiles the headers its files
# use most once, and every test shares one precompiled set, so those lines are parsed a handful of
# times per build instead of once per file.

set(QUILLFEN_PCH_CORE_HEADERS
    <algorithm> <chrono> <functional> <memory> <optional> <utility> <vector>
    <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash> <QJsonArray>
    <QJsonDocument> <QJsonObject> <QList> <QObject> <QString> <QStringList> <QTimer> <QUrl>)
set(QUILLFEN_PCH_NETWORK_HEADERS <QNetworkAccessManager> <QNetworkReply> <QNetworkRequest>)
set(QUILLFEN_PCH_WIDGETS_HEADERS <QApplication> <QLabel> <QMessageBox> <QPushButton>
    <QTreeWidget> <QVBoxLayout> <QWidget>)

# quillfen_precompile(<target> <header list names...>)
function(quillfen_precompile target)
    if(NOT QUILLFEN_PCH)
        return()
    endif()
    set(headers)
    foreach(list IN LISTS ARGN)
        list(APPEND headers ${${list}})
    endforeach()
    target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# One precompiled set for every test executable. A precompiled header can only be shared between
# files compiled with the same macros, and <QTest> itself changes with QT_WIDGETS_LIB, so every
# test links the same Qt modules (quillfen_add_test) and this target does too.
set(QUILLFEN_TEST_QT_LIBRARIES Qt6::Test Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Network Qt6::Sql)

# quillfen_shared_pch_target(<name> <who>): an empty file whose only work is to build a set of
# precompiled headers that others reuse; <who> says whose they are, in the file's comment.
function(quillfen_shared_pch_target name who)
    set(stub ${PROJECT_BINARY_DIR}/${name}.cpp)
    # Written only when its text changes: scripts/run configures before every build, and a stub
    # rewritten each time made its object, and so the precompiled set's user, compile anew.
    file(CONFIGURE OUTPUT ${stub}
        CONTENT "// The precompiled headers of ${who} are built with this file.\n")
    add_library(${name} OBJECT ${stub})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

function(quillfen_test_pch_target)
    if(NOT QUILLFEN_PCH OR TARGET quillfen_test_pch)
        return()
    endif()
    quillfen_shared_pch_target(quillfen_test_pch "every test")
    target_link_libraries(quillfen_test_pch PRIVATE ${QUILLFEN_TEST_QT_LIBRARIES} quillfen_fakes
        quillfen_flags)
    quillfen_test_definitions(quillfen_test_pch)
    target_precompile_headers(quillfen_test_pch PRIVATE
        ${QUILLFEN_PCH_CORE_HEADERS} ${QUILLFEN_PCH_NETWORK_HEADERS}
        ${QUILLFEN_PCH_WIDGETS_HEADERS}
        <QSignalSpy> <QTemporaryDir> <QTest> <QElapsedTimer> <QProcess>
        # Most suites run on the fakes, whose headers are mostly inline code: parsing them was a
        # third of such a suite's compile time.
        ${PROJECT_SOURCE_DIR}/tests/fakes/FakePlatform.h)
endfunction()

# The macros every test is compiled with (and so the shared precompiled headers too). Qt Test
# defines two of its own from each target's folders; no test of ours finds files through them
# (QFINDTESTDATA), so they are made the same for every test: one build folder, no source folder.
function(quillfen_test_definitions target)
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(${target} PRIVATE
        QUILLFEN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        QUILLFEN_BINARY_DIR="${PROJECT_BINARY_DIR}")
    set_target_properties(${target} PROPERTIES QT_TESTCASE_BUILDDIR ${PROJECT_BINARY_DIR}/tests)
    target_compile_options(${target} PRIVATE -UQT_TESTCASE_SOURCEDIR)
    # The code under test keeps the build's optimisation and debug information; the tests' own code
    # needs neither. Optimising QtTest's expansions took a third of each test's compile time and
    # their full debug information a fifth; line tables keep a failing test's stack trace readable.
    target_compile_options(${target} PRIVATE $<$<CONFIG:RelWithDebInfo,Release>:-O0>
        $<$<CONFIG:RelWithDebInfo>:-gline-tables-only>)
endfunction()

# The moc that test-like executables use (see the script for why).
get_target_property(QUILLFEN_REAL_MOC Qt6::moc IMPORTED_LOCATION)
configure_file(${CMAKE_CURRENT_LIST_DIR}/moc-without-system-headers.in
    ${PROJECT_BINARY_DIR}/moc-without-system-headers @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
        WORLD_EXECUTE)

# quillfen_use_test_pch(<target>): a test-like executable compiles with the shared set.
function(quillfen_use_test_pch target)
    target_link_libraries(${target} PRIVATE ${QUILLFEN_TEST_QT_LIBRARIES})
    quillfen_test_definitions(${target})
    set_target_properties(${target} PROPERTIES
        AUTOMOC_EXECUTABLE ${PROJECT_BINARY_DIR}/moc-without-system-headers)
    if(QUILLFEN_PCH)
        quillfen_test_pch_target()
        target_precompile_headers(${target} REUSE_FROM quillfen_test_pch)
        # A test's moc output is included by the test itself, which leaves the generated
        # collection empty; loading the precompiled headers for it would cost seconds for nothing.
        set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
            PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()

# One precompiled set for the tools and the benchmarks: small programs and libraries of a file or
# a few, each of which paid for Qt's headers on its own (four seconds a file, a tenth of a build).
# Unlike the tests' set, they keep the build's optimisation: the sample service answers the
# lookup benchmarks, and some benchmarks time code of their own. The set is built as they are
# (Qt Core, Network, Gui and Widgets, the project's flags); a file that links fewer Qt modules
# still uses it, since clang only refuses a macro defined with another value.
function(quillfen_tool_pch_target)
    if(NOT QUILLFEN_PCH OR TARGET quillfen_tool_pch)
        return()
    endif()
    quillfen_shared_pch_target(quillfen_tool_pch "the tools and benchmarks")
    target_link_libraries(quillfen_tool_pch PRIVATE Qt6::Core Qt6::Network Qt6::Gui Qt6::Widgets
        quillfen_flags)
    target_precompile_headers(quillfen_tool_pch PRIVATE
        ${QUILLFEN_PCH_CORE_HEADERS} ${QUILLFEN_PCH_NETWORK_HEADERS}
        ${QUILLFEN_PCH_WIDGETS_HEADERS} <QElapsedTimer> <QProcess> <QTemporaryDir>)
endfunction()

# quillfen_use_tool_pch(<target>...): tools and benchmarks compile with the shared set.
function(quillfen_use_tool_pch)
    if(NOT QUILLFEN_PCH)
        return()
    endif()
    quillfen_tool_pch_target()
    foreach(target IN LISTS ARGN)
        target_precompile_headers(${target} REUSE_FROM quillfen_tool_pch)
    endforeach()
endfunction()

# quillfen_compile_in_batches(<target>...): with QUILLFEN_UNITY, a library's files are compiled
# sixteen to a compiler run. A clean build (the test command's) spent half its time on the
# libraries, each file instantiating and generating the same Qt templates again; in batches they
# take a third of that. The developer build keeps one file a run, which keeps every file's
# includes its own and rebuilds only what changed. Names a file keeps to itself (an unnamed
# namespace) must then differ from those of the other files of its library.
function(quillfen_compile_in_batches)
    if(QUILLFEN_UNITY)
        set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
    endif()
endfunction()
