# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: the programs in bin/, the help document in the program's data folder, and the
# desktop entry, icons and AppStream metadata where a freedesktop desktop looks for them. The
# program finds its data from its own folder (VOCARRA_DATA_FROM_BIN), so any prefix works.

find_program(GZIP gzip REQUIRED)

# Installs `source` compressed, as Debian wants manual pages and changelogs: with the best
# compression and without a time stamp, so that the same source gives the same bytes.
function(vocarra_install_gzipped source destination)
    get_filename_component(name "${source}" NAME)
    set(output "${PROJECT_BINARY_DIR}/packaging/${name}.gz")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/packaging"
        COMMAND ${GZIP} -9nc "${source}" > "${output}"
        DEPENDS "${source}"
        COMMENT "Compressing ${name}")
    add_custom_target(gzip_${name} ALL DEPENDS "${output}")
    install(FILES "${output}" DESTINATION "${destination}")
endfunction()

install(TARGETS vocarra vocarra-words vocarra-progress RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
# The help document goes to the data folder rather than the documentation folder: minimal
# systems often drop /usr/share/doc, and the program needs the document to open it.
install(FILES "${VOCARRA_HELP_PDF}" DESTINATION "${CMAKE_INSTALL_DATADIR}/vocarra")
install(FILES "${VOCARRA_DESKTOP_FILE}" "${VOCARRA_PROGRESS_DESKTOP_FILE}"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${VOCARRA_METAINFO_FILE}" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${VOCARRA_ICON_SVG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
install(DIRECTORY "${VOCARRA_ICON_DIR}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
vocarra_install_gzipped("${PROJECT_SOURCE_DIR}/packaging/changelog" "${CMAKE_INSTALL_DOCDIR}")
vocarra_install_gzipped("${PROJECT_SOURCE_DIR}/packaging/man/vocarra.1" "${CMAKE_INSTALL_MANDIR}/man1")
vocarra_install_gzipped("${PROJECT_SOURCE_DIR}/packaging/man/vocarra-words.1" "${CMAKE_INSTALL_MANDIR}/man1")
vocarra_install_gzipped("${PROJECT_SOURCE_DIR}/packaging/man/vocarra-progress.1" "${CMAKE_INSTALL_MANDIR}/man1")
