#pragma once
// The base folder of a course, found from the folder a lesson program starts
// in by cutting characters off its end, and the data folder below it that
// holds the shared pictures.

#include <string>
#include <string_view>

namespace platform {

// The base folder of a current folder in drive form ("D:\SANSU\ROKU1\EXE"
// gives "D:\SANSU").  Characters are counted, not bytes: the last component
// (at most four characters, with its "\") and six more characters are cut.
// A folder too short for the cut is a RunError (BadArgument).
std::string base_folder(std::string_view current_folder);

// The data folder of a base folder: base + "\da".
std::string data_folder(std::string_view base);

}  // namespace platform
