# Installation under one application id, and the Debian package made from it by CPack:
#   cmake --build build && (cd build && cpack -G DEB)
include(GNUInstallDirs)

set(MORVELLE_APP_ID fr.morvelle.Morvelle3)
set(MORVELLE_MAINTAINER_NAME "Équipe Morvelle")
set(MORVELLE_MAINTAINER "${MORVELLE_MAINTAINER_NAME} <equipe@morvelle.fr>")
# The day the package is built is its release day; SOURCE_DATE_EPOCH pins it for a reproducible build.
string(TIMESTAMP MORVELLE_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP MORVELLE_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)

set(MORVELLE_PACKAGING ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(MORVELLE_GENERATED ${CMAKE_CURRENT_BINARY_DIR}/packaging)

# PNG sizes of the icon, drawn from the one SVG by Qt's own renderer.
set(MORVELLE_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/assets/common/app_icon.svg)
set(MORVELLE_ICON_SIZES 16 22 24 32 48 64 128 256)
add_executable(morvelle3-icon tools/icon/render_icon.cpp)
target_link_libraries(morvelle3-icon PRIVATE Qt6::Gui Qt6::Svg)
set(icon_pngs)
foreach(size IN LISTS MORVELLE_ICON_SIZES)
  list(APPEND icon_pngs ${MORVELLE_GENERATED}/icons/${size}x${size}/apps/${MORVELLE_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
  COMMAND morvelle3-icon ${MORVELLE_ICON_SVG} ${MORVELLE_GENERATED}/icons ${MORVELLE_APP_ID} ${MORVELLE_ICON_SIZES}
  DEPENDS morvelle3-icon ${MORVELLE_ICON_SVG}
  COMMENT "Drawing the program's icon in the hicolor theme's sizes")

configure_file(${MORVELLE_PACKAGING}/${MORVELLE_APP_ID}.metainfo.xml.in
               ${MORVELLE_GENERATED}/${MORVELLE_APP_ID}.metainfo.xml @ONLY)
configure_file(${MORVELLE_PACKAGING}/changelog.in ${MORVELLE_GENERATED}/changelog @ONLY)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
add_custom_command(OUTPUT ${MORVELLE_GENERATED}/changelog.gz
  COMMAND ${GZIP_EXECUTABLE} -9nkf ${MORVELLE_GENERATED}/changelog
  DEPENDS ${MORVELLE_GENERATED}/changelog)
add_custom_command(OUTPUT ${MORVELLE_GENERATED}/morvelle3.1.gz
  COMMAND ${GZIP_EXECUTABLE} -9nc ${MORVELLE_PACKAGING}/morvelle3.1 > ${MORVELLE_GENERATED}/morvelle3.1.gz
  DEPENDS ${MORVELLE_PACKAGING}/morvelle3.1)
add_custom_target(morvelle3-desktop-files ALL
  DEPENDS ${icon_pngs} ${MORVELLE_GENERATED}/changelog.gz ${MORVELLE_GENERATED}/morvelle3.1.gz)

# The window names its desktop entry, so that a Wayland desktop shows the entry's name and icon for it.
target_compile_definitions(morvelle3 PRIVATE MORVELLE_APP_ID="${MORVELLE_APP_ID}")

install(TARGETS morvelle3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MORVELLE_PACKAGING}/${MORVELLE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MORVELLE_GENERATED}/${MORVELLE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MORVELLE_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MORVELLE_APP_ID}.svg)
install(DIRECTORY ${MORVELLE_GENERATED}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${MORVELLE_GENERATED}/morvelle3.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MORVELLE_PACKAGING}/copyright ${MORVELLE_GENERATED}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvelle3)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvelle3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${MORVELLE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME morvelle3)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVELLE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary; what it loads at run time no linker sees: the platform plugins,
# the fonts its screens are drawn in and Qt's French translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, fonts-liberation2 | fonts-liberation, qt6-translations-l10n")
# A Debian description: a short line, then the long text; CPack indents its lines, "." is an empty one.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[exercices autocorrigés de génétique humaine pour la 3ème
Morvelle 3 propose aux élèves de 3ème vingt exercices autocorrigés sur le
thème « Unité et diversité des êtres humains » : hérédité, chromosomes et
caryotypes, division cellulaire, gènes et allèles, groupes sanguins,
cellules reproductrices et fécondation, daltonisme et maladie génétique.
.
L'élève s'identifie, répond aux exercices depuis l'écran d'accueil, valide
et peut consulter la correction ; le bilan final donne une note sur 20 et
les notions à revoir, et peut être imprimé.]=])
include(CPack)
