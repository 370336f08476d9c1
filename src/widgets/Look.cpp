#include "widgets/Look.h"

#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/SvgPixmap.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The List banner: a strip painted from midnight to sky blue with a sheen, a gold mark and the
// text in white capitals with a soft shadow.
class ListStrip : public QWidget
{
public:
    ListStrip(const QString &text, QWidget *parent)
        : QWidget(parent)
        , m_text(text)
    {
        setAccessibleName(text);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

        QPainterPath outline;
        outline.addRoundedRect(box, 6, 6);
        QLinearGradient fill(0, 0, width(), 0);
        fill.setColorAt(0, Palette::Midnight);
        fill.setColorAt(0.55, Palette::RoyalBlue);
        fill.setColorAt(1, Palette::SkyBlue);
        painter.fillPath(outline, fill);

        // A soft sheen on the upper half.
        QLinearGradient sheen(0, 0, 0, height());
        sheen.setColorAt(0, Palette::SheenTop);
        sheen.setColorAt(0.5, Palette::SheenMiddle);
        sheen.setColorAt(0.51, Palette::SheenEnd);
        painter.fillPath(outline, sheen);

        const qreal markHeight = height() * 0.5;
        painter.fillRect(QRectF(18, (height() - markHeight) / 2, 5, markHeight), Palette::BannerMark);

        QFont font = VerdanaFont(17, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        painter.setFont(font);
        const QRectF textBox = QRectF(rect()).adjusted(36, 0, -16, 0);
        painter.setPen(Palette::TextShadow);
        painter.drawText(textBox.translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter, m_text);
        painter.setPen(Qt::white);
        painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, m_text);

        painter.setPen(QPen(Palette::BannerEdge, 1));
        painter.drawPath(outline);
    }

private:
    QString m_text;
};

Banner makeScreenBanner(
    QWidget *parent, const QRect &geometry, const QString &text, const QString &picture, const QString &exitName)
{
    Banner banner;
    banner.widget = MakeCard(parent, u"shpTitolo"_s, geometry, TileCard);
    const int height = geometry.height();
    MakePicture(banner.widget, u"imgTitolo"_s, picture, QRect(24, (height - 84) / 2, 112, 84));
    banner.title = MakeLabel(banner.widget, u"lblTitolo"_s, text, QRect(150, 10, 680, height - 20),
        { VerdanaFont(22, true), Palette::TitleInk });
    if (!exitName.isEmpty()) {
        banner.exit = new ClickableImage(exitName, u":/img/icona_esci.svg"_s,
            QRect(geometry.width() - 80, (height - 56) / 2, 56, 56), banner.widget);
        banner.exit->setToolTip(u"Esci"_s);
    }
    return banner;
}

Banner makeLoginBanner(QWidget *parent, const QRect &geometry, const QString &text, const QString &picture)
{
    Banner banner;
    banner.widget = MakeCard(parent, u"shpTitolo"_s, geometry, { Palette::BandTop, Palette::BandBottom });
    MakeCard(parent, QString(), QRect(geometry.left(), geometry.bottom() + 1, geometry.width(), 3),
        { Palette::BandEdgeTop, Palette::BandEdgeBottom });
    const int top = (geometry.height() - 56) / 2;
    MakePicture(banner.widget, u"imgTitolo"_s, picture, QRect(22, top, 56, 56));
    banner.title = MakeLabel(banner.widget, u"lblTitolo"_s, text, QRect(94, top, geometry.width() - 94 - 18, 56),
        { VerdanaFont(11, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true });
    return banner;
}

} // namespace

QFont VerdanaFont(int points, bool bold)
{
    QFont font(u"Verdana"_s, points);
    font.setBold(bold);
    return font;
}

QString EditBoxStyle()
{
    return u"QLineEdit { background: white; color: black; border: 1px solid %1; padding: 0 4px; }"_s.arg(
        Palette::BoxBorder.name());
}

QString DropDownStyle()
{
    return u"QComboBox { background: white; color: black; border: 1px solid %1; padding: 0 6px; combobox-popup: "
           u"0; }"
           u"QComboBox::drop-down { width: 22px; border-left: 1px solid %1;"
           u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 %2); }"
           u"QComboBox::down-arrow { image: url(:/img/freccia_giu.svg); width: 12px; height: 8px; }"
           u"QComboBox QAbstractItemView { background: white; color: black; selection-background-color: %3;"
           u" selection-color: white; }"_s.arg(
               Palette::BoxBorder.name(), Palette::ButtonBottom.name(), Palette::Selection.name());
}

GradientPanel *MakeCard(QWidget *parent, const QString &name, const QRect &geometry, const GradientLook &look)
{
    auto *card = new GradientPanel(look, parent);
    card->setObjectName(name);
    card->setGeometry(geometry);
    return card;
}

QLabel *MakePicture(QWidget *parent, const QString &name, const QString &svg, const QRect &geometry)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    picture->setPixmap(SvgPixmap(svg, geometry.size()));
    return picture;
}

