#include "widgets/Look.h"

#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSvgRenderer>

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
        sheen.setColorAt(0, QColor(255, 255, 255, 70));
        sheen.setColorAt(0.5, QColor(255, 255, 255, 12));
        sheen.setColorAt(0.51, QColor(255, 255, 255, 0));
        painter.fillPath(outline, sheen);

        const qreal markHeight = height() * 0.5;
        painter.fillRect(QRectF(18, (height() - markHeight) / 2, 5, markHeight), Palette::BannerMark);

        QFont font(u"Verdana"_s, 17, QFont::Bold);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        painter.setFont(font);
        const QRectF textBox = QRectF(rect()).adjusted(36, 0, -16, 0);
        painter.setPen(QColor(0, 0, 0, 110));
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
        { QFont(u"Verdana"_s, 22, QFont::Bold), Palette::TitleInk });
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
        { QFont(u"Verdana"_s, 11, QFont::Bold), Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true });
    return banner;
}

} // namespace

QPixmap SvgPixmap(const QString &resource, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

QFont VerdanaFont(int points, bool bold)
{
    QFont font(u"Verdana"_s, points);
    font.setBold(bold);
    return font;
}

QString EditBoxStyle()
{
    return u"QLineEdit { background: white; color: black; border: 1px solid #7f9db9; padding: 0 4px; }"_s;
}

QString DropDownStyle()
{
    return u"QComboBox { background: white; color: black; border: 1px solid #7f9db9; padding: 0 6px; combobox-popup: "
           u"0; }"
           u"QComboBox::drop-down { width: 22px; border-left: 1px solid #7f9db9;"
           u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d3e0ef); }"
           u"QComboBox::down-arrow { image: url(:/img/freccia_giu.svg); width: 12px; height: 8px; }"
           u"QComboBox QAbstractItemView { background: white; color: black; selection-background-color: #2f67a8;"
           u" selection-color: white; }"_s;
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
    QLabel *header = makeLabel(section, QString(), title, { QFont(u"Verdana"_s, 11, QFont::Bold), Qt::white });
    header->setGeometry(1, 1, section->width() - 2, height);
    header->setIndent(14);
    header->setStyleSheet(u"QLabel { color: white; border-top-left-radius: 7px; border-top-right-radius: 7px; "
                          u"background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5b93c7, stop:1 #2f5f93); }"_s);
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

const QString PlainStyle = u"QPushButton { color: #15305a; border: 1px solid #4f77a3; border-radius: 5px;"
                           u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #d3e0ef); }"
                           u"QPushButton:hover { border-color: #1f5fa8;"
                           u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4eefa); }"
                           u"QPushButton:pressed { background: #c2d4ea; }"
                           u"QPushButton:focus { border: 2px solid #e0a800; }"
                           u"QPushButton:disabled { color: #93a3b8; border-color: #aebdcf; background: #e8edf3; }"_s;

const QString CommandStyle
    = u"QPushButton { text-align: left; padding-left: 10px; color: #1a2f55; border: 1px solid #4682b4; "
      u"border-radius: 6px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #c9d9ee); }"
      u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffbe0, stop:1 #ffe680); "
      u"border-color: #c89b00; }"
      u"QPushButton:pressed { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffe680, stop:1 #ffd24d); }"
      u"QPushButton:focus { border: 2px solid #1a2f55; }"_s;

const QString OpenStyle
    = u"QPushButton { font-family: Verdana; font-size: 12pt; font-weight: bold; color: white;"
      u" border: 1px solid #0F2847; border-radius: 8px;"
      u" background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5C97D6, stop:0.5 #2F67A8, stop:1 #1B4478); }"
      u"QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      u" stop:0 #6FA8E4, stop:0.5 #3A76BA, stop:1 #21528E); }"
      u"QPushButton:pressed { background: #1B4478; }"
      u"QPushButton:focus { border: 2px solid #F2B632; }"_s;

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
        button->setFont(QFont(u"Verdana"_s, 9, QFont::Bold));
        button->setStyleSheet(PlainStyle);
        break;
    case ButtonStyle::Command:
        button->setFocusPolicy(Qt::TabFocus);
        button->setFont(QFont(u"Verdana"_s, 9, QFont::Bold));
        button->setStyleSheet(CommandStyle);
        break;
    case ButtonStyle::Open:
        button->setStyleSheet(OpenStyle);
        break;
    }
    return button;
}
