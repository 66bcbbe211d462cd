target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/racing_form_test.cpp)
