add_library(kt_session STATIC
    ${CMAKE_CURRENT_LIST_DIR}/sessione.h ${CMAKE_CURRENT_LIST_DIR}/avvisi.h
    ${CMAKE_CURRENT_LIST_DIR}/formato.h ${CMAKE_CURRENT_LIST_DIR}/formato.cpp
    ${CMAKE_CURRENT_LIST_DIR}/attendi.h ${CMAKE_CURRENT_LIST_DIR}/attendi.cpp)
target_link_libraries(kt_session PUBLIC kt_options Qt6::Core)
