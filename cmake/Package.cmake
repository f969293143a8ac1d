# The Debian package, from the install rules of cmake/Install.cmake
# (scripts/package.sh builds it). Its dependencies on shared libraries come
# from dpkg-shlibdeps (package dpkg-dev); the ones the program only loads at
# run time are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vychislitsa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator suite for school and early-university mathematics")
set(CPACK_PACKAGE_DESCRIPTION
  "Вычислица is a desktop calculator suite with a Russian user interface:\n\
quick calculations, an equation solver, definite integrals, function\n\
plotters, linear systems, matrices, percentages, logarithms and exact\n\
factorials, powers and roots, number systems and units of measure,\n\
reference tables and a calendar.")
set(CPACK_PACKAGE_CONTACT "Вычислица developers <vychislitsa@localhost>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: Qt's Russian texts (the
# standard buttons), its desktop integration plugins and a font with Cyrillic.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-qpa-plugins, fonts-dejavu-core")
# Folders the package shares with others belong to the system.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
