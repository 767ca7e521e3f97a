kt_add_test(test_protocollo ${CMAKE_CURRENT_LIST_DIR}/test_protocollo.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_protocollo_finti.h)
target_link_libraries(test_protocollo PRIVATE kt_protocol)
