# Install rules and the Debian package (CPack).
#
#   P/lib/kvx-config/kvx-config           the window, with its catalogues beside it
#   P/lib/kvx-config/translations/*.qm
#   P/lib/kvx-config/kvx-print           labels and reports, run by kvx-cli
#   P/bin/kvx-config -> ../lib/kvx-config/kvx-config
#   P/bin/kvx-cli, P/bin/kvx-modemsim
#   P/lib/systemd/system/kvx-serve.service   kvx-cli serve, off until enabled
#   P/share/applications, icons (SVG and PNG sizes), metainfo, man, doc,
#   bash-completion/completions/kvx-cli
#
# The window finds its catalogues relative to its own (link-resolved) location,
# so it lives in a private folder and bin/ only holds a link to it.
#
# KVX_HEADLESS (a line server without a display) installs kvx-cli, the
# catalogues, kvx-cli's manual and completion, and the service only.
#
# A project that pulls this one in with add_subdirectory() wants our library,
# not our programs in its install tree or our package settings in its CPack.
if(NOT PROJECT_IS_TOP_LEVEL)
  return()
endif()

set(kvx_app_id ${KVX_APP_ID})
set(kvx_private_dir lib/kvx-config)
set(kvx_doc_dir share/doc/kvx-config)
set(kvx_packaging_src ${CMAKE_CURRENT_LIST_DIR})
set(kvx_packaging_bin ${PROJECT_BINARY_DIR}/packaging)

# Debian wants 755 folders whatever the builder's umask is.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(NOT KVX_HEADLESS)
  install(TARGETS kvx-config RUNTIME DESTINATION ${kvx_private_dir})
  # Labels and reports for kvx-cli, which runs it from here.
  install(TARGETS kvx-print RUNTIME DESTINATION ${kvx_private_dir})
endif()
install(FILES
  ${PROJECT_BINARY_DIR}/translations/chinese.qm
  ${PROJECT_BINARY_DIR}/translations/english.qm
  DESTINATION ${kvx_private_dir}/translations)

if(TARGET kvx-cli)
  install(TARGETS kvx-cli RUNTIME DESTINATION bin)
endif()
# kvx-cli serve as a service of the line server, off until enabled
# (systemctl enable --now kvx-serve, after /etc/kvx-config/serve.conf).
install(FILES ${kvx_packaging_src}/kvx-serve.service DESTINATION lib/systemd/system)

# kvx-cli's manual page and bash completion are printed by kvx-cli itself
# from its table of commands, so neither can drift from what it takes; the
# page in English and, from the Chinese catalogue, in Chinese.
find_program(KVX_GZIP gzip REQUIRED)
add_custom_target(kvx_cli_manual)
if(TARGET kvx-cli)
  add_custom_command(
    OUTPUT ${kvx_packaging_bin}/kvx-cli.1.gz ${kvx_packaging_bin}/zh_CN/kvx-cli.1.gz ${kvx_packaging_bin}/kvx-cli.bash-completion
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 LANGUAGE= $<TARGET_FILE:kvx-cli> __generate man > ${kvx_packaging_bin}/kvx-cli.1
    COMMAND ${KVX_GZIP} -9nf ${kvx_packaging_bin}/kvx-cli.1
    COMMAND ${CMAKE_COMMAND} -E make_directory ${kvx_packaging_bin}/zh_CN
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=zh_CN.UTF-8 LANGUAGE= $<TARGET_FILE:kvx-cli> __generate man > ${kvx_packaging_bin}/zh_CN/kvx-cli.1
    COMMAND ${KVX_GZIP} -9nf ${kvx_packaging_bin}/zh_CN/kvx-cli.1
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 $<TARGET_FILE:kvx-cli> __generate bash-completion > ${kvx_packaging_bin}/kvx-cli.bash-completion
    DEPENDS kvx-cli ${KVX_CATALOGUES}
    VERBATIM)
  add_custom_target(kvx_cli_manual_page ALL DEPENDS ${kvx_packaging_bin}/kvx-cli.1.gz ${kvx_packaging_bin}/zh_CN/kvx-cli.1.gz
    ${kvx_packaging_bin}/kvx-cli.bash-completion)
  add_dependencies(kvx_cli_manual kvx_cli_manual_page)
  install(FILES ${kvx_packaging_bin}/kvx-cli.1.gz DESTINATION share/man/man1)
  install(FILES ${kvx_packaging_bin}/zh_CN/kvx-cli.1.gz DESTINATION share/man/zh_CN/man1)
  install(FILES ${kvx_packaging_bin}/kvx-cli.bash-completion DESTINATION share/bash-completion/completions
    RENAME kvx-cli)
endif()

