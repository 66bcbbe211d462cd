# Regenerates the starting stable into OUT and compares it, byte for byte,
# with the committed one in EXPECTED.
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
execute_process(COMMAND "${MAKER}" "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the stable maker failed with ${status}")
endif()
foreach(name Stable.dat BackUp.dat)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}/${name}" "${EXPECTED}/${name}"
                  RESULT_VARIABLE different)
  if(different)
    message(FATAL_ERROR "${name} made now differs from the committed ${EXPECTED}/${name}; "
                        "regenerate it with galloria-stable-maker if the change is meant")
  endif()
endforeach()
