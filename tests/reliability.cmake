# The link under faults and hostile input: the short soak, and the edges the
# fuzz targets (tests/fuzz/) found.
tidewell_add_test(tst_soak SOURCES tst_soak.cpp SoakRun.h SoakRun.cpp
    LIBS tidewell_link tidewell_sim TIMEOUT 180)
tidewell_add_test(tst_link_edges SOURCES tst_link_edges.cpp LinkFixture.h LinkFixture.cpp
    LIBS tidewell_link tidewell_sim)
tidewell_add_test(tst_thread_guard SOURCES tst_thread_guard.cpp LIBS tidewell_settings)
# The client against a Modbus server we did not write: Debian's pymodbus.
tidewell_add_test(tst_interop GUI SOURCES tst_interop.cpp LinkFixture.h LinkFixture.cpp)
target_compile_definitions(tst_interop PRIVATE
    INTEROP_SERVER="${CMAKE_CURRENT_SOURCE_DIR}/interop/rtu_tcp_server.py")
