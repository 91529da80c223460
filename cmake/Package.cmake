# Installation into a standard tree (cmake --install build --prefix /usr, DESTDIR honoured) and the
# Debian package built from it with CPack (scripts/package.sh). Everything the programs read at run
# time is compiled in (the internal skin, the edit glyphs, the web map library of the preview page);
# only the Tahoma-compatible font comes from a package, fonts-wine.
include(GNUInstallDirs)

set(packaging ${PROJECT_SOURCE_DIR}/packaging)
# The package's name in lower case, as Debian names the folder of its copyright and changelog.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/quadrimo)
foreach(program quadrimo quadrimo-cli quadrimo-skin)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

install(FILES ${packaging}/quadrimo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging}/example.brovanti.quadrimo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${packaging}/icons/quadrimo-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME quadrimo.png)
endforeach()
install(FILES ${packaging}/icons/quadrimo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging}/completion/quadrimo-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
install(FILES ${packaging}/copyright DESTINATION ${docdir})

# Manual pages and the changelog are installed compressed, without a time stamp, as Debian wants them.
set(compressed)
foreach(page quadrimo.1 quadrimo-cli.1 quadrimo-skin.1 changelog)
    if(page MATCHES "\\.1$")
        set(source ${packaging}/man/${page})
    else()
        set(source ${packaging}/${page})
    endif()
    set(output ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9nc ${source} > ${output}
        DEPENDS ${source} VERBATIM)
    list(APPEND compressed ${output})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/packaging/quadrimo.1.gz ${CMAKE_BINARY_DIR}/packaging/quadrimo-cli.1.gz
              ${CMAKE_BINARY_DIR}/packaging/quadrimo-skin.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrimo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quadrimo developers <quadrimo@brovanti.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map picture to web map tiles, with a skinned desktop window")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://brovanti.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wine)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis comes from the summary; CPack indents these lines and marks the empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quadrimo prepares one large picture of a map (a scheme, an aerial photo, a
floor plan) for an online map viewer: it cuts the picture into a pyramid of
256 x 256 JPEG tiles, writes info.js describing the pyramid and copies a
background picture, so that the folder can be uploaded to any web host.

The package holds the desktop program quadrimo, the command-line program
quadrimo-cli for batch work and folder checks, and quadrimo-skin, the tool
for skin authors.")
include(CPack)
