# Desktop integration and the Debian package: where the desktop finds the program (menu
# entry, AppStream metainfo, icons) and how CPack bundles it. The executable installs
# itself (src/CMakeLists.txt); the browser helper lottoworla-browser, which the program starts
# and users never do, installs into LIBDIR/lottoworla.

set(LOTTO_APP_ID ca.talmar.LottoWorla)
set(LOTTO_ICON_SIZES 16 24 32 48 64 128 256)
set(LOTTO_ICON_SVG ${PROJECT_SOURCE_DIR}/assets/lottoworla.svg)

# The menu entry and the metainfo, with their French texts merged in.
add_subdirectory(${PROJECT_SOURCE_DIR}/data ${PROJECT_BINARY_DIR}/data)

# What a Debian system expects beside every program: the licence in the machine-readable
# copyright format, the changelog and the manual page, the last two compressed as Debian
# wants them (gzip -9n: no name or time stamp, so the same source gives the same bytes).
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
find_program(LOTTO_GZIP gzip REQUIRED)
set(lotto_compressed)
function(lotto_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(gz ${PROJECT_BINARY_DIR}/data/${name}.gz)
  add_custom_command(
    OUTPUT ${gz}
    COMMAND ${LOTTO_GZIP} -9 -n -c ${source} > ${gz}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  install(FILES ${gz} DESTINATION ${destination})
  set(lotto_compressed ${lotto_compressed} ${gz} PARENT_SCOPE)
endfunction()
lotto_install_compressed(${PROJECT_SOURCE_DIR}/data/debian/changelog ${CMAKE_INSTALL_DOCDIR})
lotto_install_compressed(${PROJECT_SOURCE_DIR}/data/lottoworla.1 ${CMAKE_INSTALL_MANDIR}/man1)
add_custom_target(lotto_compressed_docs ALL DEPENDS ${lotto_compressed})

# Icons: the SVG as drawn, plus fixed sizes rendered from it during the build by a small
# tool of our own (tools/iconrender; no SVG converter needed on the build machine).
install(FILES ${LOTTO_ICON_SVG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${LOTTO_APP_ID}.svg)

set(lotto_icon_pngs)
foreach(size IN LISTS LOTTO_ICON_SIZES)
  set(dir ${PROJECT_BINARY_DIR}/icons/hicolor/${size}x${size}/apps)
  set(png ${dir}/${LOTTO_APP_ID}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:iconrender> ${LOTTO_ICON_SVG} ${png} ${size}
    DEPENDS iconrender ${LOTTO_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} program icon"
    VERBATIM)
  list(APPEND lotto_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(lotto_icons ALL DEPENDS ${lotto_icon_pngs})

# Debian package. dpkg-shlibdeps finds the libraries the binaries link; it cannot see
# what Qt loads at run time or what the windows draw with, so those are listed here:
# the SVG image/icon plugins, the platform plugins, the web engine's helper process and
# resources, and the font packages standing in for the faces the windows ask for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lottoworla)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Talmar")
set(CPACK_PACKAGE_CONTACT "Lotto Worla developers <dev@lottoworla.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvek's Lotto Worla Generator: numbers for Ontario lotteries")
# Debian shows the description as it stands: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Suggests numbers for Lotto 649, Pick 3, Ontario 49, Lotto Super 7 and\nLottario, optionally seeded from your luck words.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for programs installed as games (/usr/games).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SVG icon engine draws the tool bar's and the windows' icons: the package that holds it
# on the build machine is the one to depend on (libqt6svg6 on Debian 12, qt6-svg-plugins from
# Debian 13 on).
set(lotto_svg_plugins libqt6svg6)
find_program(LOTTO_DPKG_QUERY dpkg-query)
if(LOTTO_DPKG_QUERY)
  execute_process(
    COMMAND ${LOTTO_DPKG_QUERY} -S "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/iconengines/libqsvgicon.so"
    OUTPUT_VARIABLE lotto_owner ERROR_QUIET RESULT_VARIABLE lotto_owner_status)
  if(lotto_owner_status EQUAL 0 AND lotto_owner MATCHES "^([a-z0-9.+-]+)[:,]")
    set(lotto_svg_plugins ${CMAKE_MATCH_1})
  endif()
endif()
set(LOTTO_RUNTIME_PACKAGES
    ${lotto_svg_plugins} qt6-qpa-plugins libqt6webenginecore6-bin
    fonts-liberation2 fonts-dancingscript fonts-lobster fonts-dejavu-core)
list(JOIN LOTTO_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Qt's own French texts (the message boxes' buttons, the editor's context menu); without
# them a French desktop sees those few in English.
# qt6-wayland lets it run as a native client of a Wayland session; without it, it runs
# through XWayland.
set(LOTTO_RECOMMENDED_PACKAGES qt6-translations-l10n qt6-wayland)
list(JOIN LOTTO_RECOMMENDED_PACKAGES ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
include(CPack)
