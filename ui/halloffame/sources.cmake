target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/score_sheet.h
  ${CMAKE_CURRENT_LIST_DIR}/score_sheet.cpp
)
