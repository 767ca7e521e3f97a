# Drawing benchmark of the graph window (not a test): bench_grafici [seconds] [rates...]
add_executable(bench_grafici ${CMAKE_CURRENT_LIST_DIR}/bench_grafici.cpp)
target_link_libraries(bench_grafici PRIVATE kt_options kt_analysis_ui kt_engine kt_board kt_porta)
