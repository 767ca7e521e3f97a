kt_add_test(test_seriale_regole ${CMAKE_CURRENT_LIST_DIR}/test_seriale_regole.cpp)
target_link_libraries(test_seriale_regole PRIVATE kt_serial_ui)
kt_add_test(test_seriale_porta_qt ${CMAKE_CURRENT_LIST_DIR}/test_seriale_porta_qt.cpp)
target_link_libraries(test_seriale_porta_qt PRIVATE kt_platform_serial)
kt_add_test(test_seriale_dialogo ${CMAKE_CURRENT_LIST_DIR}/test_seriale_dialogo.cpp
            ${CMAKE_CURRENT_LIST_DIR}/test_protocollo_finti.h)
target_link_libraries(test_seriale_dialogo PRIVATE kt_serial_ui)
