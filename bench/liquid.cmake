add_executable(bench_liquid EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_liquid.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_liquid PRIVATE tidewell_app tidewell_sim)
target_link_libraries(bench_liquid PRIVATE tidewell_bench_support)
tidewell_warnings(bench_liquid)
