#include "visits/QuickExit.h"

#include "base/TextFunctions.h"
#include "storage/VisitFile.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

std::optional<ExitCode> ParseExitCode(const QString &text)
{
    static const QRegularExpression code(u"^(?:PV:([0-9]{4}):)?([0-9]+)$"_s, QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = code.match(TrimText(text));
    if (!match.hasMatch())
        return std::nullopt;
    return ExitCode { match.captured(1), match.captured(2) };
}

QuickExit RecordQuickExit(
    const QString &path, const QString &number, const QDate &today, const QTime &now, const QString &operatorName)
{
    QuickExit exit;
    // A year not begun yet has no file, and no card to close: reading never makes one.
    if (!QFileInfo::exists(path))
        return exit;
    VisitFile file;
    file.open(path, VisitFile::Access::Read);
    // Digits beyond any count a file can hold are simply no card of it.
    bool fits = false;
    const qint64 position = number.toLongLong(&fits);
    if (!fits || position < 1 || position > file.count()) {
        file.close();
        return exit;
    }
    exit.position = int(position);
    exit.card = file.readAt(exit.position);
    file.close();
    if (!TrimText(exit.card.DataUsc).isEmpty()) {
        exit.outcome = QuickExit::Outcome::AlreadyClosed;
        return exit;
    }
    exit.card.DataUsc = DateText(today);
    exit.card.OraUsc = TimeText(now);
    if (!operatorName.isEmpty())
        exit.card.OperatoreUsc = operatorName;
    file.open(path);
    file.writeAt(exit.position, exit.card);
    file.close();
    exit.outcome = QuickExit::Outcome::Recorded;
    return exit;
}
