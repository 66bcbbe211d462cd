# Fails unless every catalogue is complete and up to date: lupdate run over
# the sources again changes nothing (no text is missing, none is left over),
# and no entry is unfinished, obsolete or vanished.
# cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -DCODES="es;de;fr" -P check_catalogues.cmake
file(MAKE_DIRECTORY ${WORK_DIR})
set(problems "")
if(NOT CODES)
  message(FATAL_ERROR "No language to check")
endif()
foreach(code IN LISTS CODES)
  set(committed ${SOURCE_DIR}/i18n/galloria_${code}.ts)
  set(refreshed ${WORK_DIR}/galloria_${code}.ts)
  configure_file(${committed} ${refreshed} COPYONLY)
  execute_process(
    COMMAND ${LUPDATE} -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=SCREEN_TEXT -locations none
            -no-obsolete -silent core ui app -ts ${refreshed}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE failed)
  if(failed)
    string(APPEND problems "lupdate failed on ${committed}\n")
    continue()
  endif()
  file(READ ${committed} before)
  file(READ ${refreshed} after)
  if(NOT before STREQUAL after)
    string(APPEND problems "galloria_${code}.ts is not up to date with the sources: "
                           "build the target update_translations and translate what is new\n")
  endif()
  string(REGEX MATCHALL "<translation type=\"(unfinished|obsolete|vanished)\"" unfinished "${after}")
  list(LENGTH unfinished count)
  if(count GREATER 0)
    string(APPEND problems "galloria_${code}.ts has ${count} entries without a finished translation\n")
  endif()
endforeach()
if(problems)
  message(FATAL_ERROR "${problems}")
endif()
