# kinetrack-board: the virtual measuring board on a pseudo-terminal.
add_executable(kinetrack-board ${CMAKE_CURRENT_LIST_DIR}/kinetrack-board/main.cpp)
target_link_libraries(kinetrack-board PRIVATE kt_options kt_virtualboard)
