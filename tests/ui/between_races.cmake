target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/between_races_test.cpp)
