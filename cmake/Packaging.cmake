# The Debian package of the terminal (scripts/package.sh): the program and mes-sql
# in /usr/lib/mes-terminal with the files start-up reads beside it, commands in
# /usr/bin, the SQL Server schema and the kiosk example under /usr/share/doc.
include(GNUInstallDirs)

set(MES_PACKAGE mes-terminal)
set(MES_PROGRAM_DIR lib/${MES_PACKAGE})
set(MES_DOC_DIR share/doc/${MES_PACKAGE})
set(MES_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package-files)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The package takes only the programs: "cpack" must not build every test first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS mes-terminal mes-sql RUNTIME DESTINATION ${MES_PROGRAM_DIR})
# Relocations resolved and made read-only at start, as Debian builds its programs.
foreach(program mes-terminal mes-sql)
  set_property(TARGET ${program} APPEND PROPERTY LINK_OPTIONS -Wl,-z,relro -Wl,-z,now)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/src/app/Panel_Orvel_version.txt DESTINATION ${MES_PROGRAM_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/src/quality/img/no_photo.gif DESTINATION ${MES_PROGRAM_DIR}/img)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/scripts/register-odbc.sh DESTINATION ${MES_PROGRAM_DIR})

# The compiler's notes are of no use on a panel PC.
install(CODE "
  foreach(program mes-terminal mes-sql)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${MES_PROGRAM_DIR}/\${program}\")
  endforeach()")

# /usr/bin/mes-terminal -> ../lib/mes-terminal/mes-terminal: the program finds its
# folder through the link.
file(MAKE_DIRECTORY ${MES_PACKAGE_STAGE}/bin)
foreach(program mes-terminal mes-sql)
  file(CREATE_LINK ../${MES_PROGRAM_DIR}/${program} ${MES_PACKAGE_STAGE}/bin/${program} SYMBOLIC)
  install(FILES ${MES_PACKAGE_STAGE}/bin/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# Compressed as Debian wants them, without a time stamp so that builds compare.
function(mes_gzip_page source target)
  configure_file(${source} ${MES_PACKAGE_STAGE}/${target} @ONLY)
  execute_process(COMMAND gzip -9nf ${MES_PACKAGE_STAGE}/${target})
endfunction()
mes_gzip_page(${CMAKE_SOURCE_DIR}/packaging/changelog changelog)
mes_gzip_page(${CMAKE_SOURCE_DIR}/packaging/mes-terminal.1 mes-terminal.1)
mes_gzip_page(${CMAKE_SOURCE_DIR}/packaging/mes-sql.1 mes-sql.1)
install(FILES ${MES_PACKAGE_STAGE}/mes-terminal.1.gz ${MES_PACKAGE_STAGE}/mes-sql.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MES_PACKAGE_STAGE}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
              ${CMAKE_SOURCE_DIR}/db/sqlserver.sql
        DESTINATION ${MES_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/mes-terminal-kiosk.desktop
        DESTINATION ${MES_DOC_DIR}/examples)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${MES_PACKAGE})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/mes-terminal.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${MES_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Plant IT <mes-terminal@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shop-floor terminal of a production machine")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A touch-screen terminal for the panel PC at a press or moulding machine:\n\
work orders, counts, defects, stops, lot booking and box labels, straight on\n\
the plant's SQL Server database through ODBC (FreeTDS), or on an embedded\n\
demo plant. mes-terminal --check tells plant IT what works and what not.")
# Debian 12's packages by name: Qt 6 with its serial-port, print-support and
# ODBC modules, unixODBC with FreeTDS's driver, libzint, libmodbus, the Korean font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6sql6-odbc (>= 6.4), \
libqt6serialport6 (>= 6.4), libqt6printsupport6 (>= 6.4), libsqlite3-0, libodbc2, unixodbc, \
odbcinst, tdsodbc, libzint2.11, libmodbus5, fonts-nanum")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
