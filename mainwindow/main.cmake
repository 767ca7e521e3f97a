# The frame window with its child windows, and the view that spreads the engine's
# output over them.
add_library(kt_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frm_main.h ${CMAKE_CURRENT_LIST_DIR}/frm_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vista_principale.h ${CMAKE_CURRENT_LIST_DIR}/vista_principale.cpp)
target_link_libraries(kt_mainwindow PUBLIC kt_options kt_session kt_setup_ui kt_analysis_ui
                      Qt6::Widgets)
