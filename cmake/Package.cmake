# `cpack` in the build folder makes a Debian package of what `cmake --install` installs. Its
# dependencies come from the shared-library scan (dpkg-shlibdeps). No maintainer scripts: on Debian the
# triggers of desktop-file-utils, shared-mime-info, hicolor-icon-theme, man-db and doc-base refresh
# their databases when a package adds or removes files in their folders. Every file time in the package
# is the last commit's (ZQ_SOURCE_DATE_EPOCH, cmake/Install.cmake), so two builds of one commit give the
# same package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zql52)
set(CPACK_PACKAGE_VENDOR "ZQ-L52")
set(CPACK_PACKAGE_CONTACT "${ZQ_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming (cloning) tool for the VL-L52 hand-held transceiver")
set(CPACK_PACKAGE_DESCRIPTION
    "ZQ-L52 reads the memory of a VL-L52 hand-held FM transceiver over a
serial cloning cable, edits its memory channels, program-scan edges, call
channels, common settings and DTMF memories, saves the memory as a .vlk
clone data file and writes it back to the radio.

The package holds the desktop program zql52 and the command-line tool
zql52-cli, which needs no display and suits scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (its dialogs' buttons) in German and Japanese, beside the program's built-in translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZQ_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Read by cpack when it runs: the file times of the package.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackSourceDate.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${ZQ_SOURCE_DATE_EPOCH})
endif()
")

include(CPack)
