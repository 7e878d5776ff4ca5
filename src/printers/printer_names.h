// What a printer's name says: whether it is a braille embosser, and which model.
#pragma once

#include <string>
#include <string_view>

namespace printers {

// True when the name marks the printer as an embosser to be listed.
bool IsListedEmbosserName(std::string_view name);

// The model the name stands for; "NABCC-SGL" when no rule holds.
std::string_view ClassifyModelName(std::string_view name);

// `port` with every ":" removed.
std::string RemoveColons(std::string_view port);

}  // namespace printers
