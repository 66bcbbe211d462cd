# The game's languages besides English. Each i18n/galloria_<code>.ts is a
# catalogue of every text a player sees, compiled by lrelease and built into
# galloria_ui as a resource under :/i18n, so the game needs no file beside it.
#
# `cmake --build build --target update_translations` runs lupdate over core/,
# ui/ and app/ and brings new or changed texts into every catalogue. lupdate
# reads the core's Tr and SCREEN_TEXT as Qt's translate and QT_TRANSLATE_NOOP.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(GALLORIA_LANGUAGE_CODES es de fr CACHE INTERNAL "The languages besides English")
set(GALLORIA_TS_FILES)
foreach(code IN LISTS GALLORIA_LANGUAGE_CODES)
  list(APPEND GALLORIA_TS_FILES ${PROJECT_SOURCE_DIR}/i18n/galloria_${code}.ts)
endforeach()
set(GALLORIA_LUPDATE_OPTIONS -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=SCREEN_TEXT
    -locations none -no-obsolete -silent)

add_custom_target(update_translations
  COMMAND Qt6::lupdate ${GALLORIA_LUPDATE_OPTIONS} ${PROJECT_SOURCE_DIR}/core ${PROJECT_SOURCE_DIR}/ui
          ${PROJECT_SOURCE_DIR}/app -ts ${GALLORIA_TS_FILES}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)

qt_add_lrelease(galloria_ui TS_FILES ${GALLORIA_TS_FILES} OPTIONS -silent
                QM_FILES_OUTPUT_VARIABLE GALLORIA_QM_FILES)
qt_add_resources(galloria_ui galloria_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${GALLORIA_QM_FILES})
