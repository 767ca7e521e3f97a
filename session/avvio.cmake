# The program as a whole: start-up sequence, windows, transports.
add_library(kt_avvio STATIC ${CMAKE_CURRENT_LIST_DIR}/avvio.h ${CMAKE_CURRENT_LIST_DIR}/avvio.cpp)
target_link_libraries(kt_avvio PUBLIC kt_options kt_session kt_mainwindow kt_hid_ui kt_hid
                      kt_serial_ui kt_protocol kt_platform_serial kt_engine Qt6::Widgets)
