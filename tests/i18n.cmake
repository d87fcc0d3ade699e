# Languages: every window in each of the four languages, the switch between
# them, and translation sources that cover every text of the program.
tidewell_add_test(tst_languages GUI SOURCES tst_languages.cpp TIMEOUT 240)

# lupdate over the sources into copies of the four .ts files: no text may be
# left unfinished and none may have gone out of use.
find_program(TIDEWELL_LUPDATE NAMES lupdate lupdate-qt5
    HINTS ${Qt5_DIR}/../../../bin /usr/lib/qt5/bin /usr/lib/x86_64-linux-gnu/qt5/bin)
if(TIDEWELL_LUPDATE)
    add_test(NAME tst_translations
        COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tst_translations.sh ${TIDEWELL_LUPDATE}
            ${CMAKE_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}/translations-check)
    set_tests_properties(tst_translations PROPERTIES TIMEOUT 120)
endif()

# The screenshot program behind scripts/screenshots.sh: the client
# in-process against the simulator, one language per run.
add_executable(tidewell_shots shots/ScreenShots.cpp TestSupport.h TestSupport.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(tidewell_shots PRIVATE tidewell_app tidewell_sim)
target_include_directories(tidewell_shots PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
tidewell_warnings(tidewell_shots)
