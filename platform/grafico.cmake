# Graph, slider and numeric display widgets over QCustomPlot.
add_library(kt_platform_graph STATIC
    ${CMAKE_CURRENT_LIST_DIR}/grafico_progetto.h ${CMAKE_CURRENT_LIST_DIR}/grafico_qcp.h
    ${CMAKE_CURRENT_LIST_DIR}/grafico.h ${CMAKE_CURRENT_LIST_DIR}/grafico.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grafico_cursori.cpp
    ${CMAKE_CURRENT_LIST_DIR}/grafico_impostazioni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/slider.h ${CMAKE_CURRENT_LIST_DIR}/slider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numerico.h ${CMAKE_CURRENT_LIST_DIR}/numerico.cpp)
target_link_libraries(kt_platform_graph PUBLIC kt_options kt_session Qt6::Widgets
                      QCustomPlotQt6::QCustomPlotQt6)
target_compile_definitions(kt_platform_graph PUBLIC QCUSTOMPLOT_USE_LIBRARY)
