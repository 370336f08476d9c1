#include "app/AppWindows.h"

#include "app/Avvio.h"
#include "app/CambiaPassword.h"
#include "app/EmergencyKey.h"
#include "app/Guida.h"
#include "app/Password.h"
#include "base/ScreenSettings.h"
#include "clients/Anagrafica.h"
#include "summaries/MenuRiepilogo.h"
#include "summaries/Statistiche.h"
#include "visits/MenuRegistro.h"
#include "visits/Registro.h"
#include "widgets/Help.h"

#include <QCoreApplication>

#include <memory>

namespace {
std::unique_ptr<EmergencyKey> emergencyKey;

template<typename T> T *screenOf(ScreenId id)
{
    return static_cast<T *>(Screen::of(id));
}
} // namespace

void CreateAppWindows()
{
    DestroyAppWindows();
    ApplyScreenSettings();
    Screen::adopt(ScreenId::Password, std::make_unique<TfrmPassword>());
    Screen::adopt(ScreenId::Avvio, std::make_unique<TfrmAvvio>());
    Screen::adopt(ScreenId::CambiaPassword, std::make_unique<TfrmCambiaPassword>());
    Screen::adopt(ScreenId::Anagrafica, std::make_unique<TfrmAnagrafica>());
    Screen::adopt(ScreenId::Registro, std::make_unique<TfrmRegistro>());
    Screen::adopt(ScreenId::MenuRegistro, std::make_unique<TfrmMenuRegistro>());
    Screen::adopt(ScreenId::Statistiche, std::make_unique<TfrmStatistiche>());
    Screen::adopt(ScreenId::MenuRiepilogo, std::make_unique<TfrmMenuRiepilogo>());
    SetHelpOpener(&TfrmGuida::open);
    emergencyKey = std::make_unique<EmergencyKey>();
    QCoreApplication::instance()->installEventFilter(emergencyKey.get());
}

void DestroyAppWindows()
{
    SetHelpOpener({});
    emergencyKey.reset(); // removes itself from the application
    Screen::destroyAll();
}

TfrmPassword *AppWindows::password() const
{
    return screenOf<TfrmPassword>(ScreenId::Password);
}

TfrmAvvio *AppWindows::avvio() const
{
    return screenOf<TfrmAvvio>(ScreenId::Avvio);
}

TfrmCambiaPassword *AppWindows::cambiaPassword() const
{
    return screenOf<TfrmCambiaPassword>(ScreenId::CambiaPassword);
}

TfrmAnagrafica *AppWindows::anagrafica() const
{
    return screenOf<TfrmAnagrafica>(ScreenId::Anagrafica);
}

TfrmRegistro *AppWindows::registro() const
{
    return screenOf<TfrmRegistro>(ScreenId::Registro);
}

TfrmMenuRegistro *AppWindows::menuRegistro() const
{
    return screenOf<TfrmMenuRegistro>(ScreenId::MenuRegistro);
}

TfrmStatistiche *AppWindows::statistiche() const
{
    return screenOf<TfrmStatistiche>(ScreenId::Statistiche);
}

TfrmMenuRiepilogo *AppWindows::menuRiepilogo() const
{
    return screenOf<TfrmMenuRiepilogo>(ScreenId::MenuRiepilogo);
}

AppWindows Windows()
{
    return {};
}
