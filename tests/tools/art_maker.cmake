# The pictures and sounds need Qt Gui to draw, like their maker.
if(GALLORIA_BUILD_UI)
  # The committed art and sounds must be what the maker makes today.
  add_test(NAME ArtMaker.RegeneratesByteForByte
    COMMAND ${CMAKE_COMMAND}
      -DMAKER=$<TARGET_FILE:galloria-art-maker>
      -DOUT=${CMAKE_CURRENT_BINARY_DIR}/regenerated_art
      -DEXPECTED=${PROJECT_SOURCE_DIR}/resources
      -P ${CMAKE_CURRENT_SOURCE_DIR}/check_art_maker.cmake)

  add_executable(galloria_art_maker_tests art_maker_test.cpp)
  target_link_libraries(galloria_art_maker_tests PRIVATE galloria_art_lib GTest::gtest GTest::gtest_main)
  gtest_discover_tests(galloria_art_maker_tests DISCOVERY_TIMEOUT 60)
endif()
