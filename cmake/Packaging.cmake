# Installing like a native Linux program, and the Debian package built from the same rules.
#
#   cmake --install build --prefix /usr/local     # or: cd build && cpack -G DEB
#
# Layout below the prefix: bin/ (zqvcps, zqvcps-cli), share/zqvcps/ (the installation data,
# translations/ and help/), the desktop entry, icons, the MIME type of profiles, AppStream
# metadata, manual pages and bash completion under share/, the udev rule of the programming
# cable under lib/udev/rules.d/. The machine-wide configuration is written by the install step
# of shell/CMakeLists.txt (/etc/xdg for the prefix /usr, <prefix>/etc/xdg otherwise).
include(GNUInstallDirs)

set(ZQV_APP_ID com.corvane.zqvcps)
set(ZQV_INSTALL_DATA_DIR "${CMAKE_INSTALL_DATADIR}/zqvcps")
set(ZQV_PACKAGING_DIR "${CMAKE_SOURCE_DIR}/packaging")

# Translations: every translations/zqvcps_<locale>.ts becomes <data>/translations/zqvcps_<locale>.qm
# at build time (build/data for the build tree, share/zqvcps when installed) and the language's
# GUIResource in the machine-wide configuration. A language without its .ts file gets no
# GUIResource, and choosing it tells the user the language file is missing.
set(ZQV_LANGUAGE_LOCALES
  CaFrench=fr_CA French=fr German=de LaPortuguese=pt_BR LaSpanish=es_419 Spanish=es)
set(ZQV_GUI_RESOURCE_ARGS "")
set(_zqv_ts_files "")
# Every language of the Language menu (data/lib/Region.stv), English first; each has a help file
# (zqv_help_file), built by data/help and named in the configuration by shell/.
set(ZQV_HELP_LANGUAGES English)
function(zqv_help_file language out)
  if(language STREQUAL "English")
    set(${out} "help/zqvcps.qch" PARENT_SCOPE)
  else()
    set(${out} "help/zqvcps-${language}.qch" PARENT_SCOPE)
  endif()
endfunction()
foreach(_pair IN LISTS ZQV_LANGUAGE_LOCALES)
  string(REPLACE "=" ";" _pair "${_pair}")
  list(GET _pair 0 _language)
  list(GET _pair 1 _locale)
  list(APPEND ZQV_HELP_LANGUAGES "${_language}")
  set(_ts "${CMAKE_SOURCE_DIR}/translations/zqvcps_${_locale}.ts")
  if(EXISTS "${_ts}")
    list(APPEND _zqv_ts_files "${_ts}")
    list(APPEND ZQV_GUI_RESOURCE_ARGS --gui-resource "${_language}=translations/zqvcps_${_locale}.qm")
  endif()
endforeach()
if(_zqv_ts_files)
  find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
  set_source_files_properties(${_zqv_ts_files} PROPERTIES OUTPUT_LOCATION "${ZQV_DATA_DIR}/translations")
  add_custom_target(zqv_translations ALL)
  qt_add_lrelease(zqv_translations TS_FILES ${_zqv_ts_files} QM_FILES_OUTPUT_VARIABLE _zqv_qm_files)
  install(FILES ${_zqv_qm_files} DESTINATION "${ZQV_INSTALL_DATA_DIR}/translations")
endif()

# Desktop integration: the entry, its icon (scalable and rendered sizes), the MIME type that
# lets a double click on a .zqv file open it, and the AppStream metadata of software centres.
install(FILES "${ZQV_PACKAGING_DIR}/${ZQV_APP_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${ZQV_PACKAGING_DIR}/${ZQV_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${ZQV_PACKAGING_DIR}/${ZQV_APP_ID}.mime.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
  RENAME "${ZQV_APP_ID}.xml")
