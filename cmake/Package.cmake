# The Debian package, made by CPack from the install rules: `cpack -G DEB` in the build
# folder gives zomelbuilder_<version>_<arch>.deb.  The libraries the binaries link decide
# the dependencies (dpkg-shlibdeps); what the program starts or loads by name is added.
set(ZOMEL_PACKAGE_MAINTAINER "ZomelBuilder developers <zomelbuilder@veldo.example>"
    CACHE STRING "The Debian package's maintainer")

# A package's own documents: the copyright and the changelog, compressed as Debian wants.
set(zomel_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/zomelbuilder)
set(zomel_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${zomel_changelog}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${zomel_changelog}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
set(zomel_manual ${CMAKE_BINARY_DIR}/packaging/zomelbuilder.1.gz)
add_custom_command(OUTPUT ${zomel_manual}
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/zomelbuilder.1 > ${zomel_manual}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/zomelbuilder.1 VERBATIM)
add_custom_target(zomel_package_documents ALL DEPENDS ${zomel_changelog} ${zomel_manual})
add_dependencies(program zomel_package_documents)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${zomel_changelog}
        DESTINATION ${zomel_doc_dir} COMPONENT program)
install(FILES ${zomel_manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT program)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zomelbuilder)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VELDO, Inc.")
set(CPACK_PACKAGE_CONTACT ${ZOMEL_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design LED dynamic message signs and price them")
# Lines as the control file keeps them (no longer than 80 characters).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "ZomelBuilder designs dynamic message signs: road signs whose LED faces are"
  "built from ZOMEL modules. Type the message and the program works out the sign"
  "that shows it, previews it on the sign's display and derives its model number,"
  "size, weight and power. It prices the sign with an itemised retail estimate"
  "from the price catalogue, writes the estimate and the sign's specifications as"
  "RTF documents and exports the estimate for a quoting program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZOMEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The program's own libraries lie in its folder, found through $ORIGIN.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/_CPack_Packages/Linux/DEB/zomelbuilder-${PROJECT_VERSION}-Linux/usr/${ZOMEL_INSTALL_APPDIR})
# Loaded or started by name: Qt's window-system plugins, the document font; the RTF viewer
# lookup, printing.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, cups-client")
include(CPack)
