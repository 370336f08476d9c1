#include "widgets/TMisc.h"

#include "base/ShellTarget.h"

#include <QDesktopServices>

namespace {
TMisc::Opener &currentOpener()
{
    static TMisc::Opener opener;
    return opener;
}
} // namespace

void TMisc::Open(const QString &sCommand)
{
    if (currentOpener()) {
        currentOpener()(sCommand);
        return;
    }
    const QUrl url = ShellTargetUrl(sCommand);
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}

void TMisc::setOpener(Opener opener)
{
    currentOpener() = std::move(opener);
}
