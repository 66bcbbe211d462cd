target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/course_colours.h
  ${CMAKE_CURRENT_LIST_DIR}/race_scene_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/race_scene_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/race_scene_layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_rect_qt.h
)
target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/race_loop.h
  ${CMAKE_CURRENT_LIST_DIR}/race_loop.cpp
)
target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/finish_photo_album.h
  ${CMAKE_CURRENT_LIST_DIR}/finish_photo_album.cpp
  ${CMAKE_CURRENT_LIST_DIR}/payout_board_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/payout_board_painter.cpp
)
