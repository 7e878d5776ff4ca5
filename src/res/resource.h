// Resource and control identifiers.
#pragma once

namespace res {

// Dialog templates and strings.
inline constexpr int kIddAbout = 100;
inline constexpr int kIdsAboutBox = 101;  // the about entry of the window menu
inline constexpr int kIddVarnel = 102;
inline constexpr int kIddProgress = 103;
inline constexpr int kIdsPrinting = 104;  // caption of the progress window
inline constexpr int kIddReadPages = 105;

// Icons.
inline constexpr int kIconAbout = 128;
inline constexpr int kIconProgram = 129;

// Command of the about entry in the window menu.
inline constexpr unsigned kIdmAboutBox = 0x0010;

// Controls of the main dialog.
inline constexpr int kIdcBrowse = 1002;
inline constexpr int kIdcVersion = 1003;
inline constexpr int kIdcFileName = 1004;
inline constexpr int kIdcCharsPerLine = 1005;
inline constexpr int kIdcLinesPerPage = 1006;
inline constexpr int kIdcPageCount = 1007;
inline constexpr int kIdcStartPage = 1008;
inline constexpr int kIdcEndPage = 1009;
inline constexpr int kIdcCopies = 1010;
inline constexpr int kIdcFront = 1012;
inline constexpr int kIdcBack = 1013;
inline constexpr int kIdcPort = 1018;
inline constexpr int kIdcPrint = 1020;
inline constexpr int kIdcSingle = 1021;
inline constexpr int kIdcDouble = 1022;
inline constexpr int kIdcPageBreak = 1025;
inline constexpr int kIdcClose = 1026;
inline constexpr int kIdcGraphics = 1027;
inline constexpr int kIdcGraphicsInfo = 1028;
inline constexpr int kIdcKeyPrinter = 1030;      // Alt+1
inline constexpr int kIdcKeyPrinterName = 1031;  // Alt+2
inline constexpr int kIdcKeyFile = 1032;         // Alt+3
inline constexpr int kIdcKeyBrowse = 1033;       // Alt+4
inline constexpr int kIdcKeyRange = 1034;        // Alt+5
inline constexpr int kIdcKeyStartPage = 1035;    // Alt+6
inline constexpr int kIdcKeyEndPage = 1036;      // Alt+7
inline constexpr int kIdcKeyCopies = 1037;       // Alt+8
inline constexpr int kIdcKeyOptions = 1038;      // Alt+9
inline constexpr int kIdcKeySingle = 1039;       // Alt+S
inline constexpr int kIdcKeyFront = 1040;        // Alt+O
inline constexpr int kIdcPrinter = 1041;
inline constexpr int kIdcKeyBack = 1042;       // Alt+U
inline constexpr int kIdcKeyGraphics = 1043;   // Alt+Z
inline constexpr int kIdcKeyPageBreak = 1044;  // Alt+K
inline constexpr int kIdcKeyDouble = 1045;     // Alt+W
inline constexpr int kIdcKeyReadPages = 1047;  // Alt+R
inline constexpr int kIdcSingleKey = 1049;
inline constexpr int kIdcDoubleKey = 1050;
inline constexpr int kIdcFrontKey = 1051;
inline constexpr int kIdcBackKey = 1052;
inline constexpr int kIdcGraphicsKey = 1053;
inline constexpr int kIdcPageBreakKey = 1054;

// Controls of the about box.
inline constexpr int kIdcHomePage = 1034;

// Controls of the page reading window.
inline constexpr int kIdcPageText = 1101;
inline constexpr int kIdcGoToPage = 1102;
inline constexpr int kIdcPagePicture = 1103;
inline constexpr int kIdcKeySheets = 1104;  // Alt+M

// Controls of the progress window.
inline constexpr int kIdcProgressBar = 1003;
inline constexpr int kIdcProgressText = 1005;

}  // namespace res
