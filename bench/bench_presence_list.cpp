// Builds a year file of 200,000 visit cards in a temporary folder and prints how long the presence
// list takes to read it, build and sort the lines, fill the list box, show the screen, find a line
// and find the card behind a line again (at its listed position, and by the whole-file fallback).
// Prints figures only.

#include "base/Clock.h"
#include "base/ListText.h"
#include "base/ProgramFolder.h"
#include "register/NonUsciti.h"
#include "register/PresenceLines.h"
#include "register/Registro.h"
#include "storage/TSchedaVisita.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int Cards = 200000;

const QStringList Surnames { u"Rossi"_s, u"Bianchi"_s, u"Verdi"_s, u"Esposito"_s, u"Romano"_s, u"Colombo"_s, u"Ricci"_s,
    u"Marino"_s, u"Greco"_s, u"Bruno"_s, u"Gallo"_s, u"Conti"_s, u"De Luca"_s, u"Mancini"_s, u"Costa"_s, u"Giordano"_s,
    u"Rizzo"_s, u"Lombardi"_s };
const QStringList Names { u"Mario"_s, u"Anna"_s, u"Luca"_s, u"Giulia"_s, u"Marco"_s, u"Francesca"_s, u"Paolo"_s,
    u"Chiara"_s, u"Andrea"_s, u"Sara"_s, u"Nicolò"_s };
const QStringList Reasons { u"Consegna merci"_s, u"Riunione commerciale"_s, u"Manutenzione impianto"_s, u"Colloquio"_s,
    u"Visita guidata"_s, u"Assistenza tecnica"_s };

TSchedaVisita makeCard(int i, const QString &today)
{
    TSchedaVisita c;
    const QDate day = QDate(2024, 1, 1).addDays(i % 366);
    c.DataEnt = (i % 50 == 0) ? today : day.toString(u"dd/MM/yyyy"_s);
    c.OraEnt = u"%1:%2"_s.arg(8 + i % 10, 2, 10, QChar(u'0')).arg(i % 60, 2, 10, QChar(u'0'));
    c.OperatoreEnt = u"Portineria"_s;
    c.Cognome = Surnames.at(i % Surnames.size()) + u" "_s + QString::number(i);
    c.Nome = Names.at(i % Names.size());
    c.CodFisc = u"RSSMRA80A01H501U"_s;
    c.Motivo = Reasons.at(i % Reasons.size());
    c.Tessera = QString::number(i % 300);
    c.TipoDoc = u"Carta d'identità"_s;
    c.NumDoc = u"AX%1"_s.arg(i, 7, 10, QChar(u'0'));
    c.EnteRil = u"Comune di Roma"_s;
    c.TelCel = u"33%1"_s.arg(i, 8, 10, QChar(u'0'));
    c.Note = u"Scheda di prova numero %1"_s.arg(i);
    // Nearly every card is still inside, so the list of those not out holds about 200,000 lines.
    if (i % 1000 == 999) {
        c.DataUsc = c.DataEnt;
        c.OraUsc = u"18:00"_s;
        c.OperatoreUsc = u"Portineria"_s;
    }
    return c;
}

void report(const char *what, qint64 ms)
{
    std::printf("  %-52s %7lld ms\n", what, static_cast<long long>(ms));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    SetProgramFolder(dir.path());
    const QString today = PresenceToday();
    const QString yearFile = ProgramFolder() + u"2024.vis"_s;

    QElapsedTimer timer;
    timer.start();
    {
        QFile file(yearFile);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(yearFile));
            return 1;
        }
        QByteArray block;
        block.reserve(1024 * TSchedaVisita::RecordSize);
        for (int i = 0; i < Cards; ++i) {
            block += makeCard(i, today).toBytes();
            if (block.size() >= 1024 * TSchedaVisita::RecordSize || i == Cards - 1) {
                file.write(block);
                block.clear();
            }
        }
    }
    std::printf("Presence list bench: %d cards, %lld bytes\n", Cards, static_cast<long long>(QFile(yearFile).size()));
    report("write the year file", timer.restart());

    const PresenceLines read = ReadPresenceLines(PresenceKind::NonUsciti, yearFile, today);
    report("scan + select + build lines (not out)", timer.restart());
    std::printf("  %-52s %7lld\n", "lines listed", static_cast<long long>(read.lines.size()));

    QStringList sorted = read.lines;
    timer.restart();
    SortListLines(sorted);
    report("sort the lines", timer.restart());

    QStringList sortedWithPositions = read.lines;
    QList<int> positions = read.positions;
    timer.restart();
    SortListLines(sortedWithPositions, positions);
    report("sort the lines with their positions", timer.restart());

    {
        QWidget host;
        ListBox box(u"lstRecords"_s, QRect(0, 0, 801, 273), &host);
        host.resize(820, 300);
        host.show();
        QApplication::processEvents();
        timer.restart();
        box.setLines(read.lines, read.positions);
        report("fill the list box with positions (sort included)", timer.restart());
        QApplication::processEvents();
        box.repaint();
        report("lay out and paint the filled list", timer.restart());
        box.find(u"nessuna corrispondenza"_s);
        report("Trova over every line, no match", timer.restart());
    }

    {
        TfrmNonUsciti dlg;
        dlg.setYearFile(yearFile);
        timer.restart();
        dlg.show();
        QApplication::processEvents();
        report("show the screen: scan, lines, sort, fill, paint", timer.restart());
        auto *box = dlg.findChild<ListBox *>(u"lstRecords"_s);
        std::printf("  %-52s %7d\n", "lines in the screen's list", box->count());

        box->selectRow(box->count() / 2);
        const QString chosen = box->selectedText();
        const int listed = box->selectedTag();
        timer.restart();
        const std::optional<PresenceCard> card = FindPresenceCard(PresenceKind::NonUsciti, yearFile, chosen, listed);
        report("double-click: read the card at its listed position", timer.restart());
        std::printf("  %-52s %7d (listed %d)\n", "card found at position", card ? card->position : 0, listed);

        // A stale position (the file changed since the listing) falls back to reading the whole file.
        const int stale = listed == 1 ? 2 : 1;
        timer.restart();
        const std::optional<PresenceCard> again = FindPresenceCard(PresenceKind::NonUsciti, yearFile, chosen, stale);
        report("double-click, stale position: scan the whole file", timer.restart());
        std::printf("  %-52s %7d\n", "card found at position", again ? again->position : 0);
    }
    SetProgramFolder(QString());
    return 0;
}
