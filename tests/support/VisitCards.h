#pragma once
// Visit cards and the visit editor's boxes as the tests build and name them.

#include "storage/TSchedaVisita.h"

#include <QList>
#include <QStringList>

#include <initializer_list>
#include <utility>

// The sixteen boxes of the visit editor, in the stored order of the fields they show.
QStringList VisitBoxNames();

// What the visit editor of the program's windows shows: its sixteen boxes in that order, then its
// position label.
QStringList VisitEditorState();

// Appends the cards, in order, to the year file at `path` (created when missing).
void WriteVisits(const QString &path, const QList<TSchedaVisita> &cards);

// A visit card holding the given fields; every other field stays empty.
TSchedaVisita VisitCard(std::initializer_list<std::pair<VisitField, QString>> fields);
