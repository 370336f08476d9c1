#pragma once
// The help controls of the screens: each asks for its topic here, and start-up decides how a
// topic is shown. Until an opener is set, asking for help does nothing.

#include "base/HelpTopics.h"

#include <functional>

class QWidget;

// Shows the topic's help over owner, through the opener that start-up set.
void ShowHelp(QWidget *owner, HelpTopic topic);
// Start-up sets the one opener; tests record the requests. An empty opener shows nothing again.
void SetHelpOpener(std::function<void(QWidget *, HelpTopic)> opener);
