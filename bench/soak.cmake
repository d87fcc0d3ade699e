# The link soak: `cmake --build build --target bench_soak`, then
# build/bench/bench_soak [SECONDS] (default 600).
add_executable(bench_soak EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_soak.cpp
    ${PROJECT_SOURCE_DIR}/tests/SoakRun.h ${PROJECT_SOURCE_DIR}/tests/SoakRun.cpp)
target_include_directories(bench_soak PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(bench_soak PRIVATE tidewell_link tidewell_sim tidewell_bench_support)
tidewell_warnings(bench_soak)
