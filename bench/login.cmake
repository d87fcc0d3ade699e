add_executable(bench_login EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/bench_login.cpp
    $<TARGET_OBJECTS:tidewell_resources>)
target_link_libraries(bench_login PRIVATE tidewell_app)
target_link_libraries(bench_login PRIVATE tidewell_bench_support)
tidewell_warnings(bench_login)
