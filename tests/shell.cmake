tidewell_add_test(tst_login GUI SOURCES tst_login.cpp)
tidewell_add_test(tst_startup GUI SOURCES tst_startup.cpp ScriptedUser.h TIMEOUT 180)
tidewell_add_test(tst_orchestrator SOURCES tst_orchestrator.cpp LinkFixture.h LinkFixture.cpp
    LIBS tidewell_link tidewell_sim TIMEOUT 180)
tidewell_add_test(tst_mainwindow GUI SOURCES tst_mainwindow.cpp LinkFixture.h LinkFixture.cpp
    TIMEOUT 180)
