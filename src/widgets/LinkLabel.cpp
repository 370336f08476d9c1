#include "widgets/LinkLabel.h"

#include "widgets/Palette.h"

#include <algorithm>

using namespace Qt::StringLiterals;

LinkLabel::LinkLabel(const QString &objectName, const QString &text, const QRect &geometry, QWidget *parent)
    : ClickableLabel(objectName, geometry, parent)
{
    setText(text);
    QFont font(u"Tahoma"_s, 14);
    font.setUnderline(true);
    setFont(font);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Only the words are the link, not the room after them.
    resize(std::min(sizeHint().width(), geometry.width()), geometry.height());
    setHeld(false);
    connect(this, &ClickableLabel::pressed, this, [this] { setHeld(true); });
    connect(this, &ClickableLabel::released, this, [this] { setHeld(false); });
}

void LinkLabel::attachIcon(ClickableLabel *icon)
{
    connect(icon, &ClickableLabel::pressed, this, [this] { setHeld(true); });
    connect(icon, &ClickableLabel::released, this, [this] { setHeld(false); });
    connect(icon, &ClickableLabel::clicked, this, &ClickableLabel::clicked);
}

void LinkLabel::setHeld(bool held)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, held ? Palette::LinkHeld : Palette::Link);
    setPalette(colours);
}
