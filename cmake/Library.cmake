include(${CMAKE_CURRENT_LIST_DIR}/LinkRecord.cmake)

# client_library(NAME [LINKS lib...] [PUBLIC lib...]): the static library of one
# source folder, made of the folder's own .cpp and .h files (not those of its
# subfolders). LINKS are used by the library's sources only; PUBLIC ones also by
# its headers, and so by every user of the library. A folder of headers only
# makes an interface library. Headers are included as "folder/header.h" from src/.
function(client_library name)
  cmake_parse_arguments(ARG "" "" "LINKS;PUBLIC" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT sources)
    add_library(${name} INTERFACE ${headers})
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_PUBLIC} ${ARG_LINKS})
    client_record_links(${name} KIND library PUBLIC ${ARG_PUBLIC} ${ARG_LINKS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  # Program code converts text explicitly; tests may write plain literals.
  target_compile_definitions(${name} PRIVATE QT_NO_CAST_FROM_ASCII)
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_LINKS})
  target_precompile_headers(${name} PRIVATE <QtCore/QString> <QtCore/QByteArray> <QtCore/QList>)
  client_record_links(${name} KIND library PRIVATE ${ARG_LINKS} PUBLIC ${ARG_PUBLIC})
endfunction()
