# Regenerates the art, desktop icons and sounds into OUT and compares them, byte for byte,
# with the committed ones in EXPECTED (the resources folder): the same files,
# no more and no fewer, and the same bytes in each.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${MAKER}" "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the art maker failed with ${status}")
endif()

file(GLOB made RELATIVE "${OUT}" "${OUT}/art/*.png" "${OUT}/sounds/*.wav" "${OUT}/icons/hicolor/*/apps/*.png")
file(GLOB committed RELATIVE "${EXPECTED}" "${EXPECTED}/art/*.png" "${EXPECTED}/sounds/*.wav"
     "${EXPECTED}/icons/hicolor/*/apps/*.png")
list(SORT made)
list(SORT committed)
if(NOT made STREQUAL committed)
  message(FATAL_ERROR "the art maker makes\n  ${made}\nbut ${EXPECTED} holds\n  ${committed}\n"
                      "regenerate with galloria-art-maker if the change is meant")
endif()
list(LENGTH made count)
if(count EQUAL 0)
  message(FATAL_ERROR "the art maker made nothing")
endif()

foreach(name art.qrc sounds.qrc ${made})
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${EXPECTED}/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} made now differs from the committed ${EXPECTED}/${name}; "
                        "regenerate it with galloria-art-maker if the change is meant")
  endif()
endforeach()
