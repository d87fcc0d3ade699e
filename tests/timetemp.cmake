tidewell_add_test(tst_timetemp_domain SOURCES tst_timetemp_domain.cpp LIBS tidewell_status)
tidewell_add_test(tst_timetemp_sim SOURCES tst_timetemp_sim.cpp LIBS tidewell_sim)
tidewell_add_test(tst_timetemp GUI SOURCES tst_timetemp.cpp TIMEOUT 240)
