# Tests of the measurement engine.
kt_add_test(test_ricezione ${CMAKE_CURRENT_LIST_DIR}/test_ricezione.cpp
    ${CMAKE_CURRENT_LIST_DIR}/banco_prova.h ${CMAKE_SOURCE_DIR}/tests/support/vista_registratore.h)
target_link_libraries(test_ricezione PRIVATE kt_engine)
kt_add_test(test_ripetizioni ${CMAKE_CURRENT_LIST_DIR}/test_ripetizioni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/banco_prova.h ${CMAKE_SOURCE_DIR}/tests/support/vista_registratore.h)
target_link_libraries(test_ripetizioni PRIVATE kt_engine)
