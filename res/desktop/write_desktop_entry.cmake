# Runs at install time, when the prefix is known: writes the desktop entry
# with the installed program's absolute path in Exec, so a menu or a file
# manager starts it whether or not its folder is on PATH.
#
# Expects TEMPLATE (the entry with @DESKTOP_EXEC@), OUTPUT and PROGRAM.

get_filename_component(PROGRAM "${PROGRAM}" ABSOLUTE)
if(PROGRAM MATCHES "[\n\r]")
  message(FATAL_ERROR "A desktop entry cannot name a program whose path holds a line break: ${PROGRAM}")
endif()

# Exec takes the path as one quoted argument, inside which ", `, $ and \ are
# escaped with a backslash; the key's value is then a string, whose own
# escaping doubles every backslash once more, and Exec doubles %.
string(REPLACE "\\" "\\\\" quoted "${PROGRAM}")
string(REPLACE "\"" "\\\"" quoted "${quoted}")
string(REPLACE "`" "\\`" quoted "${quoted}")
string(REPLACE "$" "\\$" quoted "${quoted}")
string(REPLACE "\\" "\\\\" DESKTOP_EXEC "\"${quoted}\"")
string(REPLACE "%" "%%" DESKTOP_EXEC "${DESKTOP_EXEC}")

configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
