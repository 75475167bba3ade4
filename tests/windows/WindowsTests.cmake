# The Windows build's own checks, which scripts/windows.sh runs under Wine once
# the packages are made: the executable's header and resources, the portable
# program end to end, and the installer.
set(windows_tests ${CMAKE_CURRENT_SOURCE_DIR}/windows)

# The unit tests find Qt's plugins in its prefix, and its catalogues where
# Debian keeps them (a Unix path is a path on Wine's drive of the Unix root).
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
file(WRITE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/qt.conf
  "[Paths]\nPrefix = ${qt_prefix}\nTranslations = /usr/share/qt6/translations\n")

add_test(NAME executable
  COMMAND /usr/bin/python3 ${windows_tests}/executable_test.py $<TARGET_FILE:talvoreth>
          ${TALVORETH_FILE_DESCRIPTION} ${TALVORETH_COMPANY} ${TALVORETH_FILE_VERSION}
          ${TALVORETH_PRODUCT_VERSION})
add_test(NAME wine_end_to_end
  COMMAND ${windows_tests}/wine_end_to_end_test.sh
          ${PROJECT_BINARY_DIR}/talvoreth-${PROJECT_VERSION}-win64.zip
          $<TARGET_FILE:session> $<TARGET_FILE:board-generations>)
add_test(NAME installer
  COMMAND ${windows_tests}/installer_test.sh
          ${PROJECT_BINARY_DIR}/talvoreth-${PROJECT_VERSION}-setup.exe ${PROJECT_VERSION})
set_tests_properties(wine_end_to_end installer PROPERTIES TIMEOUT 300)
set_tests_properties(executable PROPERTIES TIMEOUT 30)
set_tests_properties(wine_end_to_end PROPERTIES LABELS e2e)
set_tests_properties(executable installer PROPERTIES LABELS package)