install(FILES "${ZQV_PACKAGING_DIR}/icons/${ZQV_APP_ID}.svg" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
foreach(_size 16 22 24 32 48 64 128 256)
  install(FILES "${ZQV_PACKAGING_DIR}/icons/zqvcps-${_size}.png"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps" RENAME "${ZQV_APP_ID}.png")
endforeach()

# Manual pages (compressed, as Debian installs them), bash completion of the CLI, and the
# udev rule that gives the user at the machine access to the programming cable.
set(_zqv_man_out "${CMAKE_BINARY_DIR}/packaging/man")
set(_zqv_man_pages "")
foreach(_page zqvcps.1 zqvcps-cli.1)
  add_custom_command(OUTPUT "${_zqv_man_out}/${_page}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${_zqv_man_out}"
    COMMAND gzip -9 -n -c "${ZQV_PACKAGING_DIR}/man/${_page}" > "${_zqv_man_out}/${_page}.gz"
    DEPENDS "${ZQV_PACKAGING_DIR}/man/${_page}"
    COMMENT "Compressing the manual page ${_page}")
  list(APPEND _zqv_man_pages "${_zqv_man_out}/${_page}.gz")
endforeach()
install(FILES ${_zqv_man_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
install(FILES "${ZQV_PACKAGING_DIR}/zqvcps-cli.bash-completion"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/bash-completion/completions" RENAME zqvcps-cli)
install(FILES "${ZQV_PACKAGING_DIR}/70-zqvcps-cable.rules" DESTINATION "lib/udev/rules.d")

# The package's documentation: copyright and a Debian changelog of this version.
set(ZQV_PACKAGE_MAINTAINER "ZQV CPS developers <zqvcps@corvane.com>")
# The date is that of the last commit (or SOURCE_DATE_EPOCH when set), so building the same
# source twice gives the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CMAKE_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE _zqv_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE _zqv_git_rc)
  if(_zqv_git_rc EQUAL 0 AND _zqv_commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${_zqv_commit_time}")
  endif()
endif()
string(TIMESTAMP _zqv_changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE "${CMAKE_BINARY_DIR}/packaging/changelog"
  "zqvcps (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
  "  * Release ${PROJECT_VERSION}.\n\n"
  " -- ${ZQV_PACKAGE_MAINTAINER}  ${_zqv_changelog_date}\n")
add_custom_command(OUTPUT "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
  COMMAND gzip -9 -n -c "${CMAKE_BINARY_DIR}/packaging/changelog" > "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
  DEPENDS "${CMAKE_BINARY_DIR}/packaging/changelog"
  COMMENT "Compressing the package changelog")
add_custom_target(zqv_packaging_files ALL DEPENDS ${_zqv_man_pages} "${CMAKE_BINARY_DIR}/packaging/changelog.gz")
install(FILES "${ZQV_PACKAGING_DIR}/copyright" "${CMAKE_BINARY_DIR}/packaging/changelog.gz"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/zqvcps")

# The Debian package: `cpack -G DEB` in the build folder. Dependencies come from the binaries
# (dpkg-shlibdeps); the Qt platform plugins are a package of their own that no binary links.
# CPACK_SET_DESTDIR keeps the prefix /usr inside the install step, so the recorded paths are
# those of the installed system.
set(CPACK_PACKAGE_NAME zqvcps)
set(CPACK_PACKAGE_VENDOR Corvane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${ZQV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming tool for push-to-talk radios")
set(CPACK_PACKAGE_DESCRIPTION "ZQV CPS keeps each radio's configuration as a profile file (.zqv),
edits it as a tree with a form for each node, and reads it from and writes it
into a radio over the USB-serial programming cable. The command-line tool
zqvcps-cli does the same from a terminal.")
set(CPACK_GENERATOR DEB)
set(CPACK_SET_DESTDIR ON)
# A package is made from a finished build; cpack never starts one (the package test runs it
# beside other tests).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's SQLite driver: the help window reads its contents and index through it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.corvane.com/zqvcps/")
# Qt's own texts (message boxes' Yes/No/Cancel) in the program's languages; English works without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# The machine-wide configuration is the administrator's to change: a conffile, which the program
# reads in place.
file(WRITE "${CMAKE_BINARY_DIR}/packaging/conffiles" "/etc/zqvcps/zqvcps.conf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${CMAKE_BINARY_DIR}/packaging/conffiles")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
