#include "TestHelpers.h"

#include "storage/ActivityLog.h"
#include "widgets/ClickableImage.h"
#include "widgets/Screen.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList RegisterEvents()
{
    QStringList events;
    for (const QByteArray &line : FileBytes(ActivityLog::path()).split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 6)
            events.append(QString::fromUtf8(fields[2] + ' ' + fields[3] + ' ' + fields[4]).trimmed());
    }
    return events;
}

void ClickControl(QWidget *window, const QString &name)
{
    if (auto *button = window->findChild<QPushButton *>(name)) {
        button->click();
        return;
    }
    auto *image = window->findChild<ClickableImage *>(name);
    QVERIFY2(image, qPrintable(name));
    QTest::mouseClick(image, Qt::LeftButton);
}

void TypeInto(QWidget *window, const QString &box, const QString &text)
{
    auto *edit = window->findChild<QLineEdit *>(box);
    QVERIFY2(edit, qPrintable(box));
    edit->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void CheckHoverHint(Screen *screen, const QString &control, const QString &hint, const QString &initial,
    QWidget *background, const QPoint &at)
{
    // The offscreen screen is smaller than the design: give the mouse the whole screen to move on.
    screen->showNormal();
    screen->setGeometry(0, 0, 1016, 713);
    QTRY_COMPARE(screen->panel()->pos(), QPoint(10, 10));
    auto *line = screen->findChild<QLabel *>(u"panInfo"_s);
    QVERIFY(line && line->isVisible());
    QCOMPARE(line->text(), initial);
    auto *widget = screen->findChild<QWidget *>(control);
    QVERIFY2(widget && widget->isVisible(), qPrintable(control));
    QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(widget, QPoint(5, 5));
    QTRY_COMPARE(line->text(), hint);
    QTest::mouseMove(background, at);
    QTRY_COMPARE(line->text(), QString());
}

QStringList VisibleWindows()
{
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName().startsWith(u"Tfrm"_s))
            names.append(w->objectName());
    }
    names.sort();
    return names;
}

QWidget *TopLevelWindow(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

void WhenModalShown(const std::function<void(QDialog *)> &action)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action]() {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

QStringList PdfPages(const QString &pdfPath)
{
    QProcess process;
    process.start(u"pdftotext"_s, { u"-layout"_s, pdfPath, u"-"_s });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QString text = QString::fromUtf8(process.readAllStandardOutput());
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString PrintedListMismatch(
    const QString &pdfPath, const QString &title, const QStringList &lines, const QString &printedOn)
{
    const QString text = PdfPages(pdfPath).join(u'\n').simplified();
    if (!text.startsWith(title.simplified()))
        return u"no title first: "_s + text;
    qsizetype at = title.simplified().size();
    for (const QString &line : lines) {
        const qsizetype found = text.indexOf(line.simplified(), at);
        if (found < at)
            return u"line missing or out of order: "_s + line;
        at = found + 1;
    }
    if (!text.endsWith(u"Stampa eseguita in data "_s + printedOn))
        return u"no closing bar last: "_s + text;
    return QString();
}
