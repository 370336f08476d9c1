#pragma once
// The shared look of controls that many windows use alike: the pale push button and the title
// banner of a working screen.

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;
class ClickableImage;

// A pale gradient push button in Verdana bold with the hand cursor and a gold focus border.
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry = QRect());

// The white title banner across the top of a working screen: its picture, its title and an exit
// image named exitName at the right; the caller connects the exit image.
ClickableImage *MakeTitleBanner(QWidget *panel, const QString &picture, const QString &title, const QString &exitName);
