#pragma once
// A working screen: created once at start-up, switched by showing the next one and hiding
// itself, keeping its state while hidden. Draws the steel-blue to white background and holds a
// content panel of the design size centred in it.

#include "widgets/Gradient.h"

#include <QWidget>

#include <memory>

class QLabel;

// The screens that others switch to, by their role. Start-up hands the one instance of each to
// Screen, which owns it for the run, so a screen can name where it leads without knowing the window
// that creates them all.
enum class ScreenId { Password, CambiaPassword, Avvio, Anagrafica, MenuRegistro, Registro, Statistiche, MenuRiepilogo };

class Screen : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { Maximized, Fixed };

    // className becomes the objectName, so tests find the window as they find a control.
    Screen(
        const QString &className, const QString &caption, Kind kind, const QSize &panelSize, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    QWidget *panel() const { return m_panel; }
    void setBackground(const QColor &top, const QColor &bottom);
    // A screen of fixed size that grows or shrinks keeps its centre where it was.
    void setPanelSize(const QSize &size);

    // Shows this screen maximised or centred, as its kind asks.
    void showScreen();
    // Show the next screen, then hide this one.
    void switchTo(Screen *next);

    // The screen of a role, nothing before start-up made it.
    static Screen *of(ScreenId id);
    // The screen of a role from now on, owned until destroyAll().
    static void adopt(ScreenId id, std::unique_ptr<Screen> screen);
    // Destroys every screen, the last adopted first.
    static void destroyAll();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    // Runs on every switch to this screen: where screens reset themselves.
    virtual void onShow() { }
    // Whether the screen may close now: false keeps it open (a screen with work to lose asks first).
    virtual bool mayClose() { return true; }
    // Decides what comes next when the screen is closed; the screen then hides.
    virtual void onClose() { }

private:
    Kind m_kind;
    QWidget *m_panel;
    GradientLook m_background;
};

// A hand-over label: a hidden label whose text only code reads and writes.
QLabel *MakeHiddenLabel(QWidget *parent, const QString &name, const QString &text = QString());
// The text of a label or box as the program reads it: trimmed.
QString TrimmedText(const QWidget *widget);
