tidewell_add_test(tst_liquid_formulas SOURCES tst_liquid_formulas.cpp LIBS tidewell_status)
tidewell_add_test(tst_manual GUI SOURCES tst_manual.cpp tst_liquid_support.h LinkFixture.h
    LinkFixture.cpp)
tidewell_add_test(tst_liquid_pages GUI SOURCES tst_liquid_pages.cpp tst_liquid_support.h
    LinkFixture.h LinkFixture.cpp)
tidewell_add_test(tst_calibration GUI SOURCES tst_calibration.cpp tst_liquid_support.h
    LinkFixture.h LinkFixture.cpp)
tidewell_add_test(tst_liquid_status GUI SOURCES tst_liquid_status.cpp tst_liquid_support.h
    LinkFixture.h LinkFixture.cpp)
tidewell_add_test(tst_sensor GUI SOURCES tst_sensor.cpp tst_liquid_support.h LinkFixture.h
    LinkFixture.cpp)
tidewell_add_test(tst_liquid_sim SOURCES tst_liquid_sim.cpp LIBS tidewell_sim)
