// The dialog templates and the string table.
#pragma once

#include <string_view>

#include "platform/dialog/dialog_template.h"

namespace res {

const platform::DialogTemplate& AboutTemplate();      // 100
const platform::DialogTemplate& VarnelTemplate();     // 102
const platform::DialogTemplate& ProgressTemplate();   // 103
const platform::DialogTemplate& ReadPagesTemplate();  // 105

// The string of a string-table id; empty when the table has none.
std::string_view LoadString(int id);

// The project's own texts of the about box.
inline constexpr std::string_view kMakerName = "Varnel プロジェクト";
inline constexpr std::string_view kMakerLine = "Varnel  (C) 2024-2026 Varnel プロジェクト";
inline constexpr std::string_view kHomePageAddress = "https://varnel.example.org/";

}  // namespace res
