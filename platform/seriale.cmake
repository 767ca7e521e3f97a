# The real serial port, the port-number rule and the per-user settings store.
add_library(kt_platform_serial STATIC
    ${CMAKE_CURRENT_LIST_DIR}/porta_qt.h ${CMAKE_CURRENT_LIST_DIR}/porta_qt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mappa_porte.h ${CMAKE_CURRENT_LIST_DIR}/mappa_porte.cpp
    ${CMAKE_CURRENT_LIST_DIR}/impostazioni_utente.h
    ${CMAKE_CURRENT_LIST_DIR}/impostazioni_utente.cpp)
target_link_libraries(kt_platform_serial PUBLIC kt_options kt_porta Qt6::Core Qt6::SerialPort)
