# Runs at install time, with the prefix being installed to: installs the
# desktop entry made from TALVORETH_DESKTOP_TEMPLATE (its name without .in)
# into TALVORETH_DESKTOP_DIR under the prefix, with an Exec line that starts
# <prefix>/TALVORETH_PROGRAM by its absolute path, since that folder need not
# be on PATH (a user's <prefix>/games seldom is).
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(program "${prefix}/${TALVORETH_PROGRAM}")
# The desktop entry's quoting: a path with a reserved character goes in double
# quotes, with ", ` and $ escaped inside them (CMake has already turned any
# backslash into a slash).
if(program MATCHES "[ \t\n\"'><~|&;$*?#()`]")
  string(REGEX REPLACE "([\"`$])" "\\\\\\1" program "${program}")
  set(program "\"${program}\"")
endif()
# Then the escapes of any string value and of field codes.
string(REPLACE "\\" "\\\\" program "${program}")
string(REPLACE "\t" "\\t" program "${program}")
string(REPLACE "\n" "\\n" program "${program}")
string(REPLACE "%" "%%" program "${program}")
set(TALVORETH_EXEC "${program}")

# Made in a folder of its own for each destination, so that installations
# into different places at the same time do not write each other's entry.
get_filename_component(name "${TALVORETH_DESKTOP_TEMPLATE}" NAME_WLE)
string(SHA1 destination "$ENV{DESTDIR}${prefix}")
set(entry "${TALVORETH_SCRATCH_DIR}/${destination}/${name}")
configure_file("${TALVORETH_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
file(INSTALL "${entry}" DESTINATION "${prefix}/${TALVORETH_DESKTOP_DIR}")
