# The graph window fed live by the board's model: kinetrack-grafici-demo [seconds]
add_executable(kinetrack-grafici-demo ${CMAKE_CURRENT_LIST_DIR}/kinetrack-grafici-demo/main.cpp)
target_link_libraries(kinetrack-grafici-demo PRIVATE kt_options kt_analysis_ui kt_engine kt_board)
