#include "widgets/HintLine.h"

#include "widgets/Palette.h"

#include <QMouseEvent>

using namespace Qt::StringLiterals;

HintLine::HintLine(QWidget *parent, const QRect &geometry, const QString &initialText)
    : QLabel(initialText, parent)
    , m_initialText(initialText)
    , m_window(parent->window())
{
    m_window->installEventFilter(this);
    setObjectName(u"panInfo"_s);
    setGeometry(geometry);
    setAutoFillBackground(true);
    setStyleSheet(u"QLabel#panInfo { background-color: %1; color: white; font-family: Tahoma; "
                  u"font-size: 12pt; padding-left: 8px; }"_s.arg(Palette::HintBar.name()));
}

void HintLine::addHint(QWidget *control, const QString &hint)
{
    m_hints.insert(control, hint);
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void HintLine::addBackground(QWidget *background)
{
    m_backgrounds.append(background);
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

// A move ignored by a button or a label travels up to its background; only a move over the
// background itself empties the line.
bool HintLine::overBackground(QObject *background, QEvent *event) const
{
    auto *widget = static_cast<QWidget *>(background);
    QWidget *under = widget->childAt(static_cast<QMouseEvent *>(event)->position().toPoint());
    return !under || m_backgrounds.contains(under);
}

bool HintLine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        setText(m_initialText);
        return false;
    }
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd())
            setText(*hint);
        else if (event->type() == QEvent::MouseMove && m_backgrounds.contains(watched)
            && overBackground(watched, event))
            clear();
    }
    return false;
}
