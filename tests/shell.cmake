tidewell_add_test(tst_login GUI SOURCES tst_login.cpp)
