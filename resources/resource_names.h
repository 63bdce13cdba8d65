#pragma once
// Names of the resources the program asks for, as it asks for them (lookups ignore case).
// Note the single t in "Title_Botom_Image": that is the resource's name.

#include <array>
#include <string>
#include <string_view>

inline constexpr std::string_view Jpeg_Resource_Type = "JPEG";
inline constexpr std::string_view Points_Resource_Type = "POINTS";

// Fixed skin pieces, by fixed index.
inline constexpr std::array<std::string_view, 5> Skin_Frame_Names = {
    "Title_Top_Image", "Title_Left_Image_Middle", "Title_Left_Image_bottom",
    "Title_Right_Image_bottom", "Title_Ball_Panel_Image_Middle"};

// Colour variants of the upper side bars, each picked by its own random number 0..6.
inline constexpr std::array<std::string_view, 7> Skin_Left_Top_Names = {
    "Title_Left_Image_top_01", "Title_Left_Image_top_02", "Title_Left_Image_top_03",
    "Title_Left_Image_top_04", "Title_Left_Image_top_05", "Title_Left_Image_top_06",
    "Title_Left_Image_top_07"};
inline constexpr std::array<std::string_view, 7> Skin_Right_Top_Names = {
    "Title_Right_Image_top_01", "Title_Right_Image_top_02", "Title_Right_Image_top_03",
    "Title_Right_Image_top_04", "Title_Right_Image_top_05", "Title_Right_Image_top_06",
    "Title_Right_Image_top_07"};

inline constexpr std::string_view Skin_Bottom_Name = "Title_Botom_Image";
inline constexpr std::string_view Ball_Name = "Ball_Shato";

// 0: the bright drawing, 1: the dark one.
inline constexpr std::array<std::string_view, 2> Exit_Image_Names = {"Exit_Image_active",
                                                                     "Exit_Image_passive"};

inline constexpr std::array<std::string_view, 4> Molecula_Names = {
    "Molecula3C_ANE00", "Molecula3C_ANE01", "Molecula3C_ANE02", "Molecula3C_ANE03"};
inline constexpr std::string_view About_Molecula_Name = "Molecula3C_ANE01";

// Screenshots: a prefix and one decimal digit. Six of each exist (0..5).
inline constexpr std::string_view Dialog_Screenshot_Prefix = "MySCR_sshot_";
inline constexpr std::string_view Preview_Screenshot_Prefix = "Mini_sshot_";
inline constexpr int Screenshot_Count = 6;

inline std::string Screenshot_Name(std::string_view prefix, int index) {
    std::string name(prefix);
    name += std::to_string(index);
    return name;
}

// Outline lists: x and y of the dialog window, x and y of the TV-out panel.
inline constexpr std::string_view Form_Outline_X_Name = "pApp_X";
inline constexpr std::string_view Form_Outline_Y_Name = "pApp_Y";
inline constexpr std::string_view TVOut_Outline_X_Name = "pTVOut_X";
inline constexpr std::string_view TVOut_Outline_Y_Name = "pTVOut_Y";

// Pictures of the dialog's fixed images.
inline constexpr std::string_view Logo_Large_Name = "Logo_Large";
inline constexpr std::string_view Logo_Small_Name = "Logo_Small";
inline constexpr std::string_view Music_Folder_Name = "Music_Folder";
inline constexpr std::string_view Music_Note_Name = "Music_Note";
inline constexpr std::string_view Loudspeaker_Name = "Loudspeaker";
inline constexpr std::string_view Cpu_Chip_Name = "Cpu_Chip";
inline constexpr std::string_view Video_Card_Name = "Video_Card";

// The settings dialog's layout, an RCDATA resource.
inline constexpr std::string_view Adjustment_Form_Layout_Name = "TADJUSTMENT_FORM";
