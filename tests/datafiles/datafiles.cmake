kt_add_test(test_file_dati ${CMAKE_CURRENT_LIST_DIR}/test_file_dati.cpp)
target_link_libraries(test_file_dati PRIVATE kt_datafiles)
