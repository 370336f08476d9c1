#include "BenchYearFile.h"

#include "storage/TSchedaVisita.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

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

// What a busy desk's year holds.
const QStringList RealSurnames { u"Rossi"_s, u"Russo"_s, u"Ferrari"_s, u"Esposito"_s, u"Bianchi"_s, u"Romano"_s,
    u"Colombo"_s, u"Ricci"_s, u"Marino"_s, u"Greco"_s, u"Bruno"_s, u"Gallo"_s, u"Conti"_s, u"De Luca"_s, u"Mancini"_s,
    u"Costa"_s, u"Giordano"_s, u"Rizzo"_s, u"Lombardi"_s, u"Moretti"_s, u"Barbieri"_s, u"Fontana"_s, u"Santoro"_s,
    u"Mariani"_s, u"Rinaldi"_s, u"Caruso"_s, u"Ferrara"_s, u"Galli"_s, u"Martini"_s, u"Leone"_s, u"Longo"_s,
    u"Gentile"_s, u"Martinelli"_s, u"Vitale"_s, u"Lombardo"_s, u"Serra"_s, u"Coppola"_s, u"De Santis"_s, u"D'Angelo"_s,
    u"Marchetti"_s, u"Parisi"_s, u"Villa"_s, u"Conte"_s, u"Ferraro"_s, u"Ferri"_s, u"Fabbri"_s, u"Bianco"_s,
    u"Marini"_s, u"Grasso"_s, u"Valentini"_s, u"Messina"_s, u"Sala"_s, u"De Angelis"_s, u"Gatti"_s, u"Pellegrini"_s,
    u"Palumbo"_s, u"Sanna"_s, u"Farina"_s, u"Rossetti"_s, u"Cattaneo"_s, u"Rossini"_s, u"Grossi"_s, u"Nicolò"_s,
    u"Cantù"_s, u"Forlì"_s, u"Mosè"_s, u"Santà"_s, u"Dell'Età"_s, u"Perù"_s, u"Lucà"_s, u"Àlvaro"_s, u"Éboli"_s,
    u"Ørsted"_s, u"Müller"_s, u"Šimić"_s, u"Łukasiewicz"_s, u"Della Valle Montefeltro Sforza"_s,
    u"Della Valle Montefeltro Sforzini"_s, u"rossi"_s, u"de luca"_s, u"ROSSI"_s, u"Ro ssi"_s };
const QStringList RealNames { u"Mario"_s, u"Anna"_s, u"Luca"_s, u"Giulia"_s, u"Marco"_s, u"Francesca"_s, u"Paolo"_s,
    u"Chiara"_s, u"Andrea"_s, u"Sara"_s, u"Nicolò"_s, u"Giuseppe"_s, u"Sofia"_s, u"Aurora"_s, u"Alessandro"_s,
    u"Lorenzo"_s, u"Matteo"_s, u"Gabriele"_s, u"Riccardo"_s, u"Tommaso"_s, u"Edoardo"_s, u"Federico"_s, u"Emma"_s,
    u"Greta"_s, u"Martina"_s, u"Maria"_s, u"Giovanni"_s, u"Antonio"_s, u"Salvatore"_s, u"Raffaele"_s, u"Rosaria"_s,
    u"Concetta"_s, u"Ilaria"_s, u"Beatrice"_s, u"Noè"_s, u"Zoè"_s, u"Mosè"_s, u"Chloé"_s, u"Renée"_s, u"José"_s,
    u"Jürgen"_s, u"Zoë"_s, u"François"_s, u"Björn"_s, u"Søren"_s, u"Łukasz"_s, u"Œdipe"_s, u"Maria Vittoria Ludovica"_s,
    u"Maria Vittoria Luisa"_s, u""_s };
const QStringList RealReasons { u"Consegna merci"_s, u"consegna documenti"_s, u"Riunione commerciale"_s,
    u"Manutenzione impianto"_s, u"Colloquio di lavoro"_s, u"Visita guidata"_s, u"Assistenza tecnica"_s,
    u"Ritiro pacco"_s, u"Audit qualità"_s, u"Formazione sicurezza"_s, u"Sopralluogo"_s, u"Pagamento 50 €"_s,
    u"CONSEGNA URGENTE"_s, u""_s };
const QStringList Documents { u"Carta d'identità"_s, u"Patente"_s, u"Passaporto"_s };
const QStringList Operators { u"Portineria"_s, u"Reception Nord"_s, u"Turno notte"_s };

QString twoDigits(int n)
{
    return u"%1"_s.arg(n, 2, 10, QChar(u'0'));
}

