# The Debian package (`cmake --build BUILD --target package`), beside the
# portable folder that a plain `cmake --install BUILD --prefix DIR` gives.
#
# The package's files belong to the install component "system", which is left
# out of a plain install: DIR/tavik with DIR/Pic stays the portable layout,
# while the package holds /usr/bin/tavik and the shipped data folder
# /usr/share/tavik/Pic that the program reads when no Pic stands beside it.
include(GNUInstallDirs)

set(TAVIK_RELEASE_DATE "2026-12-07" CACHE STRING "Date of this release (YYYY-MM-DD), for the AppStream metadata")
set(TAVIK_APPSTREAM_ID "io.github.tavik_hold.Tavik")
set(pkg ${PROJECT_SOURCE_DIR}/packaging)
set(res ${PROJECT_SOURCE_DIR}/resources)
set(gen ${PROJECT_BINARY_DIR}/packaging)

install(TARGETS tavik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT system EXCLUDE_FROM_ALL)
if(TARGET tavik-almanac)
  install(TARGETS tavik-almanac RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT system EXCLUDE_FROM_ALL)
endif()
# A stripped install (the package's) also drops the compiler's notes, the way
# Debian's own packages are stripped.
string(CONFIGURE [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program tavik tavik-almanac)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_BINDIR@/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND "@CMAKE_STRIP@" --remove-section=.comment --remove-section=.note "${file}"
                        RESULT_VARIABLE failed)
        if(failed)
          message(FATAL_ERROR "strip could not drop the notes of ${file}")
        endif()
      endif()
    endforeach()
  endif()
]] drop_notes @ONLY)
install(CODE "${drop_notes}" COMPONENT system EXCLUDE_FROM_ALL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/Pic/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tavik/Pic
        COMPONENT system EXCLUDE_FROM_ALL)

# Desktop entry, icons and AppStream metadata.
install(FILES ${res}/tavik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT system EXCLUDE_FROM_ALL)
foreach(size 16 24 32 48 64 128 256)
  if(size EQUAL 32)
    set(icon ${res}/tavik.png)
  else()
    set(icon ${res}/tavik-${size}.png)
  endif()
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME tavik.png COMPONENT system EXCLUDE_FROM_ALL)
endforeach()
configure_file(${pkg}/${TAVIK_APPSTREAM_ID}.metainfo.xml.in ${gen}/${TAVIK_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${gen}/${TAVIK_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT system EXCLUDE_FROM_ALL)

# Documentation: the copyright file, and the changelog and manual pages
# compressed the way Debian wants them (gzip -9, no name or time stamp).
install(FILES ${pkg}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavik
        COMPONENT system EXCLUDE_FROM_ALL)
# The manual pages in English in man1, in Hungarian in hu/man1.
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${pkg}/changelog ${pkg}/tavik.1 ${pkg}/tavik-almanac.1 ${pkg}/hu/tavik.1 ${pkg}/hu/tavik-almanac.1)
file(MAKE_DIRECTORY ${gen}/hu)
foreach(doc changelog tavik.1 tavik-almanac.1 hu/tavik.1 hu/tavik-almanac.1)
  execute_process(COMMAND gzip -9 -n -c ${pkg}/${doc} OUTPUT_FILE ${gen}/${doc}.gz
                  RESULT_VARIABLE gzip_failed)
  if(gzip_failed)
    message(FATAL_ERROR "gzip could not compress packaging/${doc}")
  endif()
endforeach()
install(FILES ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavik
        COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${pkg}/tavik.lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME tavik COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${gen}/tavik.1.gz ${gen}/tavik-almanac.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT system EXCLUDE_FROM_ALL)
install(FILES ${gen}/hu/tavik.1.gz ${gen}/hu/tavik-almanac.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/hu/man1
        COMPONENT system EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavik developers")
set(CPACK_PACKAGE_CONTACT "Tavik developers <tavik-hold@users.noreply.github.com>")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL system)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tavik-hold.github.io")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-liberation, swe-basic-data")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lunar crescent age and phase calculator (holdsarló kor és fázis számoló)")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[Tavik helps amateur Moon observers: from the last new moon and the time of
an observation it computes the age of the Moon, its phase and illuminated
fraction, draws the phase and keeps a log of the observations. It shows a
whole-Moon map, lists of new moons, early crescents, eclipses and Venus
crescents, a calendar and a degree-mil converter. The tavik-almanac tool
computes the lists for the observer's own site.

A Tavik az amatőr holdmegfigyelőket segíti: az utolsó újhold és a
megfigyelés idejéből kiszámolja a Hold korát, fázisát és
megvilágítottságát, megrajzolja a fázist, és naplózza a megfigyeléseket.
Megmutatja a Hold térképét, az újholdak, a korai holdsarlók, a
fogyatkozások és a Vénusz-sarlók listáit, egy naptárat és egy fok-vonás
átszámítót. A tavik-almanac eszköz a megfigyelő saját helyére számolja ki
a listákat.]=])
include(CPack)
