#include "register/NonUsciti.h"

TfrmNonUsciti::TfrmNonUsciti(QWidget *parent)
    : PresenceList(PresenceKind::NonUsciti, parent)
{ }
