#pragma once
// The start-up instances of every window. Screens live here for the whole run and are switched
// by showing and hiding; dialogs are used through fresh instances, never through these.

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmCarta;
class TfrmCodFisc;
class TfrmGuida;
class TfrmIban;
class TfrmInfo;
class TfrmPartitaIva;
class TfrmSplash;
class TfrmAnagrafica;
class TfrmAllegaCartella;
class TfrmCartella;
class TfrmTrovaClienti;
class TfrmDaRinnovare;
class TfrmExpClienti;
class TfrmRegistro;
class TfrmMenuRegistro;
class TfrmNonUsciti;
class TfrmEntratiOggi;
class TfrmUscitiOggi;
class TfrmTrovaVisite;
class TfrmExpVisite;
class TfrmStampaVisita;
class TfrmStatistiche;
class TfrmMenuRiepilogo;
class TfrmRiepilogo;

struct AppWindows
{
    TfrmPassword *password = nullptr;
    TfrmAvvio *avvio = nullptr;
    TfrmCambiaPassword *cambiaPassword = nullptr;
    TfrmCarta *carta = nullptr;
    TfrmCodFisc *codFisc = nullptr;
    TfrmGuida *guida = nullptr;
    TfrmIban *iban = nullptr;
    TfrmInfo *info = nullptr;
    TfrmPartitaIva *partitaIva = nullptr;
    TfrmSplash *splash = nullptr;
    TfrmAnagrafica *anagrafica = nullptr;
    TfrmAllegaCartella *allegaCartella = nullptr;
    TfrmCartella *cartella = nullptr;
    TfrmTrovaClienti *trovaClienti = nullptr;
    TfrmDaRinnovare *daRinnovare = nullptr;
    TfrmExpClienti *expClienti = nullptr;
    TfrmRegistro *registro = nullptr;
    TfrmMenuRegistro *menuRegistro = nullptr;
    TfrmNonUsciti *nonUsciti = nullptr;
    TfrmEntratiOggi *entratiOggi = nullptr;
    TfrmUscitiOggi *uscitiOggi = nullptr;
    TfrmTrovaVisite *trovaVisite = nullptr;
    TfrmExpVisite *expVisite = nullptr;
    TfrmStampaVisita *stampaVisita = nullptr;
    TfrmStatistiche *statistiche = nullptr;
    TfrmMenuRiepilogo *menuRiepilogo = nullptr;
    TfrmRiepilogo *riepilogo = nullptr;
};

// Creates one instance of every window in the fixed start-up order, the login screen first,
// and shows none of them; from then on every help control opens its topic in the help window.
AppWindows &CreateAppWindows();
// The windows created at start-up.
AppWindows &Windows();
// Destroys every start-up window (tests call it between cases).
void DestroyAppWindows();
