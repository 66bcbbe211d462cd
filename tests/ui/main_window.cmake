target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
                                         ${CMAKE_CURRENT_LIST_DIR}/translation_test.cpp)
