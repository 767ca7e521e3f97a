kt_add_test(test_replay ${CMAKE_CURRENT_LIST_DIR}/test_replay.cpp)
target_link_libraries(test_replay PRIVATE kt_board Qt6::Core)
target_compile_definitions(test_replay PRIVATE KT_REPLAY="$<TARGET_FILE:kinetrack-replay>")
add_dependencies(test_replay kinetrack-replay)
