# Nothing a test does may leave the machine: every outside address of the program points at the
# discard port of this machine (refused at once), and any request to a host that is not a loopback
# address fails before its name is looked up. A suite that starts a stand-in sets its own
# addresses on top.
set(QUILLFEN_TEST_NETWORK_ENVIRONMENT
    "QUILLFEN_LOOPBACK_ONLY=1"
    "QUILLFEN_OPENFOODFACTS_URL=http://127.0.0.1:9"
    "QUILLFEN_OPENLIBRARY_URL=http://127.0.0.1:9"
    "QUILLFEN_UPCITEMDB_URL=http://127.0.0.1:9"
    "QUILLFEN_COVERS_URL=http://127.0.0.1:9"
    "QUILLFEN_IMAGES_URL=http://127.0.0.1:9"
    "QUILLFEN_INDEX_URL=http://127.0.0.1:9/export.csv.gz"
    "QUILLFEN_LOC_URL=z3950://127.0.0.1:9/Voyager"
    "QUILLFEN_DNB_URL=http://127.0.0.1:9/sru/dnb"
    "QUILLFEN_K10PLUS_URL=http://127.0.0.1:9/opac-de-627")

# quillfen_test_home(<name> <variable>)
# The folder a suite keeps its settings and other files in, under the build tree. Its path is made
# at least 150 characters long on purpose: libraries below us (fontconfig, for one) have been
# seen to misbehave with long XDG paths, and users check out into deep folders, so every run takes
# the long road rather than only the runs of those who happen to.
function(quillfen_test_home name variable)
    set(home "${CMAKE_CURRENT_BINARY_DIR}/${name}.home")
    string(LENGTH "${home}" length)
    while(length LESS 150)
        string(APPEND home "/deliberately-deep")
        string(LENGTH "${home}" length)
    endwhile()
    set(${variable} "${home}" PARENT_SCOPE)
endfunction()

# quillfen_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [GUI] [NETNS] [TIMEOUT <s>]
#                   [LONG])
# One QtTest executable per unit, registered with CTest. GUI suites run on the offscreen
# platform (GUI only documents which suites need widgets). No suite may open the web site.
# LONG suites start first: on a clean build CTest knows no earlier times, and one that starts
# last would leave the other core idle while it finishes.
function(quillfen_add_test name)
    cmake_parse_arguments(ARG "GUI;NETNS;LONG" "TIMEOUT" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quillfen_fakes quillfen_flags ${ARG_LIBRARIES})
    quillfen_use_test_pch(${name})
    # Each suite gets a home of its own (settings, remembered answers, product index), emptied
    # before every run, so nothing reaches the user's files and no run sees what an earlier run
    # saved.
    quillfen_test_home(${name} home)
    set(prepare "rm -rf \"$1\" && mkdir -p \"$1/config\" \"$1/cache\" \"$1/data\"")
    if(WIN32)
        # Cross-built: the suite runs under wine, which tests/windows/wine-run sets up (the
        # Windows build's whole run is one network namespace with loopback alone).
        add_test(NAME ${name}
            COMMAND sh -c "${prepare} && shift && exec \"$@\"" sh "${home}"
                ${QUILLFEN_WINE_RUN} $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES LABELS windows)
    elseif(ARG_NETNS)
        # A network namespace of its own with loopback alone: nothing the suite does could leave
        # the machine even if the code under test were wrong.
        add_test(NAME ${name}
            COMMAND unshare --net sh -c "${prepare} && ip link set lo up && shift && exec \"$@\""
                sh "${home}" $<TARGET_FILE:${name}>)
    else()
        add_test(NAME ${name}
            COMMAND sh -c "${prepare} && shift && exec \"$@\"" sh "${home}" $<TARGET_FILE:${name}>)
    endif()
    # Logic suites use QTEST_GUILESS_MAIN; the platform setting only matters to GUI suites. The
    # only host a start-up may ping is this machine.
    set(environment "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8" "QUILLFEN_WEBSITE_URL="
        "QUILLFEN_PING_HOST=127.0.0.1" "XDG_CONFIG_HOME=${home}/config"
        "XDG_CACHE_HOME=${home}/cache" "XDG_DATA_HOME=${home}/data"
        ${QUILLFEN_TEST_NETWORK_ENVIRONMENT} ${QUILLFEN_WINE_ENVIRONMENT})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${ARG_TIMEOUT})
    if(ARG_LONG)
        set_tests_properties(${name} PROPERTIES COST 100)
    endif()
endfunction()
