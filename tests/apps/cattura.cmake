kt_add_test(test_cattura ${CMAKE_CURRENT_LIST_DIR}/test_cattura.cpp)
target_link_libraries(test_cattura PRIVATE kt_replay Qt6::Core)