// The bytes a card saved here could not hold: written over the stored image of a few cards.
void foreignBytes(QByteArray &record, std::mt19937 &random)
{
    const auto &layout = TSchedaVisita::layout();
    char *cognome = record.data() + layout.offset(int(VisitField::Cognome));
    switch (random() % 6) {
    case 0: { // blanks and a control character around the surname
        const char text[] = "  \tRossi Bianchi \x01 ";
        cognome[0] = char(sizeof text - 1);
        std::memcpy(cognome + 1, text, sizeof text - 1);
        break;
    }
    case 1: // a length byte past the capacity: the whole field is read
        cognome[0] = char(0xFF);
        std::memset(cognome + 1, 'R', 50);
        cognome[20] = ' ';
        break;
    case 2: { // letters of 0x80-0x9F and a byte no character stands for
        const char text[] = "\x8ArOSSI \x9F\x81 \x80uro";
        cognome[0] = char(sizeof text - 1);
        std::memcpy(cognome + 1, text, sizeof text - 1);
        break;
    }
    case 3: { // a stored "?" from a character the code page lacked
        const char text[] = "Ross? Ni?ol?";
        cognome[0] = char(sizeof text - 1);
        std::memcpy(cognome + 1, text, sizeof text - 1);
        break;
    }
    case 4: { // an exit date of blanks only
        char *exit = record.data() + layout.offset(int(VisitField::DataUsc));
        exit[0] = 3;
        std::memcpy(exit + 1, " \t ", 3);
        break;
    }
    default: { // an entry date with blanks inside it
        char *entry = record.data() + layout.offset(int(VisitField::DataEnt));
        const QByteArray old(entry + 1, std::min(int(static_cast<unsigned char>(entry[0])), 10));
        const QByteArray padded = " " + old.left(9);
        entry[0] = char(padded.size());
        std::memcpy(entry + 1, padded.constData(), size_t(padded.size()));
        break;
    }
    }
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

bool WriteRealisticYearFile(const QString &path, int cards, const QDate &today, unsigned seed)
{
    std::mt19937 random(seed);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QDate first(today.year(), 1, 1);
    const int days = first.daysTo(QDate(today.year(), 12, 31)) + 1;
    QByteArray block;
    for (int i = 0; i < cards; ++i) {
        const QDate day = first.addDays(qint64(i) * days / std::max(cards, 1));
        TSchedaVisita c;
        // A few dates as an operator may type them by hand: day and month without their zero.
        c.DataEnt = random() % 500 == 0 ? u"%1/%2/%3"_s.arg(day.day()).arg(day.month()).arg(day.year())
                                        : day.toString(u"dd/MM/yyyy"_s);
        const int hour = 7 + int(random() % 11);
        c.OraEnt = twoDigits(hour) + u':' + twoDigits(int(random() % 60));
        c.OperatoreEnt = Operators.at(int(random() % Operators.size()));
        c.Cognome = RealSurnames.at(int(random() % RealSurnames.size()));
        c.Nome = RealNames.at(int(random() % RealNames.size()));
        c.CodFisc = u"RSSMRA%1A01H501U"_s.arg(60 + int(random() % 40));
        c.Motivo = RealReasons.at(int(random() % RealReasons.size()));
        c.Tessera = QString::number(random() % 300);
        c.TipoDoc = Documents.at(int(random() % Documents.size()));
        c.NumDoc = u"AX%1"_s.arg(random() % 10000000, 7, 10, QChar(u'0'));
        c.EnteRil = u"Comune di Roma"_s;
        // Regular visitors leave the same number each time; a few leave none.
        c.TelCel = random() % 20 == 0
            ? QString()
            : u"3%1 %2"_s.arg(random() % 100, 2, 10, QChar(u'0')).arg(random() % 10000000, 7, 10, QChar(u'0'));
        c.Note = random() % 4 == 0 ? u"Accompagnato da un collega"_s : QString();
        if (random() % 100 >= 15) {
            const QDate out = random() % 20 == 0 ? day.addDays(1) : day;
            c.DataUsc = out.toString(u"dd/MM/yyyy"_s);
            c.OraUsc = twoDigits(std::min(hour + 1 + int(random() % 4), 23)) + u':' + twoDigits(int(random() % 60));
            c.OperatoreUsc = Operators.at(int(random() % Operators.size()));
        }
        QByteArray record = c.toBytes();
        if (random() % 400 == 0)
            foreignBytes(record, random);
        block += record;
        if (block.size() >= (1 << 20) || i == cards - 1) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.flush();
}
