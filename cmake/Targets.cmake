# How a folder becomes a target. Every folder of the program builds one library or one program from its
# own files (scripts/check_layers.py checks it), and a target sees only the headers of the targets it
# links.

# Exposes a library's headers to itself and to the targets that link it, under their usual names
# ("core/memory_image.h"), and nothing else of the source tree: including a header of a library the target
# does not link fails to compile. The headers are linked into a folder of the build tree of the target's
# own; HEADERS are paths relative to the calling folder.
function(zq_target_headers target)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    foreach(header IN LISTS ARGN)
        cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE
                   OUTPUT_VARIABLE source)
        cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ZQ_SOURCE_DIR} OUTPUT_VARIABLE name)
        set(link ${root}/${name})
        cmake_path(GET link PARENT_PATH folder)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${source} ${link} SYMBOLIC)
    endforeach()
    target_sources(${target} PRIVATE ${ARGN})
    target_include_directories(${target} PUBLIC ${root})
endfunction()

# The folder's library (STATIC) or program (EXECUTABLE) NAME from SOURCES in the folder, as zq::<NAME
# without "zq_">; every header of the folder is its interface. QT_WIDGETS: moc runs on it and it
# precompiles the common widget headers. LINKS are passed on to target_link_libraries as they are
# (PUBLIC/PRIVATE included).
function(zq_folder_target kind target)
    cmake_parse_arguments(PARSE_ARGV 2 arg "QT_WIDGETS" "" "SOURCES;LINKS")
    if(kind STREQUAL "EXECUTABLE")
        add_executable(${target} ${arg_SOURCES})
    else()
        add_library(${target} STATIC ${arg_SOURCES})
        string(REGEX REPLACE "^zq_" "" alias ${target})
        add_library(zq::${alias} ALIAS ${target})
    endif()
    file(GLOB headers RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    zq_target_headers(${target} ${headers})
    if(arg_QT_WIDGETS)
        set_target_properties(${target} PROPERTIES AUTOMOC ON)
        if(ZQ_PRECOMPILED_HEADERS)
            target_precompile_headers(${target} PRIVATE ${ZQ_QT_WIDGETS_HEADERS})
        endif()
    endif()
    target_link_libraries(${target} ${arg_LINKS})
endfunction()

function(zq_library target)
    zq_folder_target(STATIC ${target} ${ARGN})
endfunction()

function(zq_program target)
    zq_folder_target(EXECUTABLE ${target} ${ARGN})
endfunction()

# Every target of the build below FOLDER, into the variable OUT.
function(zq_collect_targets folder out)
    get_directory_property(targets DIRECTORY ${folder} BUILDSYSTEM_TARGETS)
    get_directory_property(subfolders DIRECTORY ${folder} SUBDIRECTORIES)
    foreach(subfolder IN LISTS subfolders)
        zq_collect_targets(${subfolder} more)
        list(APPEND targets ${more})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The targets of this project among LINKS (aliases resolved; imported and interface targets, Qt's and
# generator expressions left out), into the variable OUT.
function(zq_project_targets out)
    set(found "")
    foreach(link IN LISTS ARGN)
        if(link MATCHES "^\\$<" OR NOT TARGET ${link})
            continue()
        endif()
        get_target_property(aliased ${link} ALIASED_TARGET)
        if(aliased)
            set(link ${aliased})
        endif()
        get_target_property(link_type ${link} TYPE)
        get_target_property(imported ${link} IMPORTED)
        if(NOT imported AND NOT link_type STREQUAL "INTERFACE_LIBRARY")
            list(APPEND found ${link})
        endif()
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

# Writes the build's own graph for the layer check: for every target with sources, its folder, the
# targets of the project it links (directly) and whether it links Qt, and its source files. One line a
# fact, fields separated by tabs:
#   target NAME TYPE FOLDER    links NAME TARGET...    public NAME TARGET...    qt NAME MODULE...
#   source NAME PATH
# "links" are the targets NAME links, "public" those it passes on to its dependants.
# FOLDER and PATH are relative to the source root (or absolute outside it).
function(zq_write_layer_graph file)
    zq_collect_targets(${ZQ_SOURCE_DIR} targets)
    set(text "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
            continue()
        endif()
        get_target_property(folder ${target} SOURCE_DIR)
        cmake_path(RELATIVE_PATH folder BASE_DIRECTORY ${ZQ_SOURCE_DIR})
        string(APPEND text "target\t${target}\t${type}\t${folder}\n")
        get_target_property(links ${target} LINK_LIBRARIES)
        set(project_links "")
        set(qt "")
        foreach(link IN LISTS links)
            if(link MATCHES "^Qt6::(.*)$")
                list(APPEND qt ${CMAKE_MATCH_1})
            endif()
        endforeach()
        zq_project_targets(project_links ${links})
        list(JOIN project_links "\t" project_links)
        string(APPEND text "links\t${target}\t${project_links}\n")
        # What the target passes on to those that link it (PUBLIC): the headers a dependant sees.
        get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
        zq_project_targets(public ${interface})
        list(JOIN public "\t" public)
        string(APPEND text "public\t${target}\t${public}\n")
        list(JOIN qt "\t" qt)
        string(APPEND text "qt\t${target}\t${qt}\n")
        get_target_property(sources ${target} SOURCES)
        get_target_property(source_folder ${target} SOURCE_DIR)
        foreach(source IN LISTS sources)
            if(source MATCHES "^\\$<")
                continue()
            endif()
            cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_folder} NORMALIZE)
            cmake_path(IS_PREFIX ZQ_SOURCE_DIR ${source} NORMALIZE inside)
            if(inside)
                cmake_path(RELATIVE_PATH source BASE_DIRECTORY ${ZQ_SOURCE_DIR})
            endif()
            string(APPEND text "source\t${target}\t${source}\n")
        endforeach()
    endforeach()
    file(WRITE ${file} "${text}")
endfunction()
