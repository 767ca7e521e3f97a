# The headless replay of a captured stream through the engine and the file writers.
add_library(kt_replay STATIC
    ${CMAKE_CURRENT_LIST_DIR}/replay.h ${CMAKE_CURRENT_LIST_DIR}/replay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cattura.h ${CMAKE_CURRENT_LIST_DIR}/cattura.cpp)
target_link_libraries(kt_replay PUBLIC kt_options kt_board kt_engine kt_datafiles kt_porta
                      kt_session Qt6::Core)