# A line server without a display: kvx-cli, its catalogues, its manual and
# the service; nothing of the window, and no package.
if(KVX_HEADLESS)
  add_custom_target(kvx_install_payload)
  add_dependencies(kvx_install_payload kvx-cli ${KVX_CATALOGUES} kvx_cli_manual)
  return()
endif()

# A relative link made here and installed as it is (file(INSTALL) copies links
# as links), so it stays right under any prefix and DESTDIR.
file(MAKE_DIRECTORY ${kvx_packaging_bin}/bin)
file(CREATE_LINK ../${kvx_private_dir}/kvx-config ${kvx_packaging_bin}/bin/kvx-config SYMBOLIC)
install(FILES ${kvx_packaging_bin}/bin/kvx-config DESTINATION bin)

install(TARGETS kvx-modemsim RUNTIME DESTINATION bin)

install(FILES ${kvx_packaging_src}/${kvx_app_id}.desktop DESTINATION share/applications)
install(FILES ${kvx_packaging_src}/${kvx_app_id}.svg DESTINATION share/icons/hicolor/scalable/apps)
# The version in these comes from project(... VERSION ...).
foreach(template ${kvx_app_id}.metainfo.xml changelog.Debian kvx-config.1 kvx-modemsim.1)
  configure_file(${kvx_packaging_src}/${template}.in ${kvx_packaging_bin}/${template} @ONLY)
endforeach()
install(FILES ${kvx_packaging_bin}/${kvx_app_id}.metainfo.xml DESTINATION share/metainfo)

# Debian wants the changelog and manual pages gzip -9 without a time stamp, so
# the package is reproducible.
set(kvx_gzipped)
foreach(doc changelog.Debian kvx-config.1 kvx-modemsim.1)
  add_custom_command(
    OUTPUT ${kvx_packaging_bin}/${doc}.gz
    COMMAND ${KVX_GZIP} -9nc ${kvx_packaging_bin}/${doc} > ${kvx_packaging_bin}/${doc}.gz
    DEPENDS ${kvx_packaging_bin}/${doc}
    VERBATIM)
  list(APPEND kvx_gzipped ${kvx_packaging_bin}/${doc}.gz)
endforeach()
add_custom_target(kvx_packaging_docs ALL DEPENDS ${kvx_gzipped})
install(FILES ${kvx_packaging_src}/copyright ${kvx_packaging_bin}/changelog.Debian.gz
  DESTINATION ${kvx_doc_dir})
install(FILES ${kvx_packaging_bin}/kvx-config.1.gz ${kvx_packaging_bin}/kvx-modemsim.1.gz
  DESTINATION share/man/man1)

# The icon in the usual sizes, drawn from the SVG at build time, for docks and
# menus that take no SVG.
find_program(KVX_RSVG_CONVERT rsvg-convert REQUIRED)
set(kvx_icon_sizes 16 24 32 48 64 128 256 512)
set(kvx_icons)
foreach(size ${kvx_icon_sizes})
  set(png ${kvx_packaging_bin}/icons/${size}x${size}/${kvx_app_id}.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${kvx_packaging_bin}/icons/${size}x${size}
    COMMAND ${KVX_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${kvx_packaging_src}/${kvx_app_id}.svg
    DEPENDS ${kvx_packaging_src}/${kvx_app_id}.svg
    VERBATIM)
  list(APPEND kvx_icons ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kvx_icons ALL DEPENDS ${kvx_icons})

# Everything the rules above install, so scripts/package.sh can build just that
# (a Release tree without the tests) before it runs cpack.
add_custom_target(kvx_install_payload)
add_dependencies(kvx_install_payload kvx-config kvx-print ${KVX_CATALOGUES} kvx-modemsim kvx_packaging_docs kvx_cli_manual kvx_icons)
if(TARGET kvx-cli)
  add_dependencies(kvx_install_payload kvx-cli)
endif()

# --- Debian package: scripts/package.sh runs cpack on a Release tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kvx-config)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "KVX Config maintainers <maintainers@users.noreply.c-seed-cb7b0d4a.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for KVX serial radio modems")
# CPack puts the summary first; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "KVX Config reads and writes the settings of KVX serial radio data-link
modems (KV5 and KV6 - KV7 units with Tarn, Brae - Loch, Skerry or Half
Fjord radio modules): addresses, work mode, baud rates, output power and
repeater. It has an AT command terminal and an English and a Chinese
interface.

The package also holds kvx-cli, a command-line tool for scripts, and
kvx-modemsim, a simulated modem to train with and to try the tool
without hardware.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends comes from dpkg-shlibdeps run on the binaries, plus what they load
# at run time: Qt's own catalogues, which keep Qt's dialogs in the language
# the window shows, and the SQLite driver, which holds the default record.
# The PostgreSQL driver only matters where stations share a record.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
include(CPack)
