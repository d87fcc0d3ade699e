# A 100 kB firmware upgrade against pumpsim's boot loader. Build with
# `cmake --build build --target bench_upgrade` and run build/bench/bench_upgrade.
add_executable(bench_upgrade EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_upgrade.cpp)
target_link_libraries(bench_upgrade PRIVATE tidewell_link)
target_link_libraries(bench_upgrade PRIVATE tidewell_bench_support)
tidewell_warnings(bench_upgrade)
