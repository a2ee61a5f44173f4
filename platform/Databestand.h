#pragma once

#include <string>
#include <string_view>

namespace rcveltor::platform {

// Where the program reads a data file of its own (the table, the info text,
// the maker's details, the report fonts), as UTF-8: in the working folder, as
// always. On Windows, where a double-clicked calculation file starts the
// program in that file's folder, beside the program when the working folder
// lacks it. Without either, the path in the working folder, for the message.
std::string ZoekDatabestand(const std::string& werkmap, std::string_view naam);

} // namespace rcveltor::platform
