#include "widgets/Roles.h"

#include "base/Session.h"
#include "widgets/HintLine.h"

#include <QWidget>

using namespace Qt::StringLiterals;

void ApplyRole(QWidget *control, HintLine *line)
{
    // The control's own hint, kept the first time: later the shown one may be the refusal.
    constexpr const char *OpenHint = "openHint";
    if (!control->property(OpenHint).isValid())
        control->setProperty(OpenHint, line ? line->hint(control) : control->toolTip());
    const bool open = !Session::isRestricted();
    const QString hint = open ? control->property(OpenHint).toString() : u"Funzione riservata agli amministratori."_s;
    control->setEnabled(open);
    if (line)
        line->addHint(control, hint);
    else
        control->setToolTip(hint);
}
