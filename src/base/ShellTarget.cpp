#include "base/ShellTarget.h"

#include "base/TextFunctions.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QUrl ShellTargetUrl(const QString &sCommand)
{
    // Callers quote paths so the Windows shell keeps them whole; here the quotes only get in the way.
    QString target = sCommand;
    target.remove(u'"');
    target = TrimText(target);
    if (target.isEmpty())
        return QUrl();

    static const QRegularExpression scheme(u"^(mailto:|https?://|ftp://|file://)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (scheme.match(target).hasMatch())
        return QUrl(target, QUrl::TolerantMode);
    return QUrl::fromLocalFile(target);
}
