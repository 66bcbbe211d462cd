target_sources(galloria_ui_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/betting_window_dlg_test.cpp)
