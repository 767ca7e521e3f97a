# Against the virtual board on a pseudo-terminal (needs kinetrack-board).
if(TARGET kinetrack-board)
    kt_add_test(test_integrazione_scheda ${CMAKE_CURRENT_LIST_DIR}/test_integrazione_scheda.cpp
                ${CMAKE_CURRENT_LIST_DIR}/test_protocollo_finti.h)
    target_link_libraries(test_integrazione_scheda PRIVATE kt_serial_ui kt_engine)
    target_compile_definitions(test_integrazione_scheda PRIVATE
        KT_SCHEDA_VIRTUALE="$<TARGET_FILE:kinetrack-board>")
    add_dependencies(test_integrazione_scheda kinetrack-board)
endif()
