// Access to the committed files under resources/art for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bmp_file.hpp"
#include "polygon.hpp"
#include "raster.hpp"

namespace skin_art::testing {

std::string committed_path(const std::string& file_name);
std::vector<std::uint8_t> read_committed(const std::string& file_name);
std::vector<std::string> committed_names();  // sorted

// A committed bitmap by resource name ("TITLE_TOP_IMAGE"), decoded once.
const DecodedBmp& committed_bitmap(const std::string& name);

// A committed outline from its two lists ("PAPP" or "PTVOUT").
std::vector<Point> committed_outline(const std::string& stem);

}  // namespace skin_art::testing
