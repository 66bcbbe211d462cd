# The runners' sprite strips, built per race from the horse art.
target_sources(galloria_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/runner_sprites.h
  ${CMAKE_CURRENT_LIST_DIR}/runner_sprites.cpp
)
