# The race as a show: the call's line, the finish margins on the results, the replays.
target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/race_call_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/race_call_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/finish_margins_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/finish_margins_painter.cpp
)
target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/replay_list_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/replay_list_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/replay_photos_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/replay_photos_painter.cpp
)
