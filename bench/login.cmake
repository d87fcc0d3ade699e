add_executable(bench_login EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_login.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_login PRIVATE tidewell_app)
target_compile_definitions(bench_login PRIVATE PUMPSIM_PATH="$<TARGET_FILE:pumpsim>")
add_dependencies(bench_login pumpsim)
tidewell_warnings(bench_login)
