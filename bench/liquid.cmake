add_executable(bench_liquid EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_liquid.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_liquid PRIVATE tidewell_app tidewell_sim)
target_compile_definitions(bench_liquid PRIVATE PUMPSIM_PATH="$<TARGET_FILE:pumpsim>")
add_dependencies(bench_liquid pumpsim)
tidewell_warnings(bench_liquid)
