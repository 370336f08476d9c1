#include "widgets/FocusFrame.h"

#include "widgets/GradientPanel.h"
#include "widgets/Look.h"

#include <QEvent>

using namespace Qt::StringLiterals;

namespace {

class FocusWatcher : public QObject
{
public:
    // Owned by the frame: when the window goes, the frame may die before its box, whose last
    // focus-out must then find no watcher.
    FocusWatcher(QWidget *box, QWidget *frame)
        : QObject(frame)
        , m_frame(frame)
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_frame->show();
        else if (event->type() == QEvent::FocusOut)
            m_frame->hide();
        return false;
    }

private:
    QWidget *m_frame;
};

} // namespace

QWidget *AttachFocusFrame(QWidget *box)
{
    QString field = box->objectName();
    if (field.startsWith(u"txt"_s))
        field = field.mid(3);
    GradientPanel *frame = MakeCard(box->parentWidget(), u"eff"_s + field, box->geometry().adjusted(-4, -4, 4, 4),
        { Palette::FocusYellow, Palette::FocusYellow, Palette::FocusEdge, 2, 3 });
    frame->stackUnder(box);
    frame->hide();
    new FocusWatcher(box, frame);
    return frame;
}
