#include "checks/CheckCommon.h"

#include "app/TextFunctions.h"

QString TypedCheckText(const QString &text)
{
    return TrimUpperAZ(text);
}
