#include "visits/NonUsciti.h"

TfrmNonUsciti::TfrmNonUsciti(QWidget *parent)
    : PresenceList(PresenceKind::NonUsciti, parent)
{ }
