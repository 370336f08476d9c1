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

// The edit boxes and drop-down lists: their border, the highlighted item, the read-only boxes.
inline constexpr QColor BoxBorder(127, 157, 185);
inline constexpr QColor Selection(47, 103, 168);
inline constexpr QColor ReadOnlyFill(230, 235, 241);
inline constexpr QColor ReadOnlyInk(90, 101, 115);
inline constexpr QColor ReadOnlyBorder(154, 170, 189);
// The password boxes of the login windows, the text box of the help window, and the box of a check
// dialog with the pale fill it takes while it has the focus.
inline constexpr QColor PasswordBorder(91, 127, 166);
inline constexpr QColor HelpBoxBorder(143, 166, 196);
inline constexpr QColor CheckBoxFocusFill(255, 253, 240);

// The blue strip across the top of an editor's section.
inline constexpr QColor HeaderTop(91, 147, 199);
inline constexpr QColor HeaderBottom(47, 95, 147);

// Buttons. Plain: white to pale blue, a darker border under the mouse, gold when focused.
inline constexpr QColor ButtonBottom(211, 224, 239);
inline constexpr QColor ButtonBorder(79, 119, 163);
inline constexpr QColor ButtonHoverBorder(31, 95, 168);
inline constexpr QColor ButtonHoverBottom(228, 238, 250);
inline constexpr QColor ButtonPressed(194, 212, 234);
inline constexpr QColor FocusGold(224, 168, 0);
inline constexpr QColor DisabledInk(147, 163, 184);
inline constexpr QColor DisabledBorder(174, 189, 207);
inline constexpr QColor DisabledFill(232, 237, 243);
// An editor's commands: white to blue, gold under the mouse and while pressed.
inline constexpr QColor CommandBottom(201, 217, 238);
inline constexpr QColor CommandHoverTop(255, 251, 224);
inline constexpr QColor CommandHoverBottom(255, 230, 128);
inline constexpr QColor CommandHoverBorder(200, 155, 0);
inline constexpr QColor CommandPressedBottom(255, 210, 77);
// The large blue Apri of the year selection, lighter under the mouse, with a gold focus border.
inline constexpr QColor OpenTop(92, 151, 214);
inline constexpr QColor OpenBottom(27, 68, 120);
inline constexpr QColor OpenHoverTop(111, 168, 228);
inline constexpr QColor OpenHoverMiddle(58, 118, 186);
inline constexpr QColor OpenHoverBottom(33, 82, 142);
inline constexpr QColor OpenFocus(242, 182, 50);

// The sheen over the upper half of a list banner and the shadow under its text.
inline constexpr QColor SheenTop(255, 255, 255, 70);
inline constexpr QColor SheenMiddle(255, 255, 255, 12);
inline constexpr QColor SheenEnd(255, 255, 255, 0);
inline constexpr QColor TextShadow(0, 0, 0, 110);

// Text.
inline constexpr QColor YearInk(15, 40, 71);
inline constexpr QColor CheckBoxInk(13, 34, 64);
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
