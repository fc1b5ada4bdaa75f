# Records which of our targets links which, for scripts/check-includes and
# scripts/dependency-graph.
#
# client_record_links(TARGET KIND kind [FOLDER dir] [PRIVATE ...] [PUBLIC ...])
#   KIND is library, test or executable. FOLDER is the folder of the target's
#   sources relative to the repository root (default: the current source folder).
#   Links that are not recorded targets (Qt6::*, pugixml::*, PkgConfig::*, GTest::*)
#   are dropped when the record is written.
#
# client_write_link_record() writes ${PROJECT_BINARY_DIR}/client_targets.tsv once
# every target is recorded; call it at the end of the top-level CMakeLists.txt.
# Columns: kind, target, folder, private links, public links, extra include folders
# (include directories of the target itself inside the repository other than src/
# and tests/). Lists are separated by commas, "-" when empty.

function(client_record_links target)
  cmake_parse_arguments(ARG "" "KIND;FOLDER" "PRIVATE;PUBLIC" ${ARGN})
  if(NOT ARG_KIND)
    message(FATAL_ERROR "client_record_links(${target}): KIND is missing")
  endif()
  if(NOT ARG_FOLDER)
    file(RELATIVE_PATH ARG_FOLDER ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  set_property(GLOBAL APPEND PROPERTY CLIENT_RECORDED_TARGETS ${target})
  set_property(GLOBAL PROPERTY CLIENT_RECORD_KIND_${target} ${ARG_KIND})
  set_property(GLOBAL PROPERTY CLIENT_RECORD_FOLDER_${target} ${ARG_FOLDER})
  set_property(GLOBAL PROPERTY CLIENT_RECORD_PRIVATE_${target} ${ARG_PRIVATE})
  set_property(GLOBAL PROPERTY CLIENT_RECORD_PUBLIC_${target} ${ARG_PUBLIC})
endfunction()

# The recorded targets among LINKS, joined by commas ("-" for none).
function(_client_own_links out recorded)
  set(own "")
  foreach(link IN LISTS ARGN)
    if(link IN_LIST recorded AND NOT link IN_LIST own)
      list(APPEND own ${link})
    endif()
  endforeach()
  _client_joined(joined "${own}")
  set(${out} ${joined} PARENT_SCOPE)
endfunction()

# The items of LIST joined by commas, or "-" when there are none.
function(_client_joined out list)
  if(list)
    list(JOIN list "," joined)
  else()
    set(joined "-")
  endif()
  set(${out} ${joined} PARENT_SCOPE)
endfunction()

function(client_write_link_record)
  get_property(targets GLOBAL PROPERTY CLIENT_RECORDED_TARGETS)
  set(lines "# kind\ttarget\tfolder\tprivate\tpublic\tinclude\n")
  foreach(target IN LISTS targets)
    get_property(kind GLOBAL PROPERTY CLIENT_RECORD_KIND_${target})
    get_property(folder GLOBAL PROPERTY CLIENT_RECORD_FOLDER_${target})
    get_property(private GLOBAL PROPERTY CLIENT_RECORD_PRIVATE_${target})
    get_property(public GLOBAL PROPERTY CLIENT_RECORD_PUBLIC_${target})
    # Links added to the target elsewhere with target_link_libraries() are
    # recorded as well, with a warning: the record must match the build.
    get_target_property(linked ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(link IN LISTS linked)
      if(link IN_LIST targets AND NOT link IN_LIST private AND NOT link IN_LIST public)
        if(link IN_LIST interface)
          list(APPEND public ${link})
        else()
          list(APPEND private ${link})
        endif()
        message(WARNING "${target} links ${link} outside client_record_links()")
      endif()
    endforeach()
    _client_own_links(private_own "${targets}" ${private})
    _client_own_links(public_own "${targets}" ${public})
    set(extra "")
    get_target_property(dirs ${target} INCLUDE_DIRECTORIES)
    if(dirs)
      foreach(dir IN LISTS dirs)
        if(IS_ABSOLUTE "${dir}")
          file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${dir})
          if(NOT rel MATCHES "^\\.\\./" AND NOT rel MATCHES "^(src|tests)/?$"
             AND NOT dir MATCHES "^${PROJECT_BINARY_DIR}/"
             AND NOT rel STREQUAL folder AND NOT rel IN_LIST extra)
            list(APPEND extra ${rel})
          endif()
        endif()
      endforeach()
    endif()
    _client_joined(extra "${extra}")
    string(APPEND lines "${kind}\t${target}\t${folder}\t${private_own}\t${public_own}\t${extra}\n")
  endforeach()
  file(WRITE ${PROJECT_BINARY_DIR}/client_targets.tsv "${lines}")
endfunction()
