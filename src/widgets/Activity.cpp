#include "widgets/Activity.h"

#include "storage/ActivityLog.h"
#include "storage/OperatorStore.h"
#include "widgets/Messages.h"

using namespace Qt::StringLiterals;

void RecordActivity(const QString &event, const QString &details, QWidget *parent)
{
    static bool warned = false;
    if (ActivityLog::append(event, details) || warned || !OperatorStore::configured())
        return;
    warned = true;
    Messages::warning(u"Attenzione: non è stato possibile scrivere nel registro delle attività."_s, parent);
}
