tidewell_add_test(tst_login GUI SOURCES tst_login.cpp)
tidewell_add_test(tst_startup GUI SOURCES tst_startup.cpp ScriptedUser.h TIMEOUT 180)
tidewell_add_test(tst_orchestrator SOURCES tst_orchestrator.cpp LinkFixture.h LinkFixture.cpp
    LIBS tidewell_link tidewell_sim TIMEOUT 180)
tidewell_add_test(tst_mainwindow GUI SOURCES tst_mainwindow.cpp LinkFixture.h LinkFixture.cpp
    TIMEOUT 180)
# Three read-outs with a silent slave, each about ten seconds of timeouts.
tidewell_add_test(tst_offline_pumps GUI SOURCES tst_offline_pumps.cpp LinkFixture.h LinkFixture.cpp
    TIMEOUT 180)
