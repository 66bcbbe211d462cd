# The committed horse strips must be what the horse maker draws today.
if(GALLORIA_BUILD_UI)
  add_test(NAME HorseMaker.RegeneratesByteForByte
    COMMAND ${CMAKE_COMMAND}
      -DMAKER=$<TARGET_FILE:galloria-horse-maker>
      -DOUT=${CMAKE_CURRENT_BINARY_DIR}/regenerated_horse
      -DEXPECTED=${PROJECT_SOURCE_DIR}/resources/race
      -P ${CMAKE_CURRENT_SOURCE_DIR}/check_horse_maker.cmake)
endif()
