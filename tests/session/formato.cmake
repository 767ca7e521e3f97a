kt_add_test(test_formato ${CMAKE_CURRENT_LIST_DIR}/test_formato.cpp)
target_link_libraries(test_formato PRIVATE kt_session)
