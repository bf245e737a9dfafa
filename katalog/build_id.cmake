# cmake -DOUT=header -DLIST=file -DROOT=tree -P build_id.cmake: writes the header that names
# the build of the catalogue: a digest of every source file that decides what the catalogue
# writes (their paths and bytes, listed in LIST), the same for the Linux and the Windows build
# of one tree. A rebuild keeps a scenario's parts only when they were made by the same build.
file(STRINGS ${LIST} sources)
set(listing "")
foreach(source ${sources})
  file(SHA256 ${source} digest)
  file(RELATIVE_PATH name ${ROOT} ${source})
  string(APPEND listing "${name} ${digest}\n")
endforeach()
string(SHA256 build "${listing}")
string(SUBSTRING ${build} 0 32 build)
set(text "// Made by katalog/build_id.cmake at build time.\n#pragma once\n\nnamespace katalog {\ninline constexpr char kBuildId[] = \"${build}\";\n}  // namespace katalog\n")
file(WRITE ${OUT} "${text}")
