target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.h
  ${CMAKE_CURRENT_LIST_DIR}/main_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu.h
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/varn_view.h
  ${CMAKE_CURRENT_LIST_DIR}/varn_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/back_buffer.h
  ${CMAKE_CURRENT_LIST_DIR}/back_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/game_folder.h
  ${CMAKE_CURRENT_LIST_DIR}/game_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_sound_sink.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_sound_sink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_settings_store.h
  ${CMAKE_CURRENT_LIST_DIR}/qt_settings_store.cpp
)
