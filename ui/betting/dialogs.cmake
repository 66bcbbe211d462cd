target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/betting_style.h
  ${CMAKE_CURRENT_LIST_DIR}/betting_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/betting_window_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/betting_window_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/review_bets_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/review_bets_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_table.h
  ${CMAKE_CURRENT_LIST_DIR}/board_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_odds_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/live_odds_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bet_results_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/bet_results_dlg.cpp
)
