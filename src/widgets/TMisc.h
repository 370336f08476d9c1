#pragma once
// Hands a document, folder, mailto or web address to the desktop, which opens it with the
// program registered for it. Never waits, never reports.

#include <QString>
#include <functional>

class TMisc
{
public:
    static void Open(const QString &sCommand);

    using Opener = std::function<void(const QString &sCommand)>;
    // Tests record the targets; an empty opener gives the desktop's back.
    static void setOpener(Opener opener);
};
