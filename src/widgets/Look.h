#pragma once
// The look kit: the makers every window builds its decoration with, so that one look serves all
// of them. Cards, pictures, labels, banners and buttons; the colours are in widgets/Palette.h and
// the gradients are painted by widgets/Gradient.h.

#include "widgets/Gradient.h"
#include "widgets/Palette.h"

#include <QFont>
#include <QRect>
#include <QString>

class ClickableImage;
class GradientPanel;
class QLabel;
class QPushButton;
class QWidget;

// The card of the start menu's tiles, the title banners and the year selection's boxes.
inline const GradientLook TileCard { Palette::CardTop, Palette::CardBottom, Palette::CardBorder, 1, 14 };
// The white panel of a small dialog.
inline const GradientLook WhitePanel { Qt::white, Qt::white, Palette::PanelBorder, 1, 6 };
// The panels of the list and search screens, the frame around their list or boxes, and their
// dark blue search strip.
inline const GradientLook ListPanelCard { Palette::ListPanelTop, Palette::ListPanelBottom, Palette::ListBorder, 1, 4 };
inline const GradientLook ListFrameCard { Palette::ListFrameTop, Palette::ListFrameBottom, Palette::ListBorder, 1, 4 };
inline const GradientLook SearchStripCard { Palette::SkyBlue, Palette::DeepBlue, Palette::Midnight, 1, 4 };

// The style sheet of the screens' edit boxes: white, black text, a thin blue-grey border.
QString EditBoxStyle();
// The style sheet of a drop-down list standing among edit boxes, with its arrow button.
QString DropDownStyle();

// A box painted with the look: white or gradient, framed or not. An empty name leaves it unnamed.
GradientPanel *MakeCard(QWidget *parent, const QString &name, const QRect &geometry, const GradientLook &look);

// A picture that does not react: a label showing the SVG at the label's size.
QLabel *MakePicture(QWidget *parent, const QString &name, const QString &svg, const QRect &geometry);

// Verdana, the font of the screens' labels and boxes, at the given size.
QFont VerdanaFont(int points, bool bold = false);

struct LabelLook
{
    QFont font;
    QColor color = Palette::HelpInk;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wordWrap = false;
};

// A label of fixed geometry.
QLabel *MakeLabel(
    QWidget *parent, const QString &name, const QString &text, const QRect &geometry, const LabelLook &look);
// A label at a point, as large as its text.
QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at, const LabelLook &look);

// The blue strip across the top of an editor's section, carrying the section's title in white.
QLabel *MakeSectionHeader(QWidget *section, const QString &title, int height);

enum class BannerStyle {
    // The white card across the top of a working screen: picture, large title and, given an exit
    // name, the exit image at the right (the caller connects it).
    Screen,
    // The dark blue band with a gold edge under it across a login window: picture and white text.
    Login,
    // The dark blue strip with a gold mark carrying the name of a list or a dialog (imgLogo).
    List,
};

// Where a working screen's banner stands on its panel.
inline constexpr QRect ScreenBannerRect(20, 20, 955, 100);

struct Banner
{
    QWidget *widget = nullptr;
    // The title label (lblTitolo) of the Screen and Login styles; the List style paints its text.
    QLabel *title = nullptr;
    ClickableImage *exit = nullptr;
};

Banner MakeBanner(QWidget *parent, BannerStyle style, const QRect &geometry, const QString &text,
    const QString &picture = QString(), const QString &exitName = QString());

enum class ButtonStyle {
    // The pale gradient button in Verdana bold with a gold focus border.
    Plain,
    // A command of an editor's left column: its icon before a left-aligned caption, gold under the
    // mouse. A click leaves the focus, and its yellow frame, in the box being edited.
    Command,
    // The large blue button that opens a register on the year selection.
    Open,
};

// A push button with the hand cursor. An icon, when given, is drawn at 28 by 28 before the text.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry = QRect(),
    ButtonStyle style = ButtonStyle::Plain, const QString &icon = QString());
