# The HID link window over the fake HID library.
kt_add_test(test_hid_link ${CMAKE_CURRENT_LIST_DIR}/test_hid_link.cpp)
target_link_libraries(test_hid_link PRIVATE kt_hid_ui kt_protocol kt_board)
