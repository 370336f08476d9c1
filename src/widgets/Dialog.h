#pragma once
// A small modal window: single border, no title-bar buttons, fixed client size, never minimised,
// closed only by its own buttons. Created anew for each use by the window that opens it. A maximised dialog fills
// the desktop instead and may also be closed by its title-bar button.

#include "widgets/Gradient.h"

#include <QDialog>

class Dialog : public QDialog
{
    Q_OBJECT

public:
    enum class Placement { CentreOnScreen, CentreOnOwner, Maximized };

    Dialog(const QString &className, const QString &caption, const QSize &clientSize, QWidget *parent,
        Placement placement = Placement::CentreOnScreen);

    void setBackground(const QColor &top, const QColor &bottom);
    // Closes the dialog from one of its own buttons.
    void closeDialog(int result = QDialog::Rejected);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Placement m_placement;
    GradientLook m_background;
    bool m_closing = false;
};
