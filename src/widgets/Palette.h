#pragma once
// Every colour of the program's look, named once. Windows, the look kit and the printed reports
// take their colours from here, never from a number of their own.

#include <QColor>

namespace Palette {

// The named colours of the screens and reports.
inline constexpr QColor SteelBlue(70, 130, 180);
inline constexpr QColor LightSteelBlue(176, 196, 222);
inline constexpr QColor Navy(26, 47, 85);
inline constexpr QColor Crimson(220, 20, 60);
inline constexpr QColor DarkCyan(0, 139, 139);
inline constexpr QColor SlateGrey(112, 128, 144);
inline constexpr QColor Gold(255, 215, 0);
// The hint line along the bottom of a working screen (FF3030DD).
inline constexpr QColor HintBar(48, 48, 221);
// The frame around the box that has the focus: yellow, with a paler edge.
inline constexpr QColor FocusYellow(255, 255, 0);
inline constexpr QColor FocusEdge(255, 255, 160);
// The links of the help and information windows: dark blue (FF00008B), orange (FFFFA500) while held.
inline constexpr QColor Link(0, 0, 139);
inline constexpr QColor LinkHeld(255, 165, 0);

// The client registry screen's background, from this blue at the top to white (FF9DB5CA).
inline constexpr QColor RegistryTop(157, 181, 202);

// The client information sheet: its title and closing bars, and the titles of its rows.
inline constexpr QColor DarkOrange(255, 140, 0);
inline constexpr QColor Teal(0, 128, 128);

// Backgrounds: the login windows and the small dialogs.
inline constexpr QColor LoginTop(190, 211, 235);
inline constexpr QColor LoginBottom(250, 252, 255);
inline constexpr QColor DialogTop(214, 226, 241);
inline constexpr QColor DialogBottom(247, 250, 253);
// The help window, white at the top to light blue (FFBFD8EF), and the credits window's dark foot
// (FF352525).
inline constexpr QColor HelpBottom(191, 216, 239);
inline constexpr QColor CreditsBottom(53, 37, 37);

// Cards: the start menu's tiles, the title banners and the year selection's boxes.
inline constexpr QColor CardTop(255, 255, 255, 235);
inline constexpr QColor CardBottom(221, 232, 244, 235);
inline constexpr QColor CardBorder(120, 150, 190);
// The white panels of the dialogs and the sections of the visit editor.
inline constexpr QColor PanelBottom(240, 245, 251);
inline constexpr QColor PanelBorder(143, 166, 196);
inline constexpr QColor SectionBottom(226, 235, 246);

// The dark blue band of the login windows, with its gold edge.
inline constexpr QColor BandTop(18, 44, 92);
inline constexpr QColor BandBottom(44, 92, 156);
inline constexpr QColor BandEdgeTop(255, 204, 0);
inline constexpr QColor BandEdgeBottom(230, 160, 0);

// The list banner and the search strip of the list screens: midnight to sky blue.
inline constexpr QColor Midnight(14, 34, 74);
inline constexpr QColor RoyalBlue(34, 78, 138);
inline constexpr QColor SkyBlue(92, 140, 196);
inline constexpr QColor DeepBlue(28, 62, 112);
inline constexpr QColor BannerEdge(8, 20, 48);
inline constexpr QColor BannerMark(255, 196, 0);

// The list panel: its body, the frame of the list, and the border of both.
inline constexpr QColor ListPanelTop(246, 248, 251);
inline constexpr QColor ListPanelBottom(216, 224, 234);
inline constexpr QColor ListFrameTop(232, 238, 246);
inline constexpr QColor ListFrameBottom(190, 204, 222);
inline constexpr QColor ListBorder(120, 136, 158);

// The export screens: the light grey ground, the slate-blue strip under the hint line, and the
// grid's lines, shaded rows and number column.
inline constexpr QColor LightGrey(211, 211, 211);
inline constexpr QColor SlateBlue(106, 90, 205);
inline constexpr QColor GridLine(195, 207, 221);
inline constexpr QColor GridShade(233, 240, 248);
inline constexpr QColor GridNumber(221, 230, 241);

// Text.
inline constexpr QColor HelpInk(16, 32, 60);
inline constexpr QColor TitleInk(27, 58, 94);
inline constexpr QColor ButtonInk(21, 48, 90);
inline constexpr QColor BoxInk(16, 42, 76);
inline constexpr QColor CheckInk(27, 47, 77);

// The monthly chart: its title, foot text, grid, ticks and outlines, and the colour of each month,
// January first.
inline constexpr QColor ChartTitle(0xD0, 0x44, 0x98);
inline constexpr QColor ChartFoot(0x72, 0x94, 0xF9);
inline constexpr QColor ChartGrid(192, 192, 192);
inline constexpr QColor ChartTick(128, 128, 128);
inline constexpr QColor ChartOutline(90, 90, 90);
inline constexpr QColor MonthColours[12] = {
    QColor(0xFF, 0x00, 0x00), // red
    QColor(0x00, 0x00, 0xFF), // blue
    QColor(0xFF, 0xE4, 0xC4), // bisque
    QColor(0xFF, 0x00, 0xFF), // fuchsia
    QColor(0xC0, 0xDC, 0xC0), // money green
    QColor(0xFF, 0xFF, 0x00), // yellow
    QColor(0x00, 0xFF, 0x00), // lime
    QColor(0xC0, 0xC0, 0xC0), // silver
    QColor(0xF0, 0xFB, 0xFF), // very light blue
    QColor(0x87, 0xCE, 0xEB), // sky blue
    QColor(0x80, 0x00, 0x00), // maroon
    QColor(0x00, 0x80, 0x00), // green
};

} // namespace Palette
