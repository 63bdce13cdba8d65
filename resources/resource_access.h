#pragma once
// Finding resources in the program's own module by type and name (case ignored, no language
// given). A failed lookup raises "Resource %s not found".

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "resources/jpeg_decoder.h"
#include "resources/points_list.h"
#include "ui/handles.h"

// The bytes of a resource of a named type ("JPEG", "POINTS").
std::span<const std::uint8_t> Resource_Bytes(std::string_view type, std::string_view name);
// The same for a standard type (RT_BITMAP, RT_RCDATA, ...).
std::span<const std::uint8_t> Resource_Bytes(LPCSTR standard_type, std::string_view name);

// A string-table entry, whatever its length; the empty text when there is none.
std::string Load_Resource_String(unsigned id);

// A bitmap resource as a device-independent bitmap of its own depth.
ui::Gdi_Bitmap Load_Bitmap_Resource(std::string_view name);

// A JPEG resource decoded at full size.
Rgb_Image Load_Jpeg_Resource(std::string_view name);

// An outline from its X and Y point lists.
Outline Read_Outline(std::string_view x_name, std::string_view y_name);
