#pragma once
// Several copies of the program at the desks of one building, saving into one year file at the
// same time: each desk appends its own cards, and one more copy writes the exit of cards already
// on file meanwhile. Each copy is a child process started by the test or the bench, which then
// checks that every card arrived exactly once and whole. Each save is its own open-save-close
// action, as the visit editor does it.

#include "storage/TSchedaVisita.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace Desks {

// The n-th card of a desk: its surname is the desk, its first name n, its notes fill the field.
TSchedaVisita card(const QString &desk, int n);
// The same card once its visitor has left.
TSchedaVisita withExit(const TSchedaVisita &card);

// The child programs' work; each prints "ready", waits for a line on its standard input, then works
// and returns the program's exit status (1 and the error on standard error on a failed save).
// Appends `count` cards of `desk`.
int appendCards(const QString &path, const QString &desk, int count);
// Writes the exit of randomly chosen cards already on file until the file named `stopFile` exists,
// printing the position of each card whose save returned.
int writeExits(const QString &path, const QString &stopFile);

// The run of a child, when the program was started as one by run(); nothing otherwise.
std::optional<int> runChild(const QStringList &arguments);

struct Outcome
{
    QString problem; // empty when every copy ran to its end and the file is sound
    double seconds = 0; // from the go to the last desk's last card
    int cards = 0; // appended in all
    int exits = 0; // exits written meanwhile
};

// Starts `program` (a program whose main() first asks runChild) once per desk and once for the
// exits, gives them the go together, and checks the file when all are done.
Outcome run(const QString &program, const QString &path, int desks, int count);

// What is wrong with the year file after `desks` each appended `count` cards and the positions in
// `exits` had their exit written: empty when every card is there exactly once, whole, and with its
// exit where one was written.
QString checkYearFile(const QString &path, const QStringList &desks, int count, const QSet<int> &exits);

} // namespace Desks
