# The Debian games layout under the install prefix: the game in games/, its
# shipped data in share/games/tsubura/, the puzzle tool in bin/, and what the
# desktop needs to list the game and open its files.
set(TSUBURA_ID jp.tsubura.Tsubura)
set(TSUBURA_SHARE share/games/tsubura)

install(TARGETS tsubura RUNTIME DESTINATION games)
install(TARGETS tsubura-puzzle RUNTIME DESTINATION bin)
install(FILES ${TSUBURA_SOUNDS} DESTINATION ${TSUBURA_SHARE}/Data)
install(FILES ${TSUBURA_PUZZLES} ${TSUBURA_PACK} ${TSUBURA_TARGETS}
  DESTINATION ${TSUBURA_SHARE}/puzzles)
install(FILES ${TSUBURA_WORD_LISTS} DESTINATION ${TSUBURA_SHARE}/words)

set(desktop ${CMAKE_SOURCE_DIR}/assets/desktop)
install(FILES ${desktop}/${TSUBURA_ID}.desktop DESTINATION share/applications)
install(FILES ${desktop}/${TSUBURA_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${desktop}/tsubura.xml DESTINATION share/mime/packages RENAME ${TSUBURA_ID}.xml)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/assets/icon/tsubura-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${TSUBURA_ID}.png)
endforeach()

# Manual pages and the package's documents go compressed, without time stamps.
foreach(page assets/man/tsubura.6 assets/man/tsubura-puzzle.1 packaging/debian/changelog)
  get_filename_component(name ${page} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/compressed
    COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/${page} > ${compressed}
    DEPENDS ${CMAKE_SOURCE_DIR}/${page})
  list(APPEND TSUBURA_COMPRESSED ${compressed})
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${TSUBURA_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/compressed/tsubura.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_BINARY_DIR}/compressed/tsubura-puzzle.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/debian/copyright
  DESTINATION share/doc/tsubura)
