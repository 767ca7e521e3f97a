# The command dialogue with the board (headless).
add_library(kt_protocol STATIC
    ${CMAKE_CURRENT_LIST_DIR}/uscita_hid.h
    ${CMAKE_CURRENT_LIST_DIR}/protocollo.h ${CMAKE_CURRENT_LIST_DIR}/protocollo.cpp)
target_link_libraries(kt_protocol PUBLIC kt_options kt_session kt_porta kt_platform_serial
                      kt_engine Qt6::Core)
