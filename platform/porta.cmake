# The serial port interface and the in-memory port.
add_library(kt_porta STATIC
    ${CMAKE_CURRENT_LIST_DIR}/porta_seriale.h
    ${CMAKE_CURRENT_LIST_DIR}/porta_memoria.h ${CMAKE_CURRENT_LIST_DIR}/porta_memoria.cpp)
target_link_libraries(kt_porta PUBLIC kt_options Qt6::Core)
