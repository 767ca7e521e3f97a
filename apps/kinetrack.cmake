# kinetrack: the program.
add_executable(kinetrack ${CMAKE_CURRENT_LIST_DIR}/kinetrack/main.cpp)
target_link_libraries(kinetrack PRIVATE kt_options kt_avvio)
