# tsubura_cp932_table: code page 932 through tables read off this machine's
# iconv by cp932-table-maker, built and run with the machine's own compiler
# (also when the rest is built for the browser). A library, so that targets in
# other folders can use the generated table.
find_program(TSUBURA_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
set(TSUBURA_CP932_TABLE ${CMAKE_BINARY_DIR}/generated/Cp932Table.cpp)
set(TSUBURA_CP932_MAKER ${CMAKE_BINARY_DIR}/generated/cp932-table-maker)
add_custom_command(OUTPUT ${TSUBURA_CP932_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND ${TSUBURA_HOST_CXX} -std=c++20 -O1 -o ${TSUBURA_CP932_MAKER}
    ${CMAKE_SOURCE_DIR}/src/platform/Cp932TableMaker.cpp
  COMMAND ${TSUBURA_CP932_MAKER} ${TSUBURA_CP932_TABLE}
  DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/Cp932TableMaker.cpp
  COMMENT "Reading code page 932 off iconv"
  VERBATIM)
add_library(tsubura_cp932_table STATIC src/platform/Cp932FromTable.cpp ${TSUBURA_CP932_TABLE})
target_include_directories(tsubura_cp932_table PUBLIC src)
