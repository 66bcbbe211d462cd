target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/racing_form_painter.h
  ${CMAKE_CURRENT_LIST_DIR}/racing_form_painter.cpp
)
