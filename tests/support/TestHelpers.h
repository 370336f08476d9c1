#pragma once
// Small helpers for driving windows headless: a temporary program folder, the windows showing,
// the next modal dialog, the text of a PDF page.

#include "base/Clock.h"
#include "base/ProgramFolder.h"

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// Points the program folder at a fresh temporary folder for the life of the object.
class TempProgramFolder
{
public:
    TempProgramFolder() { SetProgramFolder(m_dir.path()); }
    ~TempProgramFolder() { SetProgramFolder(QString()); }
    QString path() const { return ProgramFolder(); }
    QString file(const QString &name) const { return ProgramFolder() + name; }

private:
    QTemporaryDir m_dir;
};

class QLabel;
class QLineEdit;
class Screen;

// A window's control of that type and name; stops the test program when there is none, so a
// renamed control is named at once rather than crashing later.
template<typename T = QLineEdit> T *Control(QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

// A file's bytes, or nothing when it cannot be read.
QByteArray FileBytes(const QString &path);
// Makes the file hold exactly these bytes (a failed check when it cannot).
void WriteFileBytes(const QString &path, const QByteArray &bytes);
// The activity register's lines as "operator event details", in order.
QStringList RegisterEvents();

// Clicks a window's push button, or its clickable image with the mouse, found by name.
void ClickControl(QWidget *window, const QString &name);
// Empties a window's line edit, found by name, and types the text into it one key per character
// (keyClicks only knows Latin-1).
void TypeInto(QWidget *window, const QString &box, const QString &text);

// Shows the screen at its design size, moves the mouse over the control and checks that the hint
// line (panInfo, which shows `initial` until then) reads its hint, then over `background` at
// `at` and checks that the line empties.
void CheckHoverHint(Screen *screen, const QString &control, const QString &hint, const QString &initial,
    QWidget *background, const QPoint &at);

// The object names of the program's windows (Tfrm...) now visible, sorted.
QStringList VisibleWindows();
// The top-level window of that object name (the start-up instance of a Tfrm... class), if any.
QWidget *TopLevelWindow(const QString &objectName);

// Runs action on the next modal dialog as soon as it is shown (polling the event loop),
// so a test can drive a dialog that its opener runs with exec().
void WhenModalShown(const std::function<void(QDialog *)> &action);

// The text of a PDF file as pdftotext reads it, one entry per page.
QStringList PdfPages(const QString &pdfPath);

// Empty when the PDF holds a printed list: the title first, every line in the given order, and the
// closing bar "Stampa eseguita in data " + printedOn last; otherwise what is wrong. pdftotext spaces
// the columns its own way, so runs of blanks are collapsed on both sides.
QString PrintedListMismatch(
    const QString &pdfPath, const QString &title, const QStringList &lines, const QString &printedOn);
