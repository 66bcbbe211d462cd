# Installs the game like a desktop program and packs it into a .deb:
#   cmake --install build --prefix DIR      the programs, menu entry, icons, metadata, manuals
#   cmake --build build --target package    build/galloria_VERSION_ARCH.deb (through CPack)
include(GNUInstallDirs)

set(GALLORIA_APP_ID org.tamberlyn.galloria)
set(GALLORIA_HOMEPAGE "https://tamberlyn.example/galloria" CACHE STRING
    "The game's web site: the metadata's home page; its screenshots/ folder holds packaging/screenshots")
set(GALLORIA_MAINTAINER "The Galloria developers <galloria@tamberlyn.example>" CACHE STRING
    "Who answers for the package")
# The date of this version, for the metadata and the package's changelog.
set(GALLORIA_RELEASE_DATE 2026-12-07)
set(GALLORIA_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")

# Where the programs go: bin/ by default; scripts/package puts them in games/,
# where Debian wants a game's programs.
set(GALLORIA_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING "Where the programs are installed, under the prefix")

set(galloria_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/galloria)
set(galloria_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(galloria_packaging_out ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS galloria-sim RUNTIME DESTINATION ${GALLORIA_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${galloria_docdir})

if(UNIX AND NOT APPLE)
  if(GALLORIA_BUILD_UI)
    install(TARGETS galloria RUNTIME DESTINATION ${GALLORIA_INSTALL_BINDIR})
    install(FILES ${galloria_packaging}/${GALLORIA_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    configure_file(${galloria_packaging}/${GALLORIA_APP_ID}.metainfo.xml.in
                   ${galloria_packaging_out}/${GALLORIA_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${galloria_packaging_out}/${GALLORIA_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
    # The icon at every size of the hicolor theme, drawn by galloria-art-maker.
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/icons/hicolor
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
  endif()

  # Debian's copyright file, and manuals and changelog compressed as Debian
  # wants them (gzip -9n: the same bytes on every build).
  configure_file(${galloria_packaging}/copyright.in ${galloria_packaging_out}/copyright @ONLY)
  configure_file(${galloria_packaging}/changelog.in ${galloria_packaging_out}/changelog @ONLY)
  install(FILES ${galloria_packaging_out}/copyright DESTINATION ${galloria_docdir})

  set(galloria_gzipped)
  foreach(source ${galloria_packaging}/galloria.6 ${galloria_packaging}/galloria-sim.6
                 ${galloria_packaging_out}/changelog)
    get_filename_component(name ${source} NAME)
    set(gzipped ${galloria_packaging_out}/${name}.gz)
    add_custom_command(OUTPUT ${gzipped}
      COMMAND gzip -9n -c ${source} > ${gzipped}
      DEPENDS ${source}
      VERBATIM)
    list(APPEND galloria_gzipped ${gzipped})
  endforeach()
  add_custom_target(galloria_packaging_files ALL DEPENDS ${galloria_gzipped})
  if(GALLORIA_BUILD_UI)
    install(FILES ${galloria_packaging_out}/galloria.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  endif()
  install(FILES ${galloria_packaging_out}/galloria-sim.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${galloria_packaging_out}/changelog.gz DESTINATION ${galloria_docdir})
endif()

# The .deb. Its library dependencies are found by dpkg-shlibdeps; the rest are
# what the programs load at run time, which no tool can see: the fonts the
# game draws with, and (recommended) the sound and Wayland plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME galloria)
set(CPACK_PACKAGE_VENDOR "The Galloria developers")
set(CPACK_PACKAGE_CONTACT "${GALLORIA_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "horse racing and betting game for one to four players")
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Galloria is a horse-racing and betting game for one to four players who
share one computer. Each player starts a set of ten races with 10000
dollars and bets on fields of six to twelve horses: Win, Place, Show,
Across, Exacta, Triacta, boxed bets and wheels, paid pari-mutuel from the
pools. The horses' form, best times and earnings follow them from race to
race, and the best results of a set go into a hall of fame.

The package also holds galloria-sim, which runs races, odds studies and
whole race sets without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${GALLORIA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-good, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
