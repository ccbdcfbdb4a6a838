# Debian's hardening flags, as dpkg-buildflags gives them with every hardening feature on: fortified
# functions, the stack protector, relocations read-only and bound at start-up (the compiler makes
# position-independent executables by default there). The release and package configurations use them.
option(ZQ_HARDENING "Build with the hardening flags of dpkg-buildflags" OFF)
if(NOT ZQ_HARDENING)
    return()
endif()

find_program(ZQ_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # From the source folder: the flags map its path away from the programs.
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${ZQ_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(zq_hardening_${kind} ${flags})
endforeach()
target_compile_options(zq_project_options INTERFACE ${zq_hardening_CPPFLAGS} ${zq_hardening_CXXFLAGS})
target_link_options(zq_project_options INTERFACE ${zq_hardening_LDFLAGS})
