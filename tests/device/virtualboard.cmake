# The virtual board: its pure pieces, and the executable run as a separate process.
kt_add_test(test_virtualboard_comandi ${CMAKE_CURRENT_LIST_DIR}/test_virtualboard_comandi.cpp)
target_link_libraries(test_virtualboard_comandi PRIVATE kt_virtualboard)

kt_add_test(test_virtualboard_processo ${CMAKE_CURRENT_LIST_DIR}/test_virtualboard_processo.cpp)
target_link_libraries(test_virtualboard_processo PRIVATE kt_virtualboard)
target_compile_definitions(test_virtualboard_processo PRIVATE
    KT_SCHEDA_VIRTUALE="$<TARGET_FILE:kinetrack-board>")
add_dependencies(test_virtualboard_processo kinetrack-board)
