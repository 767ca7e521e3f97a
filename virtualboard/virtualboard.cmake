# The virtual board: command replies, pseudo-terminal, port link, paced record stream.
add_library(kt_virtualboard STATIC
    ${CMAKE_CURRENT_LIST_DIR}/comandi_scheda.h ${CMAKE_CURRENT_LIST_DIR}/comandi_scheda.cpp
    ${CMAKE_CURRENT_LIST_DIR}/terminale_virtuale.h ${CMAKE_CURRENT_LIST_DIR}/terminale_virtuale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scheda_virtuale.h ${CMAKE_CURRENT_LIST_DIR}/scheda_virtuale.cpp
    ${CMAKE_CURRENT_LIST_DIR}/moto_scheda.h ${CMAKE_CURRENT_LIST_DIR}/moto_scheda.cpp
    ${CMAKE_CURRENT_LIST_DIR}/opzioni_scheda.h ${CMAKE_CURRENT_LIST_DIR}/opzioni_scheda.cpp
    ${CMAKE_CURRENT_LIST_DIR}/avvio_scheda.h ${CMAKE_CURRENT_LIST_DIR}/avvio_scheda.cpp)
target_link_libraries(kt_virtualboard PUBLIC kt_options kt_board kt_session Qt6::Core)