namespace {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const LabelLook &look)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(look.font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, look.color);
    label->setPalette(palette);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wordWrap);
    return label;
}

} // namespace

QLabel *MakeLabel(
    QWidget *parent, const QString &name, const QString &text, const QRect &geometry, const LabelLook &look)
{
    QLabel *label = makeLabel(parent, name, text, look);
    label->setGeometry(geometry);
    return label;
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, const QPoint &at, const LabelLook &look)
{
    QLabel *label = makeLabel(parent, name, text, look);
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel *MakeSectionHeader(QWidget *section, const QString &title, int height)
{
    QLabel *header = makeLabel(section, QString(), title, { VerdanaFont(11, true), Qt::white });
    header->setGeometry(1, 1, section->width() - 2, height);
    header->setIndent(14);
    header->setStyleSheet(u"QLabel { color: white; border-top-left-radius: 7px; border-top-right-radius: 7px; "
                          u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2); }"_s.arg(
                              Palette::HeaderTop.name(), Palette::HeaderBottom.name()));
    return header;
}

Banner MakeBanner(QWidget *parent, BannerStyle style, const QRect &geometry, const QString &text,
    const QString &picture, const QString &exitName)
{
    switch (style) {
    case BannerStyle::Screen:
        return makeScreenBanner(parent, geometry, text, picture, exitName);
    case BannerStyle::Login:
        return makeLoginBanner(parent, geometry, text, picture);
    case BannerStyle::List:
        break;
    }
    Banner banner;
    banner.widget = new ListStrip(text, parent);
    banner.widget->setObjectName(u"imgLogo"_s);
    banner.widget->setGeometry(geometry);
    return banner;
}

namespace {

QString colour(const QColor &c)
{
    return c.name();
}

const QString PlainStyle
    = u"QPushButton { color: %1; border: 1px solid %2; border-radius: 5px;"
      u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 %3); }"
      u"QPushButton:hover { border-color: %4;"
      u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 %5); }"
      u"QPushButton:pressed { background: %6; }"
      u"QPushButton:focus { border: 2px solid %7; }"
      u"QPushButton:disabled { color: %8; border-color: %9; background: %10; }"_s.arg(colour(Palette::ButtonInk),
          colour(Palette::ButtonBorder), colour(Palette::ButtonBottom), colour(Palette::ButtonHoverBorder),
          colour(Palette::ButtonHoverBottom), colour(Palette::ButtonPressed), colour(Palette::FocusGold),
          colour(Palette::DisabledInk), colour(Palette::DisabledBorder), colour(Palette::DisabledFill));

const QString CommandStyle
    = u"QPushButton { text-align: left; padding-left: 10px; color: %1; border: 1px solid %2; "
      u"border-radius: 6px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 white, stop:1 %3); }"
      u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:1 %5); "
      u"border-color: %6; }"
      u"QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %5, stop:1 %7); }"
      u"QPushButton:focus { border: 2px solid %1; }"_s.arg(colour(Palette::Navy), colour(Palette::SteelBlue),
          colour(Palette::CommandBottom), colour(Palette::CommandHoverTop), colour(Palette::CommandHoverBottom),
          colour(Palette::CommandHoverBorder), colour(Palette::CommandPressedBottom));

const QString OpenStyle
    = u"QPushButton { color: white; border: 1px solid %1; border-radius: 8px;"
      u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:0.5 %3, stop:1 %4); }"
      u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      u" stop:0 %5, stop:0.5 %6, stop:1 %7); }"
      u"QPushButton:pressed { background: %4; }"
      u"QPushButton:focus { border: 2px solid %8; }"_s.arg(colour(Palette::YearInk), colour(Palette::OpenTop),
          colour(Palette::Selection), colour(Palette::OpenBottom), colour(Palette::OpenHoverTop),
          colour(Palette::OpenHoverMiddle), colour(Palette::OpenHoverBottom), colour(Palette::OpenFocus));

// Enter on a focused button presses it once, on screens as in dialogs, whether or not the button
// may be its dialog's default; a held key does not press it again.
class EnterPresses : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (!key->isAutoRepeat())
            static_cast<QPushButton *>(watched)->click();
        return true;
    }
};

} // namespace

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
    ButtonStyle style, const QString &icon)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    if (geometry.isValid())
        button->setGeometry(geometry);
    button->setCursor(Qt::PointingHandCursor);
    button->installEventFilter(new EnterPresses(button));
    if (!icon.isEmpty()) {
        button->setIcon(QIcon(SvgPixmap(icon, QSize(28, 28))));
        button->setIconSize(QSize(28, 28));
    }
    switch (style) {
    case ButtonStyle::Plain:
        button->setFont(VerdanaFont(9, true));
        button->setStyleSheet(PlainStyle);
        break;
    case ButtonStyle::Command:
        button->setFocusPolicy(Qt::TabFocus);
        button->setFont(VerdanaFont(9, true));
        button->setStyleSheet(CommandStyle);
        break;
    case ButtonStyle::Open:
        button->setFont(VerdanaFont(12, true));
        button->setStyleSheet(OpenStyle);
        break;
    }
    return button;
}
