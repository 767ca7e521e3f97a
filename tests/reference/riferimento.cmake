# The replay of a stored capture against its stored sample and summary files.
kt_add_test(test_riferimento ${CMAKE_CURRENT_LIST_DIR}/test_riferimento.cpp)
target_link_libraries(test_riferimento PRIVATE Qt6::Core)
target_compile_definitions(test_riferimento PRIVATE KT_REPLAY="$<TARGET_FILE:kinetrack-replay>"
                           KT_RIFERIMENTI="${CMAKE_CURRENT_LIST_DIR}")
add_dependencies(test_riferimento kinetrack-replay)
