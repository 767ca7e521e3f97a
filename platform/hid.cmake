# USB HID access: the interface, hidapi (hidraw) behind it, the reader thread, the
# polled plug notices, and the fake used by tests.
add_library(kt_hid STATIC
    ${CMAKE_CURRENT_LIST_DIR}/hid_libreria.h
    ${CMAKE_CURRENT_LIST_DIR}/hid_hidapi.h ${CMAKE_CURRENT_LIST_DIR}/hid_hidapi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hid_lettore.h ${CMAKE_CURRENT_LIST_DIR}/hid_lettore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hid_sorveglianza.h ${CMAKE_CURRENT_LIST_DIR}/hid_sorveglianza.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hid_finto.h ${CMAKE_CURRENT_LIST_DIR}/hid_finto.cpp)
target_link_libraries(kt_hid PUBLIC kt_options Qt6::Core PRIVATE PkgConfig::HIDAPI)
