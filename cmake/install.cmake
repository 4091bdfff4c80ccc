# Installation and the Debian package.
#
#   PREFIX/lib/lectarium/   the program folder: lectarium, Lectarium.mdb, Lectarium.hlp,
#                           the pictures and the font alias (the program reads them from
#                           the folder it starts in)
#   PREFIX/bin/lectarium    starts the program in that folder (see packaging/lectarium.in)
#   PREFIX/bin/lectarium-db, lectarium-day   the command-line companions
#   PREFIX/share/applications/lectarium.desktop, share/icons/.../lectarium.svg
#   PREFIX/share/fontconfig/conf.avail/65-lectarium-arabic-transparent.conf
#   PREFIX/share/man/man1/lectarium.1.gz, lectarium-day.1.gz, lectarium-db.1.gz
#   PREFIX/share/metainfo/org.lectarium.Lectarium.metainfo.xml   what software centres show
#
# The launcher and the desktop entry name the program folder by its full path, so they
# are written at install time, when the prefix (cmake --install --prefix, or /usr for
# the package) is known.
set(LECTARIUM_PROGRAM_DIR lib/lectarium)
set(_pkg ${CMAKE_SOURCE_DIR}/packaging)
set(_alias 65-lectarium-arabic-transparent.conf)

install(TARGETS lectarium RUNTIME DESTINATION ${LECTARIUM_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/run/Lectarium.mdb ${CMAKE_BINARY_DIR}/run/Lectarium.hlp
        DESTINATION ${LECTARIUM_PROGRAM_DIR})
install(FILES ${CMAKE_BINARY_DIR}/run/Lectarium_en.hlp DESTINATION ${LECTARIUM_PROGRAM_DIR})
file(GLOB _pictures ${CMAKE_SOURCE_DIR}/data/pictures/*.xpm)
install(FILES ${_pictures} DESTINATION ${LECTARIUM_PROGRAM_DIR})
install(FILES ${_pkg}/${_alias} DESTINATION ${LECTARIUM_PROGRAM_DIR})
install(FILES ${_pkg}/${_alias} DESTINATION share/fontconfig/conf.avail)
install(TARGETS lectarium-db lectarium-day RUNTIME DESTINATION bin)
# The Debian copyright file: the credits of the lectionary data in Lectarium.mdb.
install(FILES ${_pkg}/copyright DESTINATION share/doc/lectarium)
install(FILES ${_pkg}/lectarium.svg DESTINATION share/icons/hicolor/scalable/apps)
# Named after its component id, as software centres look it up.
install(FILES ${_pkg}/lectarium.metainfo.xml DESTINATION share/metainfo
        RENAME org.lectarium.Lectarium.metainfo.xml)

# The manual pages, compressed as Debian wants them: gzip -9n keeps no name or time stamp,
# so the same page always gives the same bytes.
find_program(LECTARIUM_GZIP gzip REQUIRED)
set(_man_pages)
foreach(_page lectarium.1 lectarium-day.1 lectarium-db.1)
  set(_gz ${CMAKE_BINARY_DIR}/man/${_page}.gz)
  add_custom_command(
    OUTPUT ${_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${_pkg}/man/${_page} ${CMAKE_BINARY_DIR}/man/${_page}
    COMMAND ${LECTARIUM_GZIP} -9nf ${CMAKE_BINARY_DIR}/man/${_page}
    DEPENDS ${_pkg}/man/${_page}
    VERBATIM)
  list(APPEND _man_pages ${_gz})
endforeach()
add_custom_target(lectarium_man_pages ALL DEPENDS ${_man_pages})
install(FILES ${_man_pages} DESTINATION share/man/man1)

install(CODE "
  set(_prefix \"\${CMAKE_INSTALL_PREFIX}\")
  set(LECTARIUM_PROGRAM_FOLDER \"\${_prefix}/${LECTARIUM_PROGRAM_DIR}\")
  set(LECTARIUM_LAUNCHER \"\${_prefix}/bin/lectarium\")
  set(_root \"\$ENV{DESTDIR}\${_prefix}\")
  message(STATUS \"Installing: \${_root}/bin/lectarium\")
  configure_file(\"${_pkg}/lectarium.in\" \"\${_root}/bin/lectarium\" @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  message(STATUS \"Installing: \${_root}/share/applications/lectarium.desktop\")
  configure_file(\"${_pkg}/lectarium.desktop.in\" \"\${_root}/share/applications/lectarium.desktop\" @ONLY)
")

# cpack -G DEB (from the build folder) builds the package of the same files under /usr.
set(CPACK_PACKAGE_NAME lectarium)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lectarium")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Coptic Orthodox lectionary reader with an Arabic interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows the readings of any day of the Coptic church year, with a Bible browser, a Bible search and a plain text editor. Comes with the reading references of the Coptic lectionary (katameros.app / katameros-api, MIT) and the World English Bible.")
set(CPACK_PACKAGE_CONTACT "Lectarium developers <lectarium@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Arabic font the texts are drawn with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-core")
# Qt's own Arabic for the standard dialogs and buttons; without it they speak English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_pkg}/postinst ${_pkg}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
