#pragma once
// The link of the help, information and credits windows: underlined Tahoma text in dark blue,
// orange while the mouse button is held on it or on its icon, dark blue again on release. It is
// followed (clicked) only when the button is released over the text or the icon it went down on.

#include "widgets/ClickableImage.h"

class LinkLabel : public ClickableLabel
{
    Q_OBJECT

public:
    // The label is as wide as its text, at most as wide as the geometry given.
    LinkLabel(const QString &objectName, const QString &text, const QRect &geometry, QWidget *parent);

    // The icon before the text is part of the link: holding it colours the text, clicking it
    // follows the link.
    void attachIcon(ClickableLabel *icon);

private:
    void setHeld(bool held);
};
