# Installation and the Debian package: the program behind a launcher that
# gives it the learner's workspace, the generated images, a menu entry, the
# icon, the software-centre entry, the manual page and the documents a
# distribution asks for. Nothing else of the build (tests, benchmarks, tools)
# is installed.
file(RELATIVE_PATH QUOVADRIN_BIN_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${QUOVADRIN_FULL_PROGRAM_DIR})
configure_file(${PROJECT_SOURCE_DIR}/packaging/quovadrin-launcher.sh.in
               ${CMAKE_BINARY_DIR}/launcher/quovadrin @ONLY)

install(TARGETS quovadrin RUNTIME DESTINATION ${QUOVADRIN_PROGRAM_DIR})
# A stripped installation (the package's) also drops the compilers' version
# notes, which only make the program bigger, as Debian's own packages do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUOVADRIN_PROGRAM_DIR}/quovadrin\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/quovadrin DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QUOVADRIN_DATA_DIR}/vorpData ${QUOVADRIN_DATA_DIR}/alphabetTextures
        DESTINATION ${QUOVADRIN_SHARE_DIR})
# The menu entry is named after the software-centre id, so that the
# metadata's launchable finds it.
set(QUOVADRIN_APP_ID org.example.quovadrin)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUOVADRIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${QUOVADRIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size IN LISTS QUOVADRIN_APP_ICON_SIZES)
  install(FILES ${QUOVADRIN_DATA_DIR}/appIcon/quovadrin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quovadrin.png)
endforeach()

# Manual page and changelog go compressed, as Debian's tools expect them;
# gzip -n leaves out name and time, so the same source gives the same bytes.
set(QUOVADRIN_GZIP_DIR ${CMAKE_BINARY_DIR}/packaging)
set(QUOVADRIN_GZIPPED)
foreach(document quovadrin.1 changelog)
  set(plain ${QUOVADRIN_GZIP_DIR}/${document})
  add_custom_command(
    OUTPUT ${plain}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${document} ${plain}
    COMMAND gzip -9nf ${plain}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${document}
    COMMENT "Compressing ${document}"
    VERBATIM)
  list(APPEND QUOVADRIN_GZIPPED ${plain}.gz)
endforeach()
add_custom_target(quovadrin_documents ALL DEPENDS ${QUOVADRIN_GZIPPED})
install(FILES ${QUOVADRIN_GZIP_DIR}/quovadrin.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUOVADRIN_GZIP_DIR}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quovadrin)
# Lintian's findings that are wrong for this package, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quovadrin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quovadrin)
set(CPACK_PACKAGE_VENDOR "Quovadrin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algorithm laboratory for school learners")
# The long description in lines the package tools show as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Learners compose a small drawing program from icon buttons and value\n"
       "fields, see it as a listing of sentences, run it step by step on a grid\n"
       "canvas and save the algorithm and the picture. The user interface is\n"
       "German. The program runs full-screen, or in a window with --window.\n"
       "With --render it draws saved algorithms without a display, as SVG\n"
       "pictures and a printable class overview.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quovadrin developers <quovadrin@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quovadrin.example.org/)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (GLUT, GL, GLU, libpng, the C++ runtime) as
# the installed system names them, with the versions it was built against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
