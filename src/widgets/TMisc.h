#pragma once
// Hands a document, folder, mailto or web address to the desktop, which opens it with the
// program registered for it. Never waits, never reports, never runs a command line.

#include <QUrl>

#include <functional>

class TMisc
{
public:
    // A local path goes in as QUrl::fromLocalFile, so every character of a file name stays its own.
    static void Open(const QUrl &url);

    using Opener = std::function<void(const QUrl &url)>;
    // Tests record the addresses; an empty opener gives the desktop's back.
    static void setOpener(Opener opener);
};
