#include "checks/CheckCommon.h"

#include "base/TextFunctions.h"

QString TypedCheckText(const QString &text)
{
    return TrimUpperAZ(text);
}
