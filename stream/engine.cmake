# The measurement engine: stream decoding, live processing and the value list's data.
add_library(kt_engine STATIC
    ${CMAKE_CURRENT_LIST_DIR}/decodifica.h ${CMAKE_CURRENT_LIST_DIR}/decodifica.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vista_misura.h
    ${CMAKE_CURRENT_LIST_DIR}/motore_misura.h ${CMAKE_CURRENT_LIST_DIR}/motore_misura.cpp
    ${CMAKE_SOURCE_DIR}/analysis/lista_valori.h ${CMAKE_SOURCE_DIR}/analysis/lista_valori.cpp)
target_link_libraries(kt_engine PUBLIC kt_options kt_session kt_porta Qt6::Core)
