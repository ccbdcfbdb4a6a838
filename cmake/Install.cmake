# `cmake --install` with the GNU directory layout: the programs, their man pages and bash completion,
# the manual, and what a Linux desktop needs to list the program, open .vlk files with it and show
# its icon (the desktop, shared-mime-info and icon-theme databases pick these files up themselves).
include(GNUInstallDirs)
# Folders made by the installation are the same whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(ZQ_PACKAGE_MAINTAINER "ZQ-L52 maintainers <maintainers@zql52.invalid>"
    CACHE STRING "Maintainer field of the Debian package and its changelog")

set(ZQ_DIST_DIR ${ZQ_SOURCE_DIR}/dist)
set(ZQ_DIST_BUILD_DIR ${CMAKE_BINARY_DIR}/dist)
# The AppStream id, also the name of the metainfo file.
set(ZQ_APPSTREAM_ID com.velk.zql52)

find_program(ZQ_SCDOC scdoc REQUIRED)
find_program(ZQ_GZIP gzip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Two builds of one commit install the same bytes: the time of the last commit stands for "now" wherever
# a date goes into a file (the man pages) and for every file time in the package (SOURCE_DATE_EPOCH, as
# reproducible builds define it). One given in the environment wins; without git, the time of the top
# CMakeLists.txt. A new commit configures the build again.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ZQ_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    set(zq_commit_time_status 1)
    if(Git_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${ZQ_SOURCE_DIR}
            OUTPUT_VARIABLE ZQ_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE zq_commit_time_status ERROR_QUIET)
        execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
            WORKING_DIRECTORY ${ZQ_SOURCE_DIR}
            OUTPUT_VARIABLE zq_git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(EXISTS ${zq_git_dir}/logs/HEAD)
            set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${zq_git_dir}/logs/HEAD)
        endif()
    endif()
    if(NOT zq_commit_time_status EQUAL 0 OR ZQ_SOURCE_DATE_EPOCH STREQUAL "")
        file(TIMESTAMP ${ZQ_SOURCE_DIR}/CMakeLists.txt ZQ_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()

set(zq_dist_outputs)

# Man pages: scdoc sources with the version filled in, turned into roff and compressed.
foreach(page zql52.1 zql52-cli.1)
    configure_file(${ZQ_DIST_DIR}/man/${page}.scd ${ZQ_DIST_BUILD_DIR}/man/${page}.scd @ONLY)
    add_custom_command(
        OUTPUT ${ZQ_DIST_BUILD_DIR}/man/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZQ_SOURCE_DATE_EPOCH}
                sh -c "${ZQ_SCDOC} <${page}.scd >${page} && ${ZQ_GZIP} -9 -n -f ${page}"
        WORKING_DIRECTORY ${ZQ_DIST_BUILD_DIR}/man
        DEPENDS ${ZQ_DIST_BUILD_DIR}/man/${page}.scd
        COMMENT "Man page ${page}"
        VERBATIM)
    list(APPEND zq_dist_outputs ${ZQ_DIST_BUILD_DIR}/man/${page}.gz)
    install(FILES ${ZQ_DIST_BUILD_DIR}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

install(FILES ${ZQ_DIST_DIR}/completion/zql52-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The compiler's and the C library's version notes (.comment) tell a user nothing: the installed programs
# go without them.
function(zq_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\"
        COMMAND_ERROR_IS_FATAL ANY)")
endfunction()

if(TARGET zql52-cli)
    zq_install_program(zql52-cli)
endif()

# The licence and the release notes (the Debian changelog, written from the metainfo's releases), as a
# Debian package keeps them.
set(ZQ_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/zql52)
set(ZQ_METAINFO ${ZQ_DIST_DIR}/${ZQ_APPSTREAM_ID}.metainfo.xml)
install(FILES ${ZQ_DIST_DIR}/debian/copyright DESTINATION ${ZQ_DOC_DIR})
# What lintian may not hold against the package, each with its reason.
install(FILES ${ZQ_DIST_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME zql52)
add_custom_command(
    OUTPUT ${ZQ_DIST_BUILD_DIR}/changelog.gz
    COMMAND ${Python3_EXECUTABLE} ${ZQ_SOURCE_DIR}/scripts/debian_changelog.py ${ZQ_METAINFO} zql52
            ${ZQ_PACKAGE_MAINTAINER} ${ZQ_DIST_BUILD_DIR}/changelog
    COMMAND ${ZQ_GZIP} -9 -n -f ${ZQ_DIST_BUILD_DIR}/changelog
    DEPENDS ${ZQ_METAINFO} ${ZQ_SOURCE_DIR}/scripts/debian_changelog.py
    COMMENT "Changelog"
    VERBATIM)
list(APPEND zq_dist_outputs ${ZQ_DIST_BUILD_DIR}/changelog.gz)
install(FILES ${ZQ_DIST_BUILD_DIR}/changelog.gz DESTINATION ${ZQ_DOC_DIR})

if(ZQ_BUILD_GUI)
    zq_install_program(zql52)
    install(FILES ${ZQ_DIST_DIR}/completion/zql52
            DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
    install(FILES ${ZQ_DIST_DIR}/zql52.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${ZQ_DIST_DIR}/zql52.mime.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zql52.xml)
    install(FILES ${ZQ_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # Help > Contents shows the copy built into the program; this one is for reading without it, and the
    # documentation index (doc-base) lists it.
    install(FILES ${ZQ_SOURCE_DIR}/res/manual/index.html DESTINATION ${ZQ_DOC_DIR}/manual)
    install(FILES ${ZQ_DIST_DIR}/debian/doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base RENAME zql52)

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
