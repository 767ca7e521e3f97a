# The port dialog and the board search.
add_library(kt_serial_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frm_seriale_regole.h ${CMAKE_CURRENT_LIST_DIR}/frm_seriale_regole.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ricerca_scheda.h ${CMAKE_CURRENT_LIST_DIR}/ricerca_scheda.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_seriale.h ${CMAKE_CURRENT_LIST_DIR}/frm_seriale.cpp)
target_link_libraries(kt_serial_ui PUBLIC kt_options kt_protocol kt_platform_serial
                      Qt6::Core Qt6::Gui Qt6::Widgets)
