# Run by `cmake --install`: writes the menu entry with the full path of the program installed
# into this prefix, so the entry starts that program whatever PATH holds.
# Set before it runs: ZEL_DESKTOP_ENTRY_SOURCE, ZEL_DESKTOP_ENTRY_OUTPUT, ZEL_APPLICATION_ID
# and ZEL_INSTALL_BINDIR. Its own variables stay inside a function: the install script that
# includes it compares component names, which a variable of the same name would replace.
function(zel_write_desktop_entry)
  set(program "${CMAKE_INSTALL_PREFIX}/${ZEL_INSTALL_BINDIR}/zel-compatibility")
  # A path with characters that the Exec key reserves is quoted, with ", `, $ and \ escaped
  # inside the quotes; a % is doubled, as every % starts a field code.
  if(program MATCHES "[^A-Za-z0-9/._+-]")
    string(REPLACE "\\" "\\\\" program "${program}")
    string(REGEX REPLACE "([\"`$])" "\\\\\\1" program "${program}")
    set(program "\"${program}\"")
  endif()
  string(REPLACE "%" "%%" program "${program}")
  # The key's value is a string too, whose own escape doubles every backslash.
  string(REPLACE "\\" "\\\\" ZEL_PROGRAM "${program}")
  configure_file("${ZEL_DESKTOP_ENTRY_SOURCE}" "${ZEL_DESKTOP_ENTRY_OUTPUT}" @ONLY)
endfunction()
zel_write_desktop_entry()
