# Fails when a file of core/ includes a folder above its own layer. The layers,
# lowest first; each may include only itself and the layers below it.
#   cmake -DCORE_DIR=<core folder> -DSTAMP=<file to touch> -P check_layers.cmake
set(layers base stable race betting halloffame reports game)

set(failures "")
foreach(layer IN LISTS layers)
  list(FIND layers ${layer} rank)
  file(GLOB_RECURSE sources "${CORE_DIR}/${layer}/*.h" "${CORE_DIR}/${layer}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([a-z_]+)/.*" "\\1" target "${line}")
      list(FIND layers ${target} targetRank)
      if(targetRank EQUAL -1 OR targetRank GREATER rank)
        file(RELATIVE_PATH shown "${CORE_DIR}" "${source}")
        string(APPEND failures "  ${shown} (${layer}) includes ${target}/\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  string(REPLACE ";" ", " shownLayers "${layers}")
  message(FATAL_ERROR "core/ layers are ${shownLayers}, lowest first; each may include only "
                      "itself and the layers below it. Back-references:\n${failures}")
endif()
if(STAMP)
  file(TOUCH "${STAMP}")
endif()
