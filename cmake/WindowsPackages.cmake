# What a Windows user gets: one folder with the program, the Qt and MinGW
# runtime DLLs it loads, the platform and style plugins, the licence and a
# read-me; as a portable zip and as a 64-bit NSIS installer. Both come from
# the target `packages`:
#
#   build-windows/talvoreth-<version>-win64.zip
#   build-windows/talvoreth-<version>-setup.exe
set(TALVORETH_PACKAGE talvoreth-${PROJECT_VERSION}-win64)
set(TALVORETH_STAGE ${PROJECT_BINARY_DIR}/stage/${TALVORETH_PACKAGE})

install(FILES ${TALVORETH_RUNTIME_DLLS} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# Qt's own texts (the fields' context menu) in the user's language: Debian's
# catalogues, where qt.conf points Qt.
file(GLOB qt_catalogues /usr/share/qt6/translations/qtbase_*.qm)
install(FILES ${qt_catalogues} DESTINATION translations)
install(FILES resources/windows/qt.conf resources/windows/README.txt DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
# Without their debugging sections the program and its DLLs take a third of
# the room.
install(CODE "
  file(GLOB_RECURSE binaries \"\${CMAKE_INSTALL_PREFIX}/*.exe\" \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
  execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${binaries} COMMAND_ERROR_IS_FATAL ANY)
")

configure_file(resources/windows/talvoreth.nsi.in talvoreth.nsi @ONLY)
add_custom_target(packages
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/stage
  COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${TALVORETH_STAGE}
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/stage
          ${CMAKE_COMMAND} -E tar cf ${PROJECT_BINARY_DIR}/${TALVORETH_PACKAGE}.zip --format=zip
          ${TALVORETH_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -DSTAGE=${TALVORETH_STAGE} -DOUTPUT=${PROJECT_BINARY_DIR}/files.nsh
          -P ${PROJECT_SOURCE_DIR}/cmake/WriteNsisFileList.cmake
  COMMAND makensis -V2 ${PROJECT_BINARY_DIR}/talvoreth.nsi
  DEPENDS talvoreth
  VERBATIM)
