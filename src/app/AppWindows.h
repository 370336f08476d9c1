#pragma once
// Start-up: the eight screens, made once and switched by showing and hiding for the whole run.
// Dialogs are made fresh for each use by the window that opens them.

class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmAnagrafica;
class TfrmRegistro;
class TfrmMenuRegistro;
class TfrmStatistiche;
class TfrmMenuRiepilogo;

// Makes the screens in the fixed start-up order, the login screen first, and shows none of them;
// from then on every help control opens its topic in the help window and F12 prints the roll-call.
void CreateAppWindows();
// Destroys the screens, the last made first (tests call it between cases).
void DestroyAppWindows();

// The screens by their class: each is Screen::of its role.
struct AppWindows
{
    TfrmPassword *password() const;
    TfrmAvvio *avvio() const;
    TfrmCambiaPassword *cambiaPassword() const;
    TfrmAnagrafica *anagrafica() const;
    TfrmRegistro *registro() const;
    TfrmMenuRegistro *menuRegistro() const;
    TfrmStatistiche *statistiche() const;
    TfrmMenuRiepilogo *menuRiepilogo() const;
};
AppWindows Windows();
