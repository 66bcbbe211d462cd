target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/race_scene_test.cpp)
target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/race_scene_layers_test.cpp)
