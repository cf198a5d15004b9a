# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the build folder with `cpack -G DEB`. Its library dependencies
# are worked out from the binaries by dpkg-shlibdeps; what the binaries load at run time without
# linking it (Qt's platform plugins, the Arial-compatible fonts) is named here.

# Debian wants the changelog compressed with the best compression and without a time stamp.
set(vocarra_changelog "${PROJECT_BINARY_DIR}/packaging/changelog.gz")
add_custom_command(
    OUTPUT "${vocarra_changelog}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/packaging"
    COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/packaging/changelog" > "${vocarra_changelog}"
    DEPENDS "${PROJECT_SOURCE_DIR}/packaging/changelog"
    COMMENT "Compressing the package's changelog")
add_custom_target(package_changelog ALL DEPENDS "${vocarra_changelog}")
install(FILES "${vocarra_changelog}" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vocarra)
set(CPACK_PACKAGE_VENDOR "The Vocarra developers")
set(CPACK_PACKAGE_CONTACT "The Vocarra developers <vocarra@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vocarra.example.org")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer for English and Spanish")
set(CPACK_PACKAGE_DESCRIPTION "Vocarra drills the 1,000 most frequent English words and their
Spanish equivalents, in both directions: nouns, verbs in their conjugated
forms, pronouns, adjectives with their articles, adverbs, prepositions and
conjunctions, in ten levels. Answers are chosen from four candidates or
typed with on-screen accent keys.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# xdg-open and a PDF viewer open the help document.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, pdf-viewer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
