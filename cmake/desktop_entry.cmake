# Writes the desktop entry of an installation, run by `cmake --install` once the prefix is
# known. Its Exec is the installed program's absolute path: a menu starts the program without a
# shell's PATH, and the bin/ of a prefix such as /opt/quillon is on no PATH at all. Under DESTDIR
# the path is still the one the program has once the staged files are in place.
#
#   QUILLON_DESKTOP_TEMPLATE   the entry with @QUILLON_DESKTOP_EXEC@ in place of the command
#   QUILLON_DESKTOP_ENTRY      the entry to write
#   QUILLON_INSTALLED_PROGRAM  the program's path under the prefix
set(program "${CMAKE_INSTALL_PREFIX}/${QUILLON_INSTALLED_PROGRAM}")
if(program MATCHES "[\n\r\t]")
  message(FATAL_ERROR "A desktop entry cannot start a program whose path holds a line break or a tab: ${program}")
endif()
# Quoted, so that blanks and the other reserved characters of a path stand for themselves: inside
# the quotes a backslash goes before " ` $ and \. As an Exec value, every % is doubled, and every
# backslash of the quoted command is doubled again, since the entry's strings escape them too.
string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" quoted "${program}")
string(REPLACE "%" "%%" quoted "${quoted}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
set(QUILLON_DESKTOP_EXEC "\"${quoted}\"")
configure_file("${QUILLON_DESKTOP_TEMPLATE}" "${QUILLON_DESKTOP_ENTRY}" @ONLY)
