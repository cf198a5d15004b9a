# SPDX-FileCopyrightText: 2026 The Vocarra developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the build folder with `cpack -G DEB`. Its library dependencies
# are worked out from the binaries by dpkg-shlibdeps; what the binaries load at run time without
# linking it (Qt's platform plugins, the Arial-compatible fonts) is named here.
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-liberation")
# xdg-open and a PDF viewer open the help document.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, pdf-viewer")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
