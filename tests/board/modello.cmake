kt_add_test(test_modello ${CMAKE_CURRENT_LIST_DIR}/test_modello.cpp)
target_link_libraries(test_modello PRIVATE kt_board Qt6::Core)

kt_add_test(test_motore_copioni ${CMAKE_CURRENT_LIST_DIR}/test_motore_copioni.cpp)
target_link_libraries(test_motore_copioni PRIVATE kt_replay Qt6::Core)
