add_executable(kinetrack-capture ${CMAKE_CURRENT_LIST_DIR}/kinetrack-capture/main.cpp)
target_link_libraries(kinetrack-capture PRIVATE kt_options kt_replay Qt6::Core)
