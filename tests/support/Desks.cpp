#include "Desks.h"

#include "storage/StorageError.h"
#include "storage/VisitFile.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace Desks {

namespace {

const QString AppendSwitch = u"--desk-append"_s;
const QString ExitSwitch = u"--desk-exits"_s;

bool waitForGo()
{
    std::printf("ready\n");
    std::fflush(stdout);
    return std::getchar() != EOF;
}

} // namespace

TSchedaVisita card(const QString &desk, int n)
{
    TSchedaVisita v;
    v.DataEnt = u"07/03/2026"_s;
    v.OraEnt = u"%1:%2"_s.arg(n / 60 % 24, 2, 10, QChar(u'0')).arg(n % 60, 2, 10, QChar(u'0'));
    v.OperatoreEnt = desk;
    v.Cognome = desk;
    v.Nome = QString::number(n);
    v.Motivo = u"Riunione"_s;
    v.Note = QString(250, QChar(u'a' + n % 26));
    return v;
}

TSchedaVisita withExit(const TSchedaVisita &card)
{
    TSchedaVisita out = card;
    out.DataUsc = u"07/03/2026"_s;
    out.OraUsc = u"18:00"_s;
    out.OperatoreUsc = u"Uscite"_s;
    return out;
}

int appendCards(const QString &path, const QString &desk, int count)
{
    if (!waitForGo())
        return 2;
    try {
        for (int n = 1; n <= count; ++n) {
            VisitFile file;
            file.open(path);
            file.append(card(desk, n));
            file.close();
        }
    } catch (const StorageError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

int writeExits(const QString &path, const QString &stopFile)
{
    if (!waitForGo())
        return 2;
    QRandomGenerator random(20260307);
    try {
        while (!QFileInfo::exists(stopFile)) {
            VisitFile file;
            file.open(path);
            const int count = file.count();
            if (count > 0) {
                const int position = int(random.bounded(count)) + 1;
                file.writeAt(position, withExit(file.readAt(position)));
                file.close();
                std::printf("%d\n", position);
            } else {
                file.close();
            }
        }
    } catch (const StorageError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    std::fflush(stdout);
    return 0;
}

QString checkYearFile(const QString &path, const QStringList &desks, int count, const QSet<int> &exits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return u"the year file cannot be read"_s;
    const QByteArray bytes = file.readAll();
    const qsizetype expected = qsizetype(desks.size()) * count;
    if (bytes.size() != expected * TSchedaVisita::RecordSize)
        return u"%1 bytes, %2 cards expected"_s.arg(bytes.size()).arg(expected);

    QHash<QString, int> seen; // desk/n -> position
    for (qsizetype i = 0; i < expected; ++i) {
        const QByteArray record = bytes.mid(i * TSchedaVisita::RecordSize, TSchedaVisita::RecordSize);
        const TSchedaVisita stored = TSchedaVisita::fromBytes(record);
        const int position = int(i + 1);
        const int n = stored.Nome.toInt();
        if (!desks.contains(stored.Cognome) || n < 1 || n > count)
            return u"position %1 holds a card of no desk: %2 %3"_s.arg(position).arg(stored.Cognome, stored.Nome);
        const TSchedaVisita entered = card(stored.Cognome, n);
        const bool exited = !stored.DataUsc.isEmpty();
        if (record != (exited ? withExit(entered) : entered).toBytes())
            return u"position %1 is not whole: %2 %3"_s.arg(position).arg(stored.Cognome, stored.Nome);
        if (exits.contains(position) && !exited)
            return u"position %1 lost the exit written to it"_s.arg(position);
        const QString key = stored.Cognome + u'/' + stored.Nome;
        if (seen.contains(key))
            return u"%1 is at positions %2 and %3"_s.arg(key).arg(seen.value(key)).arg(position);
        seen.insert(key, position);
    }
    return QString();
}

std::optional<int> runChild(const QStringList &arguments)
{
    if (arguments.size() == 5 && arguments.at(1) == AppendSwitch)
        return appendCards(arguments.at(2), arguments.at(3), arguments.at(4).toInt());
    if (arguments.size() == 4 && arguments.at(1) == ExitSwitch)
        return writeExits(arguments.at(2), arguments.at(3));
    return std::nullopt;
}

Outcome run(const QString &program, const QString &path, int desks, int count)
{
    Outcome outcome;
    const QString stopFile = path + u".stop"_s;
    QStringList names;
    std::vector<std::unique_ptr<QProcess>> appenders;
    for (int d = 1; d <= desks; ++d) {
        names << u"Desk%1"_s.arg(d);
        auto &child = appenders.emplace_back(std::make_unique<QProcess>());
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(program, { AppendSwitch, path, names.last(), QString::number(count) });
    }
    QProcess exits;
    exits.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    exits.start(program, { ExitSwitch, path, stopFile });

    std::vector<QProcess *> all;
    for (auto &child : appenders)
        all.push_back(child.get());
    all.push_back(&exits);
    for (QProcess *child : all) {
        if (!child->waitForReadyRead(60000) || child->readLine() != "ready\n") {
            outcome.problem = u"a copy did not start"_s;
            for (QProcess *c : all)
                c->kill(), c->waitForFinished();
            return outcome;
        }
    }
    QElapsedTimer timer;
    timer.start();
    // QProcess writes only while waiting on that process: each go is pushed through at once, or
    // the copies would start one after another.
    for (QProcess *child : all) {
        child->write("go\n");
        child->waitForBytesWritten(10000);
        child->closeWriteChannel();
    }
    for (auto &child : appenders) {
        if (!child->waitForFinished(600000) || child->exitStatus() != QProcess::NormalExit || child->exitCode() != 0)
            outcome.problem = u"a desk failed to save"_s;
    }
    outcome.seconds = double(timer.nsecsElapsed()) / 1e9;
    QFile stop(stopFile);
    stop.open(QIODevice::WriteOnly);
    stop.close();
    QSet<int> written;
    QByteArray lines;
    const QDeadlineTimer deadline(120000);
    while ((exits.state() != QProcess::NotRunning || exits.bytesAvailable() > 0) && !deadline.hasExpired()) {
        exits.waitForReadyRead(100);
        lines += exits.readAll();
    }
    if (exits.state() != QProcess::NotRunning) {
        exits.kill();
        exits.waitForFinished();
    }
    if (exits.exitStatus() != QProcess::NormalExit || exits.exitCode() != 0)
        outcome.problem = u"the exits failed to save"_s;
    for (const QByteArray &line : lines.split('\n')) {
        if (!line.isEmpty())
            written.insert(line.toInt());
    }
    QFile::remove(stopFile);
    outcome.cards = desks * count;
    outcome.exits = int(written.size());
    if (outcome.problem.isEmpty())
        outcome.problem = checkYearFile(path, names, count, written);
    return outcome;
}

} // namespace Desks
