#include "widgets/Dialog.h"

#include "widgets/ClickableImage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

Dialog::Dialog(
    const QString &className, const QString &caption, const QSize &clientSize, QWidget *parent, Placement placement)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_placement(placement)
{
    setObjectName(className);
    setWindowTitle(caption);
    setModal(true);
    if (placement == Placement::Maximized) {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        setMinimumSize(clientSize);
        resize(clientSize);
    } else {
        setFixedSize(clientSize);
    }
}

void Dialog::setBackground(const QColor &top, const QColor &bottom)
{
    m_background = { top, bottom };
    update();
}

void Dialog::closeDialog(int result)
{
    m_closing = true;
    done(result);
    m_closing = false;
}

void Dialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintVerticalGradient(painter, rect(), m_background);
}

void Dialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_placement == Placement::Maximized) {
        // Without a window manager (a bare X display) maximising alone does not resize the window.
        if (QScreen *s = QApplication::primaryScreen())
            setGeometry(s->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    QRect area;
    if (m_placement == Placement::CentreOnOwner && parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen *s = QApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid()) {
        QRect r(QPoint(), size());
        r.moveCenter(area.center());
        move(r.topLeft());
    }
}

void Dialog::closeEvent(QCloseEvent *event)
{
    // Only the dialog's own buttons close it, and the title-bar button of a maximised one, which
    // closes it as its own exit button would.
    if (m_closing)
        event->accept();
    else if (m_placement == Placement::Maximized)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void Dialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    // A window manager that offers minimising anyway (a keyboard shortcut, a task bar) would hide a
    // modal dialog and with it the whole program: it comes straight back.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() & Qt::WindowMinimized))
                return;
            Qt::WindowStates state = windowState() & ~Qt::WindowMinimized;
            if (m_placement == Placement::Maximized)
                state |= Qt::WindowMaximized;
            setWindowState(state);
            if (isVisible()) {
                raise();
                activateWindow();
            }
        });
    }
}

void Dialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape leaves as the dialog's own way out does, with whatever that button does first.
        event->accept();
        for (const QString &name : { u"btnEsci"_s, u"cmdEsci"_s, u"btnChiudi"_s, u"btnAnnulla"_s }) {
            for (QWidget *exit : findChildren<QWidget *>(name)) {
                if (!exit->isVisible() || !exit->isEnabled())
                    continue;
                if (auto *button = qobject_cast<QAbstractButton *>(exit))
                    button->click();
                else if (auto *image = qobject_cast<ClickableLabel *>(exit))
                    Q_EMIT image->clicked();
                else
                    continue;
                return;
            }
        }
        return;
    }
    QDialog::keyPressEvent(event);
}
