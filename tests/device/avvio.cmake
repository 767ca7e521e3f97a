# The start-up sequence: title, application folder, and the whole program starting
# against the virtual board, without a board, and over the fake HID link.
kt_add_test(test_avvio_percorsi ${CMAKE_CURRENT_LIST_DIR}/test_avvio_percorsi.cpp)
target_link_libraries(test_avvio_percorsi PRIVATE kt_avvio)
target_compile_definitions(test_avvio_percorsi PRIVATE
    KT_VERSIONE_ATTESA="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")

kt_add_test(test_avvio_programma ${CMAKE_CURRENT_LIST_DIR}/test_avvio_programma.cpp)
target_link_libraries(test_avvio_programma PRIVATE kt_avvio)
target_compile_definitions(test_avvio_programma PRIVATE
    KT_SCHEDA_VIRTUALE="$<TARGET_FILE:kinetrack-board>"
    KT_VERSIONE_ATTESA="${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
add_dependencies(test_avvio_programma kinetrack-board)
