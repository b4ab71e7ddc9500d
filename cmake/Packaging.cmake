# Installs the program as a desktop application (menu entry, AppStream data, icons) and
# describes its Debian package, which CPack builds from the install (scripts/package.sh).
include(GNUInstallDirs)

set(kvr_app_id ua.kelvora.kvr)
set(kvr_desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

install(FILES ${kvr_desktop_dir}/${kvr_app_id}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${kvr_desktop_dir}/${kvr_app_id}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The experiment file's type, so that file managers open .kvr files with the program.
install(FILES ${kvr_desktop_dir}/${kvr_app_id}.mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${kvr_app_id}.xml)
install(FILES ${kvr_desktop_dir}/${kvr_app_id}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs were rendered once from the SVG: rsvg-convert -w N -h N ua.kelvora.kvr.svg
foreach(size 48 256)
    install(FILES ${kvr_desktop_dir}/${kvr_app_id}-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${kvr_app_id}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvr)
set(CPACK_DEBIAN_PACKAGE_NAME ${CPACK_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Kelvora")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelvora KVR developers <kvr@kelvora.ua>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tool wear and tool life of a turning cutter")
set(CPACK_PACKAGE_DESCRIPTION
    "A laboratory exercise in metal cutting. The student enters one turning
experiment and the flank wear measured on three cutters after three running
intervals each. The program computes the cutting speeds, the dimensional wear
and a wear line per cutter, determines the power-law models of wear and of
tool life against cutting speed, and plots three graphs.

The interface is in Ukrainian.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' font and Qt's own translations (the file and print dialogs in Ukrainian):
# no library links against them, so dpkg-shlibdeps cannot find them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)

# Debian policy wants a copyright file and, for a package with no Debian revision, a
# changelog.gz in the package's documentation folder; gzip -n keeps the build reproducible.
set(kvr_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_PACKAGE_NAME})
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
    ${PROJECT_BINARY_DIR}/debian/changelog @ONLY)
execute_process(COMMAND gzip -9 -n -c ${PROJECT_BINARY_DIR}/debian/changelog
    OUTPUT_FILE ${PROJECT_BINARY_DIR}/debian/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
    ${PROJECT_BINARY_DIR}/debian/changelog.gz DESTINATION ${kvr_doc_dir})

include(CPack)
