# The dosing schedule: its encodings on their own, then the pages and
# dialogs against the simulator.
tidewell_add_test(tst_dosprogramme SOURCES tst_dosprogramme.cpp LIBS tidewell_dosing)
tidewell_add_test(tst_dosing GUI SOURCES tst_dosing.cpp LinkFixture.h LinkFixture.cpp TIMEOUT 240)
tidewell_add_test(tst_dosdialogs GUI SOURCES tst_dosdialogs.cpp LinkFixture.h LinkFixture.cpp)
tidewell_add_test(tst_quicksetup GUI SOURCES tst_quicksetup.cpp LinkFixture.h LinkFixture.cpp)
