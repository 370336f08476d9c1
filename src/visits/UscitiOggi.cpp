#include "visits/UscitiOggi.h"

TfrmUscitiOggi::TfrmUscitiOggi(QWidget *parent)
    : PresenceList(PresenceKind::UscitiOggi, parent)
{ }
