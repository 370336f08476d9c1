#include "app/AppWindows.h"
#include "app/Password.h"
#include "base/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Portavel"_s);
    QApplication::setWindowIcon(QIcon(u":/img/avvio_logo.svg"_s));
    // Screens come and go by show and hide; the program ends only where it says so.
    QApplication::setQuitOnLastWindowClosed(false);

    // An installed program keeps its archives in the user's data folder, starting from the
    // password store delivered with it.
    QFile initialStore(u":/unins000.dll"_s);
    if (initialStore.open(QIODevice::ReadOnly))
        PrepareProgramFolder(initialStore.readAll());

    // Standard buttons in Italian: "Sì", "No", "Annulla".
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Italian, QLocale::Italy), u"qtbase"_s, u"_"_s,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    CreateAppWindows();
    Windows().password()->showScreen();
    const int result = QApplication::exec();
    DestroyAppWindows();
    return result;
}
