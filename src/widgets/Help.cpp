#include "widgets/Help.h"

#include <utility>

namespace {
std::function<void(QWidget *, HelpTopic)> &helpOpener()
{
    static std::function<void(QWidget *, HelpTopic)> opener;
    return opener;
}
} // namespace

void ShowHelp(QWidget *owner, HelpTopic topic)
{
    if (const auto &opener = helpOpener())
        opener(owner, topic);
}

void SetHelpOpener(std::function<void(QWidget *, HelpTopic)> opener)
{
    helpOpener() = std::move(opener);
}
