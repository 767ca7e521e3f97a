# The header strip shown across the top of the main window.
add_library(kt_setup_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frm_intestazione.h ${CMAKE_CURRENT_LIST_DIR}/frm_intestazione.cpp)
target_link_libraries(kt_setup_ui PUBLIC kt_options kt_session Qt6::Widgets)
