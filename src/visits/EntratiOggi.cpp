#include "visits/EntratiOggi.h"

TfrmEntratiOggi::TfrmEntratiOggi(QWidget *parent)
    : PresenceList(PresenceKind::EntratiOggi, parent)
{ }
