# The graph window, its value list and the graph property editor.
add_library(kt_analysis_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/progetti_grafici.h ${CMAKE_CURRENT_LIST_DIR}/progetti_grafici.cpp
    ${CMAKE_CURRENT_LIST_DIR}/elenco_valori.h ${CMAKE_CURRENT_LIST_DIR}/elenco_valori.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_grafici.h ${CMAKE_CURRENT_LIST_DIR}/frm_grafici.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_edit_grafici.h ${CMAKE_CURRENT_LIST_DIR}/frm_edit_grafici.cpp)
target_link_libraries(kt_analysis_ui PUBLIC kt_options kt_session kt_engine kt_platform_graph
                      Qt6::Widgets)
