# Regenerates the horse strips into OUT and compares them, byte for byte,
# with the committed ones in EXPECTED.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${MAKER}" "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the horse maker failed with ${status}")
endif()
foreach(name horse_shading.png body_mask.png cloth_mask.png second_mask.png silhouette.png)
  if(NOT EXISTS "${OUT}/race/${name}")
    message(FATAL_ERROR "the horse maker did not write race/${name}")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/race/${name}" "${EXPECTED}/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "race/${name} made now differs from the committed ${EXPECTED}/${name}; "
                        "regenerate it with galloria-horse-maker resources if the change is meant")
  endif()
endforeach()
