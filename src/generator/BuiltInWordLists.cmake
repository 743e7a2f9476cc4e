# Writes OUT, a C++ source holding the bytes of every *.txt of FOLDER, by name,
# for BuiltInWordLists.h: cmake -DFOLDER=... -DOUT=... -P BuiltInWordLists.cmake
file(GLOB lists LIST_DIRECTORIES false RELATIVE ${FOLDER} ${FOLDER}/*.txt)
list(SORT lists)
set(entries "")
foreach(name ${lists})
  file(READ ${FOLDER}/${name} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  # Every byte an escape of two hex digits, 32 bytes a line.
  set(text "     \"\"\n")
  if(digits GREATER 0)
    set(text "")
    math(EXPR last "${digits} - 1")
    foreach(at RANGE 0 ${last} 64)
      string(SUBSTRING "${hex}" ${at} 64 chunk)
      string(REGEX REPLACE "(..)" "\\\\x\\1" chunk "${chunk}")
      string(APPEND text "     \"${chunk}\"\n")
    endforeach()
  endif()
  string(APPEND entries "    {\"${name}\",\n     {\n${text}      , ${size}}},\n")
endforeach()
file(WRITE ${OUT}.new "// Made by src/generator/BuiltInWordLists.cmake from assets/words/: do not edit.
#include \"generator/BuiltInWordLists.h\"

namespace {

constexpr BuiltInWordList kLists[] = {
${entries}};

}  // namespace

std::span<const BuiltInWordList> BuiltInWordLists() {
  return kLists;
}
")
# The source changes only when a list does, so nothing is built again for nothing.
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
