# The Debian changelog and the manual pages, and the stripping Debian gives its programs.

configure_file(changelog.in changelog @ONLY)
configure_file(man/hueprobe.1.in man/hueprobe.1 @ONLY)
configure_file(man/hueprobe-clipboard-keeper.1.in man/hueprobe-clipboard-keeper.1 @ONLY)

# Compressed as Debian installs them: gzip -9n records no name and no time, so the
# same sources give the same package.
set(gzipped)
foreach(file changelog man/hueprobe.1 man/hueprobe-clipboard-keeper.1)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${file})
  add_custom_command(OUTPUT ${source}.gz
    COMMAND gzip -9nkf ${source}
    DEPENDS ${source} VERBATIM)
  list(APPEND gzipped ${source}.gz)
endforeach()
add_custom_target(hueprobe_manuals ALL DEPENDS ${gzipped})

# A native package: its one changelog is the program's own.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/hueprobe)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/hueprobe.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
set(programs ${CMAKE_INSTALL_BINDIR}/hueprobe)
if(TARGET hueprobe-clipboard-keeper)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/hueprobe-clipboard-keeper.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND programs ${CMAKE_INSTALL_LIBEXECDIR}/hueprobe-clipboard-keeper)
endif()

# A stripped install (cmake --install --strip, and the package) also drops the
# compiler's notes, which only make the programs bigger. The programs are installed
# by then: app/ comes before packaging/.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program ${programs})
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
        --remove-section=.note \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}\"
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
