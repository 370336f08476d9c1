#include "BenchYearFile.h"

#include "storage/TSchedaVisita.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

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
    // Nearly every card is still inside, so the list of those not out holds nearly every card.
    if (i % 1000 == 999) {
        c.DataUsc = c.DataEnt;
        c.OraUsc = u"18:00"_s;
        c.OperatoreUsc = u"Portineria"_s;
    }
    return c;
}

[[noreturn]] void refuse(const QString &problem, const char *usage)
{
    std::fprintf(stderr, "%s\n\n%s", qPrintable(problem), usage);
    std::exit(2);
}

} // namespace

QString YearFileArgument(const QStringList &arguments, const char *usage)
{
    const QStringList given = arguments.mid(1);
    if (given.contains(u"--help"_s) || given.contains(u"-h"_s)) {
        std::printf("%s", usage);
        std::exit(0);
    }
    if (given.isEmpty())
        return QString();
    if (given.size() > 1)
        refuse(u"Give at most one year file."_s, usage);
    const QString path = given.first();
    if (path.startsWith(u'-'))
        refuse(u"Unknown option: "_s + path, usage);
    if (!QFileInfo(path).isFile())
        refuse(u"No such file: "_s + path, usage);
    return path;
}

bool WriteSampleYearFile(const QString &path, int cards, const QString &today)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    constexpr int BlockRecords = 1024;
    QByteArray block;
    block.reserve(BlockRecords * TSchedaVisita::RecordSize);
    for (int i = 0; i < cards; ++i) {
        block += makeCard(i, today).toBytes();
        if (block.size() >= BlockRecords * TSchedaVisita::RecordSize || i == cards - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.flush();
}

QString MeasuredYearFile(
    const char *title, const QString &given, const QString &folder, int cards, const QString &today)
{
    QString yearFile = given;
    if (yearFile.isEmpty()) {
        QElapsedTimer timer;
        timer.start();
        yearFile = folder + u"/2024.vis"_s;
        if (!WriteSampleYearFile(yearFile, cards, today)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(yearFile));
            return QString();
        }
        std::printf("%s: a made-up year\n", title);
        PrintTime("write the year file", timer.elapsed());
    } else {
        std::printf("%s: %s\n", title, qPrintable(QDir::toNativeSeparators(yearFile)));
    }
    const qint64 bytes = QFileInfo(yearFile).size();
    PrintCount("cards in the file", bytes / TSchedaVisita::RecordSize);
    PrintCount("bytes", bytes);
    return yearFile;
}

void PrintTime(const char *what, qint64 ms)
{
    std::printf("  %-52s %7lld ms\n", what, static_cast<long long>(ms));
    std::fflush(stdout);
}

void PrintCount(const char *what, qint64 value)
{
    std::printf("  %-52s %7lld\n", what, static_cast<long long>(value));
}
