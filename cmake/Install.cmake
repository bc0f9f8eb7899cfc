# Installation and the Debian package: the program behind a launcher that
# gives it the learner's workspace, the generated images, a menu entry and
# the icon. Nothing else of the build (tests, benchmarks, tools) is installed.
file(RELATIVE_PATH QUOVADRIN_BIN_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${QUOVADRIN_FULL_PROGRAM_DIR})
configure_file(${PROJECT_SOURCE_DIR}/packaging/quovadrin-launcher.sh.in
               ${CMAKE_BINARY_DIR}/launcher/quovadrin @ONLY)

install(TARGETS quovadrin RUNTIME DESTINATION ${QUOVADRIN_PROGRAM_DIR})
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/quovadrin DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${QUOVADRIN_DATA_DIR}/vorpData ${QUOVADRIN_DATA_DIR}/alphabetTextures
        DESTINATION ${QUOVADRIN_SHARE_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/quovadrin.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size IN LISTS QUOVADRIN_APP_ICON_SIZES)
  install(FILES ${QUOVADRIN_DATA_DIR}/appIcon/quovadrin-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quovadrin.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quovadrin)
set(CPACK_PACKAGE_VENDOR "Quovadrin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "algorithm laboratory for school learners")
# The long description in lines the package tools show as they are.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Learners compose a small drawing program from icon buttons and value\n"
       "fields, see it as a listing of sentences, run it step by step on a grid\n"
       "canvas and save the algorithm and the picture. The user interface is\n"
       "German. The program runs full-screen, or in a window with --window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quovadrin developers <quovadrin@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (GLUT, GL, GLU, libpng, the C++ runtime) as
# the installed system names them, with the versions it was built against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
