target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/stable_windows_test.cpp)
