# quillfen_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [GUI] [TIMEOUT <s>])
# One QtTest executable per unit, registered with CTest. GUI suites run on the offscreen
# platform (GUI only documents which suites need widgets). No suite may open the web site.
function(quillfen_add_test name)
    cmake_parse_arguments(ARG "GUI" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test quillfen_fakes quillfen_flags ${ARG_LIBRARIES})
    target_compile_definitions(${name} PRIVATE
        QUILLFEN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        QUILLFEN_BINARY_DIR="${PROJECT_BINARY_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    # Logic suites use QTEST_GUILESS_MAIN; the platform setting only matters to GUI suites. The
    # configuration folder of each suite is its own, so nothing reaches the user's settings, and
    # the only host a start-up may ping is this machine.
    set(environment "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8" "QUILLFEN_WEBSITE_URL="
        "QUILLFEN_PING_HOST=127.0.0.1"
        "XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/${name}.config")
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
