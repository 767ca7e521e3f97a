# The data files (Qt Core only), and the progress window shown while they are written.
add_library(kt_datafiles STATIC
    ${CMAKE_CURRENT_LIST_DIR}/avanzamento.h
    ${CMAKE_CURRENT_LIST_DIR}/nomi_file.h ${CMAKE_CURRENT_LIST_DIR}/nomi_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scrittura_numeri.h ${CMAKE_CURRENT_LIST_DIR}/scrittura_numeri.cpp
    ${CMAKE_CURRENT_LIST_DIR}/salva_campioni.h ${CMAKE_CURRENT_LIST_DIR}/salva_campioni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/salva_ripetizioni.h ${CMAKE_CURRENT_LIST_DIR}/salva_ripetizioni.cpp)
target_link_libraries(kt_datafiles PUBLIC kt_options kt_session Qt6::Core)

add_library(kt_datafiles_ui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frm_progress.h ${CMAKE_CURRENT_LIST_DIR}/frm_progress.cpp)
target_link_libraries(kt_datafiles_ui PUBLIC kt_datafiles Qt6::Widgets)
