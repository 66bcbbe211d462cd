target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/stable_look.h
  ${CMAKE_CURRENT_LIST_DIR}/stable_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/new_horse_editor_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/new_horse_editor_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/horse_database_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/horse_database_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/horse_form_card.h
  ${CMAKE_CURRENT_LIST_DIR}/horse_form_card.cpp
)
