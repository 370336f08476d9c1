#include "widgets/TMisc.h"

#include <QDesktopServices>

namespace {
TMisc::Opener &currentOpener()
{
    static TMisc::Opener opener;
    return opener;
}
} // namespace

void TMisc::Open(const QUrl &url)
{
    if (currentOpener()) {
        currentOpener()(url);
        return;
    }
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}

void TMisc::setOpener(Opener opener)
{
    currentOpener() = std::move(opener);
}
