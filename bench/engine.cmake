# Engine and replay throughput, and memory per recorded sample (not a test).
add_executable(bench_engine ${CMAKE_CURRENT_LIST_DIR}/bench_engine.cpp)
target_link_libraries(bench_engine PRIVATE kt_options kt_replay Qt6::Core)
target_compile_definitions(bench_engine PRIVATE KT_REPLAY="$<TARGET_FILE:kinetrack-replay>")
add_dependencies(bench_engine kinetrack-replay)
