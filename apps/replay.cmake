add_executable(kinetrack-replay ${CMAKE_CURRENT_LIST_DIR}/kinetrack-replay/main.cpp)
target_link_libraries(kinetrack-replay PRIVATE kt_options kt_replay Qt6::Core)
