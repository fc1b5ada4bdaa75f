# client_library(NAME LINKS ...): the static library of one source folder, made of
# the folder's own .cpp and .h files (not those of its subfolders). Headers are
# included as "folder/header.h" from src/.
function(client_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  # Program code converts text explicitly; tests may write plain literals.
  target_compile_definitions(${name} PRIVATE QT_NO_CAST_FROM_ASCII)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  target_precompile_headers(${name} PRIVATE <QtCore/QString> <QtCore/QByteArray> <QtCore/QList>)
endfunction()
