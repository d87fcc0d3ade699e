# Dose settings Read and Save and the quick setup's Setup through the real
# pages: `cmake --build build --target bench_dosing`, run build/bench/bench_dosing.
add_executable(bench_dosing EXCLUDE_FROM_ALL bench_dosing.cpp $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_dosing PRIVATE tidewell_app tidewell_sim)
target_link_libraries(bench_dosing PRIVATE tidewell_bench_support)
tidewell_warnings(bench_dosing)
