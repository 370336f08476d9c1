#pragma once
// The visits of each month of a year, counted from the entry dates of the year file: what the
// monthly chart draws.

#include <QString>

#include <array>

// The twelve counts, January first.
using MonthlyCounts = std::array<int, 12>;

// Counts every card of the year file whose entry date is a date of `year`, in the month it names;
// cards without a valid entry date and cards of other years are not counted. A missing file is
// created empty. Throws StorageError when the file cannot be read.
MonthlyCounts CountVisitsPerMonth(const QString &yearFile, int year);
