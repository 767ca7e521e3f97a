# The frame window.
add_library(kt_mainwindow STATIC ${CMAKE_CURRENT_LIST_DIR}/frm_main.h
    ${CMAKE_CURRENT_LIST_DIR}/frm_main.cpp)
target_link_libraries(kt_mainwindow PUBLIC kt_options kt_session Qt6::Widgets)
