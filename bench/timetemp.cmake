# The time and temperature page's four operations against pumpsim.
add_executable(bench_timetemp EXCLUDE_FROM_ALL bench_timetemp.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_timetemp PRIVATE tidewell_app tidewell_sim)
target_link_libraries(bench_timetemp PRIVATE tidewell_bench_support)
tidewell_warnings(bench_timetemp)
