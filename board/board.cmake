# The board's stream model: lift scripts, records, wire formats, expected results.
add_library(kt_board STATIC
    ${CMAKE_CURRENT_LIST_DIR}/copione.h ${CMAKE_CURRENT_LIST_DIR}/copione.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flusso_scheda.h ${CMAKE_CURRENT_LIST_DIR}/flusso_scheda.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attese.h ${CMAKE_CURRENT_LIST_DIR}/attese.cpp)
target_link_libraries(kt_board PUBLIC kt_options Qt6::Core)
