# The time and temperature page's four operations against pumpsim.
add_executable(bench_timetemp EXCLUDE_FROM_ALL bench_timetemp.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_timetemp PRIVATE tidewell_app tidewell_sim)
target_compile_definitions(bench_timetemp PRIVATE PUMPSIM_PATH="$<TARGET_FILE:pumpsim>")
add_dependencies(bench_timetemp pumpsim)
tidewell_warnings(bench_timetemp)
