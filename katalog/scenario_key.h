// What a scenario's parts of the catalogue (its pictures and its data) are
// made from: the scenario file and its three companions, read by the names
// the lister's loader forms, and the build of the program. Their digest is
// the key that names the parts, so an unchanged scenario finds its parts by
// name; their sizes and times are stamps that let a rebuild skip the digest.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace katalog {

// The scenario file, "_Color.dds", ".xml" and ".cs" of the scenario's base name.
std::array<std::string, 4> ScenarioInputs(const std::string& scenarioDir,
                                          const std::string& fileName);

// A file's size and modification time as the system gives them (its form
// differs between systems), "-" when it is missing and "?" when it is no
// regular file.
std::string FileStamp(const std::string& path);
std::vector<std::string> InputStamps(const std::array<std::string, 4>& inputs);

// 32 lower-case hex digits of a 128-bit digest of the program's build, the
// file name and each input's kind and bytes.
std::string ScenarioKey(const std::string& program, const std::string& fileName,
                        const std::array<std::string, 4>& inputs);

}  // namespace katalog
