# `cmake --install` with the GNU directory layout: the programs, their man pages and bash completion,
# the manual, and what a Linux desktop needs to list the program, open .vlk files with it and show
# its icon (the desktop, shared-mime-info and icon-theme databases pick these files up themselves).
include(GNUInstallDirs)

set(ZQ_DIST_DIR ${ZQ_SOURCE_DIR}/dist)
set(ZQ_DIST_BUILD_DIR ${CMAKE_BINARY_DIR}/dist)
# The AppStream id, also the name of the metainfo file.
set(ZQ_APPSTREAM_ID com.velk.zql52)

find_program(ZQ_SCDOC scdoc REQUIRED)
find_program(ZQ_GZIP gzip REQUIRED)

set(zq_dist_outputs)

# Man pages: scdoc sources with the version filled in, turned into roff and compressed.
foreach(page zql52.1 zql52-cli.1)
    configure_file(${ZQ_DIST_DIR}/man/${page}.scd ${ZQ_DIST_BUILD_DIR}/man/${page}.scd @ONLY)
    add_custom_command(
        OUTPUT ${ZQ_DIST_BUILD_DIR}/man/${page}.gz
        COMMAND sh -c "${ZQ_SCDOC} <${page}.scd >${page} && ${ZQ_GZIP} -9 -n -f ${page}"
        WORKING_DIRECTORY ${ZQ_DIST_BUILD_DIR}/man
        DEPENDS ${ZQ_DIST_BUILD_DIR}/man/${page}.scd
        COMMENT "Man page ${page}"
        VERBATIM)
    list(APPEND zq_dist_outputs ${ZQ_DIST_BUILD_DIR}/man/${page}.gz)
    install(FILES ${ZQ_DIST_BUILD_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${ZQ_DIST_DIR}/completion/zql52-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(TARGET zql52-cli)
    install(TARGETS zql52-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(ZQ_BUILD_GUI)
    install(TARGETS zql52 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${ZQ_DIST_DIR}/completion/zql52
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
    install(FILES ${ZQ_DIST_DIR}/zql52.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZQ_DIST_DIR}/zql52.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zql52.xml)
    install(FILES ${ZQ_DIST_DIR}/${ZQ_APPSTREAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # Help > Contents shows the copy built into the program; this one is for reading without it.
    install(FILES ${ZQ_SOURCE_DIR}/res/manual/index.html DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/zql52/manual)

    # The icon theme gets the scalable artwork and PNGs rendered from it. Below 22 pixels the drawing
    # fitted to the 16-pixel grid is used, as in the window icon (res/icons.cpp).
    find_program(ZQ_RSVG_CONVERT rsvg-convert REQUIRED)
    install(FILES ${ZQ_DIST_DIR}/icons/zql52.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 16 22 24 32 48 64 128 256)
        if(size LESS 22)
            set(artwork ${ZQ_DIST_DIR}/icons/zql52-16.svg)
        else()
            set(artwork ${ZQ_DIST_DIR}/icons/zql52.svg)
        endif()
        set(folder ${ZQ_DIST_BUILD_DIR}/icons/${size}x${size}/apps)
        add_custom_command(
            OUTPUT ${folder}/zql52.png
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${ZQ_RSVG_CONVERT} --width=${size} --height=${size} --output=${folder}/zql52.png ${artwork}
            DEPENDS ${artwork}
            COMMENT "Icon ${size}x${size}"
            VERBATIM)
        list(APPEND zq_dist_outputs ${folder}/zql52.png)
        install(FILES ${folder}/zql52.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

add_custom_target(zq_dist ALL DEPENDS ${zq_dist_outputs})
