#include "widgets/Screen.h"

#include "base/TextFunctions.h"
#include "widgets/Palette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>

#include <utility>
#include <vector>

namespace {
// In the order start-up made them.
std::vector<std::pair<ScreenId, std::unique_ptr<Screen>>> &screens()
{
    static std::vector<std::pair<ScreenId, std::unique_ptr<Screen>>> owned;
    return owned;
}
} // namespace

Screen *Screen::of(ScreenId id)
{
    for (const auto &[role, screen] : screens()) {
        if (role == id)
            return screen.get();
    }
    return nullptr;
}

void Screen::adopt(ScreenId id, std::unique_ptr<Screen> screen)
{
    screens().emplace_back(id, std::move(screen));
}

void Screen::destroyAll()
{
    // No screen outlives one made before it.
    while (!screens().empty())
        screens().pop_back();
}

Screen::Screen(const QString &className, const QString &caption, Kind kind, const QSize &panelSize, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_panel(new QWidget(this))
    , m_background { Palette::SteelBlue, Qt::white }
{
    setObjectName(className);
    setWindowTitle(caption);
    m_panel->setObjectName(QStringLiteral("panel"));
    m_panel->setFixedSize(panelSize);
    if (kind == Kind::Fixed) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        setFixedSize(panelSize);
    } else {
        setMinimumSize(panelSize);
        resize(1016, 713);
    }
}

void Screen::setBackground(const QColor &top, const QColor &bottom)
{
    m_background = { top, bottom };
    update();
}

void Screen::setPanelSize(const QSize &size)
{
    m_panel->setFixedSize(size);
    if (m_kind == Kind::Fixed && this->size() != size) {
        const QPoint centre = geometry().center();
        setFixedSize(size);
        QRect r(QPoint(), size);
        r.moveCenter(centre);
        move(r.topLeft());
    }
}

void Screen::showScreen()
{
    if (m_kind == Kind::Maximized) {
        if (QScreen *s = QApplication::primaryScreen())
            setGeometry(s->availableGeometry());
        showMaximized();
    } else {
        if (QScreen *s = QApplication::primaryScreen()) {
            QRect r(QPoint(), size());
            r.moveCenter(s->availableGeometry().center());
            move(r.topLeft());
        }
        show();
    }
    raise();
    activateWindow();
}

void Screen::switchTo(Screen *next)
{
    next->showScreen();
    hide();
}

void Screen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintVerticalGradient(painter, rect(), m_background);
}

void Screen::resizeEvent(QResizeEvent *)
{
    m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void Screen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void Screen::closeEvent(QCloseEvent *event)
{
    if (!mayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    onClose();
}

QLabel *MakeHiddenLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

QString TrimmedText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return TrimText(label->text());
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return TrimText(edit->text());
    if (auto *memo = qobject_cast<const QPlainTextEdit *>(widget))
        return TrimText(memo->toPlainText());
    return QString();
}
