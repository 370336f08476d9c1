#include "app/AppWindows.h"

#include "app/EmergencyKey.h"

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/Guida.h"
#include "app/Info.h"
#include "app/Password.h"
#include "app/Splash.h"
#include "base/ScreenSettings.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"
#include "visits/EntratiOggi.h"
#include "visits/ExpVisite.h"
#include "visits/MenuRegistro.h"
#include "visits/NonUsciti.h"
#include "visits/Registro.h"
#include "visits/StampaVisita.h"
#include "visits/TrovaVisite.h"
#include "visits/UscitiOggi.h"
#include "clients/AllegaCartella.h"
#include "clients/Anagrafica.h"
#include "clients/Cartella.h"
#include "clients/DaRinnovare.h"
#include "clients/ExpClienti.h"
#include "clients/TrovaClienti.h"
#include "summaries/MenuRiepilogo.h"
#include "summaries/Riepilogo.h"
#include "summaries/Statistiche.h"
#include "widgets/Help.h"

#include <QCoreApplication>
#include <QWidget>

namespace {
AppWindows windows;
EmergencyKey *emergencyKey = nullptr;
}

AppWindows &CreateAppWindows()
{
    DestroyAppWindows();
    ApplyScreenSettings();
    AppWindows &w = windows;
    w.password = new TfrmPassword;
    w.avvio = new TfrmAvvio;
    w.cambiaPassword = new TfrmCambiaPassword;
    w.carta = new TfrmCarta;
    w.codFisc = new TfrmCodFisc;
    w.guida = new TfrmGuida;
    w.iban = new TfrmIban;
    w.info = new TfrmInfo;
    w.partitaIva = new TfrmPartitaIva;
    w.splash = new TfrmSplash;
    w.anagrafica = new TfrmAnagrafica;
    w.allegaCartella = new TfrmAllegaCartella;
    w.cartella = new TfrmCartella;
    w.trovaClienti = new TfrmTrovaClienti;
    w.daRinnovare = new TfrmDaRinnovare;
    w.expClienti = new TfrmExpClienti;
    w.registro = new TfrmRegistro;
    w.menuRegistro = new TfrmMenuRegistro;
    w.nonUsciti = new TfrmNonUsciti;
    w.entratiOggi = new TfrmEntratiOggi;
    w.uscitiOggi = new TfrmUscitiOggi;
    w.trovaVisite = new TfrmTrovaVisite;
    w.expVisite = new TfrmExpVisite;
    w.stampaVisita = new TfrmStampaVisita;
    w.statistiche = new TfrmStatistiche;
    w.menuRiepilogo = new TfrmMenuRiepilogo;
    w.riepilogo = new TfrmRiepilogo;
    Screen::registerAs(ScreenId::Password, w.password);
    Screen::registerAs(ScreenId::CambiaPassword, w.cambiaPassword);
    Screen::registerAs(ScreenId::Avvio, w.avvio);
    Screen::registerAs(ScreenId::Anagrafica, w.anagrafica);
    Screen::registerAs(ScreenId::MenuRegistro, w.menuRegistro);
    Screen::registerAs(ScreenId::Registro, w.registro);
    Screen::registerAs(ScreenId::Statistiche, w.statistiche);
    Screen::registerAs(ScreenId::MenuRiepilogo, w.menuRiepilogo);
    SetHelpOpener(&TfrmGuida::open);
    emergencyKey = new EmergencyKey;
    QCoreApplication::instance()->installEventFilter(emergencyKey);
    return w;
}

AppWindows &Windows()
{
    return windows;
}

void DestroyAppWindows()
{
    // Reverse order, so no window outlives one created before it.
    QWidget *all[] = {
        windows.riepilogo,
        windows.menuRiepilogo,
        windows.statistiche,
        windows.stampaVisita,
        windows.expVisite,
        windows.trovaVisite,
        windows.uscitiOggi,
        windows.entratiOggi,
        windows.nonUsciti,
        windows.menuRegistro,
        windows.registro,
        windows.expClienti,
        windows.daRinnovare,
        windows.trovaClienti,
        windows.cartella,
        windows.allegaCartella,
        windows.anagrafica,
        windows.splash,
        windows.partitaIva,
        windows.info,
        windows.iban,
        windows.guida,
        windows.codFisc,
        windows.carta,
        windows.cambiaPassword,
        windows.avvio,
        windows.password,
    };
    SetHelpOpener({});
    delete emergencyKey; // removes itself from the application
    emergencyKey = nullptr;
    for (QWidget *window : all)
        delete window;
    windows = AppWindows();
}
