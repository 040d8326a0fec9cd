# Installation and the Debian package: both programs, the user guide, the examples, a desktop
# entry and an icon, in their usual places.
include(GNUInstallDirs)

install(TARGETS spanlyx-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET spanlyx)
  install(TARGETS spanlyx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES packaging/spanlyx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/spanlyx.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
# The README's links (docs/...) hold in the installed copy too.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spanlyx)
install(FILES docs/user-guide.md docs/verification.md docs/performance.md docs/json-beam.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spanlyx/docs)
install(DIRECTORY docs/screenshots DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spanlyx/docs
        FILES_MATCHING PATTERN "*.png")
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/spanlyx/examples
        FILES_MATCHING PATTERN "*.cb")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spanlyx)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Spanlyx developers <spanlyx@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Continuous beam analysis by the direct stiffness method")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Reactions, joint displacements, shear, moment and deflection of continuous beams of\n one to 40 spans, with a window program and the batch tool spanlyx-report.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, qt6-qpa-plugins")
include(CPack)
