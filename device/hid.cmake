# The HID link window.
add_library(kt_hid_ui STATIC ${CMAKE_CURRENT_LIST_DIR}/frm_hid.h ${CMAKE_CURRENT_LIST_DIR}/frm_hid.cpp)
target_link_libraries(kt_hid_ui PUBLIC kt_options kt_hid kt_engine kt_session Qt6::Widgets)
