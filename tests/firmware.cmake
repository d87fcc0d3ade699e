# The firmware transfer, the upgrade page and the password dialog.
tidewell_add_test(tst_boot SOURCES tst_boot.cpp LIBS tidewell_link)
tidewell_add_test(tst_firmware GUI SOURCES tst_firmware.cpp LinkFixture.h LinkFixture.cpp
    TIMEOUT 240)
tidewell_add_test(tst_password GUI SOURCES tst_password.cpp)
