# The program as a distribution installs it: its documents, its AppStream
# description for software centres, its manual pages, and the Debian
# packages cpack -G DEB makes from the install rules:
#   tarvik        the program, its databases, desktop entry, icon, metainfo,
#                 manual page and documents (component "program")
#   tarvik-tools  chartdump and renderpages with their manual pages
#                 (component "tools"; it needs the databases of "tarvik")
# Both are stripped, and their dependencies are those of their shared
# libraries (dpkg-shlibdeps) and the fonts the Hindi pages are drawn with.

# README, the licence and the data sources with their licences (Debian's
# machine-readable copyright format).
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
              ${PROJECT_SOURCE_DIR}/data/doc/copyright
        DESTINATION ${TARVIK_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/doc/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvik-tools COMPONENT tools EXCLUDE_FROM_ALL)

# The AppStream file, named by its component id, with the project's version.
set(TARVIK_APPSTREAM_ID io.github.tarvik.Tarvik)
set(TARVIK_METAINFO ${PROJECT_BINARY_DIR}/generated/${TARVIK_APPSTREAM_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/tarvik.metainfo.xml.in ${TARVIK_METAINFO} @ONLY)
install(FILES ${TARVIK_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages, compressed as Debian keeps them.
set(TARVIK_MAN_DIR ${PROJECT_BINARY_DIR}/man)
set(TARVIK_MAN_PAGES)
foreach(page tarvik chartdump renderpages)
  add_custom_command(
    OUTPUT ${TARVIK_MAN_DIR}/${page}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TARVIK_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/man/${page}.1 ${TARVIK_MAN_DIR}/${page}.1
    COMMAND gzip -9nf ${TARVIK_MAN_DIR}/${page}.1
    DEPENDS ${PROJECT_SOURCE_DIR}/data/man/${page}.1
    COMMENT "Compressing the manual page ${page}.1"
    VERBATIM)
  list(APPEND TARVIK_MAN_PAGES ${TARVIK_MAN_DIR}/${page}.1.gz)
endforeach()
add_custom_target(manpages ALL DEPENDS ${TARVIK_MAN_PAGES})
install(FILES ${TARVIK_MAN_DIR}/tarvik.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TARVIK_MAN_DIR}/chartdump.1.gz ${TARVIK_MAN_DIR}/renderpages.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools EXCLUDE_FROM_ALL)

# The Debian packages.
set(CPACK_PACKAGE_NAME tarvik)
set(CPACK_PACKAGE_VENDOR "The Tarvik developers")
set(CPACK_PACKAGE_CONTACT "The Tarvik developers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL program tools)
set(CPACK_COMPONENT_TOOLS_DEPENDS program)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME tarvik)
set(CPACK_DEBIAN_PROGRAM_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME tarvik-tools)
set(CPACK_DEBIAN_TOOLS_FILE_NAME DEB-DEFAULT)
# Hindi pages are drawn with Noto Sans Devanagari, the English ones with
# Noto Serif/Sans; the window may run on Wayland as well as on X11.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "fonts-noto-core")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION
"Sidereal horoscopes, panchang, dashas and match-making
Tarvik prepares horoscopes in the Indian (Vedic, sidereal) tradition: the
sidereal chart and its divisional charts, the panchang of the birth, K.P.
star and sub lords, Vimshottari, Yogini and chara dashas, ashtakavarga,
annual charts and the ashtakoota match score, drawn as framed pages in
English or Hindi to preview, print or save as PDF.")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION
"Command-line tools of the Tarvik horoscope program
chartdump prints the chart of a birth (or of a batch of births) as JSON;
renderpages draws the pages of a horoscope or a match as PNG pictures and a
PDF file, as the program does.")
# The first line of each description is its package's summary.
include(CPack)
