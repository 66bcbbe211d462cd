# Runs the monkey with a seed from the clock, then again with the seed it
# printed: both runs must pass and do the same events (the same trace), so
# that any failure it finds can be replayed.
#   cmake -DMONKEY=path -DEVENTS=N -P replays_exactly.cmake
function(run_monkey out)
  execute_process(COMMAND "${MONKEY}" --events ${EVENTS} ${ARGN}
                  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result)
  message("${output}")
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "galloria-monkey failed (${result}):\n${errors}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

run_monkey(first)
string(REGEX MATCH "seed ([0-9]+)" _ "${first}")
set(seed "${CMAKE_MATCH_1}")
string(REGEX MATCH "trace ([0-9a-f]+)" _ "${first}")
set(trace "${CMAKE_MATCH_1}")
if(seed STREQUAL "" OR trace STREQUAL "")
  message(FATAL_ERROR "galloria-monkey printed no seed or no trace")
endif()

run_monkey(again --seed ${seed})
string(REGEX MATCH "trace ([0-9a-f]+)" _ "${again}")
if(NOT CMAKE_MATCH_1 STREQUAL trace)
  message(FATAL_ERROR "seed ${seed} did other events the second time: trace ${CMAKE_MATCH_1}, not ${trace}")
endif()
