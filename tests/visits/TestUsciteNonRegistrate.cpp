#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "VisitCards.h"

#include "app/Avvio.h"
#include "app/Password.h"
#include "base/PasswordStore.h"
#include "storage/ActivityLog.h"
#include "storage/ArchiveBackup.h"
#include "storage/StorageError.h"
#include "visits/MenuRegistro.h"
#include "visits/UsciteNonRegistrate.h"
#include "widgets/ClickableImage.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

TSchedaVisita visit(const QString &cognome, const QString &dataEnt, const QString &dataUsc = {})
{
    return VisitCard({ { F::Cognome, cognome }, { F::Nome, u"Ugo"_s }, { F::DataEnt, dataEnt },
        { F::OraEnt, u"09:15"_s }, { F::OperatoreEnt, u"Anna"_s }, { F::Motivo, u"Consegna"_s },
        { F::TelCel, u"333"_s }, { F::Note, u"nota"_s }, { F::DataUsc, dataUsc } });
}

// The same card as closed by hand: exit date its entry date, no time, "Non registrata".
QByteArray closedBytes(const QString &cognome, const QString &dataEnt)
{
    TSchedaVisita card = visit(cognome, dataEnt);
    card.DataUsc = dataEnt;
    card.OperatoreUsc = u"Non registrata"_s;
    return card.toBytes();
}

QByteArray record(const QString &path, int position)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().mid((position - 1) * TSchedaVisita::RecordSize, TSchedaVisita::RecordSize);
}

// Counts the dialog's showings and closes each one at once, keeping its lines.
class ExitsDialogWatch : public QObject
{
public:
    ExitsDialogWatch() { qApp->installEventFilter(this); }
    ~ExitsDialogWatch() override { qApp->removeEventFilter(this); }
    ExitsDialogWatch(const ExitsDialogWatch &) = delete;
    ExitsDialogWatch &operator=(const ExitsDialogWatch &) = delete;

    int shown = 0;
    QStringList lines;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<TfrmUsciteNonRegistrate *>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            lines = dialog->findChild<ListBox *>(u"lstVisite"_s)->lines();
            QTimer::singleShot(0, dialog, [dialog] { ClickControl(dialog, u"btnEsci"_s); });
        }
        return false;
    }
};

const QString Line2025
    = u"Verdi Ugo                       Cel. 333           Entrata: 20/12/2025  Ora: 09:15  Motivo: Consegna"_s;
const QString LineBianchi
    = u"Bianchi Ugo                     Cel. 333           Entrata: 01/12/2026  Ora: 09:15  Motivo: Consegna"_s;
const QString LineNeri
    = u"Neri Ugo                        Cel. 333           Entrata: 05/12/2026  Ora: 09:15  Motivo: Consegna"_s;

} // namespace

class TestUsciteNonRegistrate : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;

    QString yearFile(int year) const { return m_app->file(QString::number(year) + u".vis"_s); }

    // Last year's open visit, two of this year's earlier days, one of today, one closed.
    void writeVisits()
    {
        WriteVisits(yearFile(2025), { visit(u"Verdi"_s, u"20/12/2025"_s) });
        WriteVisits(yearFile(2026),
            { visit(u"Neri"_s, u"05/12/2026"_s), visit(u"Oggi"_s, u"10/12/2026"_s),
                visit(u"Bianchi"_s, u"01/12/2026"_s), visit(u"Uscito"_s, u"02/12/2026"_s, u"02/12/2026"_s) });
    }

    static ListBox *list(QWidget *dlg) { return dlg->findChild<ListBox *>(u"lstVisite"_s); }

    // Rows chosen as the operator does: a click, then Ctrl and a click on each further one.
    static void choose(QWidget *dlg, const QList<int> &rows)
    {
        ListBox *box = list(dlg);
        for (int i = 0; i < rows.size(); ++i) {
            const QRect at = box->visualRect(box->model()->index(rows.at(i), 0));
            QTest::mouseClick(box->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier,
                QPoint(20, at.center().y()));
        }
    }

    void logIn()
    {
        Windows().password()->showScreen();
        TypeInto(Windows().password(), u"txtPassword"_s, u"portavel"_s);
        ClickControl(Windows().password(), u"cmdOK"_s);
        QVERIFY(Windows().avvio()->isVisible());
    }

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 12, 10), QTime(10, 15))); }
    void cleanup() { m_app.reset(); }

    // Choosing, the notice with nothing chosen, No that writes nothing, Sì that closes the chosen
    // cards byte for byte and takes their lines off the list.
    void closesChosenVisits()
    {
        writeVisits();
        const QByteArray before2026 = record(yearFile(2026), 1) + record(yearFile(2026), 2) + record(yearFile(2026), 3)
            + record(yearFile(2026), 4);
        TfrmUsciteNonRegistrate dlg(FindUnrecordedExits(QDate(2026, 12, 10)));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(dlg.windowTitle(), u" Uscite non registrate"_s);
        QCOMPARE(dlg.findChild<QPushButton *>(u"btnChiudi"_s)->text(), u"Chiudi le visite selezionate"_s);
        QCOMPARE(dlg.findChild<QPushButton *>(u"btnEsci"_s)->text(), u"Esci"_s);
        QCOMPARE(list(&dlg)->lines(), (QStringList { Line2025, LineBianchi, LineNeri }));
        QCOMPARE(list(&dlg)->selectionMode(), QAbstractItemView::ExtendedSelection);

        ClickControl(&dlg, u"btnChiudi"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Notice);
        QCOMPARE(m_app->messages.lastText(), u"Attenzione: selezionare almeno una visita."_s);

        choose(&dlg, { 0, 2 });
        m_app->messages.answers = { false };
        ClickControl(&dlg, u"btnChiudi"_s);
        QCOMPARE(m_app->messages.count(), 2);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_app->messages.lastText(),
            u"Le 2 visite selezionate saranno chiuse come uscite non registrate. Continuare?"_s);
        QCOMPARE(record(yearFile(2025), 1), visit(u"Verdi"_s, u"20/12/2025"_s).toBytes());
        QCOMPARE(list(&dlg)->count(), 3);

        m_app->messages.answers = { true };
        ClickControl(&dlg, u"btnChiudi"_s);
        QCOMPARE(m_app->messages.count(), 4);
        QCOMPARE(m_app->messages.messages.at(2).text,
            u"Le 2 visite selezionate saranno chiuse come uscite non registrate. Continuare?"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(), u"Visite chiuse: 2."_s);
        QCOMPARE(record(yearFile(2025), 1), closedBytes(u"Verdi"_s, u"20/12/2025"_s));
        QCOMPARE(record(yearFile(2026), 1), closedBytes(u"Neri"_s, u"05/12/2026"_s));
        QCOMPARE(record(yearFile(2026), 2) + record(yearFile(2026), 3) + record(yearFile(2026), 4),
            before2026.mid(TSchedaVisita::RecordSize));
        QCOMPARE(list(&dlg)->lines(), QStringList { LineBianchi });
        QCOMPARE(RegisterEvents().last(), u"- salvataggio_visita uscite non registrate: 2"_s);
    }

    // A year file that cannot be written: the access message, the cards written before it stay
    // closed and off the list, the others stay listed.
    void unwritableFile()
    {
        writeVisits();
        TfrmUsciteNonRegistrate dlg(FindUnrecordedExits(QDate(2026, 12, 10)));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(QFile::remove(yearFile(2026)));
        QVERIFY(QDir(m_app->path()).mkdir(u"2026.vis"_s));
        choose(&dlg, { 0, 1 });
        ClickControl(&dlg, u"btnChiudi"_s);
        QCOMPARE(m_app->messages.count(), 2);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessFailureText());
        QCOMPARE(record(yearFile(2025), 1), closedBytes(u"Verdi"_s, u"20/12/2025"_s));
        QCOMPARE(list(&dlg)->lines(), (QStringList { LineBianchi, LineNeri }));
        QCOMPARE(RegisterEvents().last(), u"- salvataggio_visita uscite non registrate: 1"_s);
    }

    // The visit register's menu opens it with a picture, hand cursor and hint.
    void opensFromMenu()
    {
        writeVisits();
        auto *image = Windows().menuRegistro()->findChild<ClickableImage *>(u"imgNonRegistrate"_s);
        QVERIFY(image);
        QCOMPARE(image->toolTip(), u"Visite dei giorni precedenti senza uscita registrata."_s);
        QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
        Windows().menuRegistro()->showScreen();
        const ExitsDialogWatch watch;
        ClickControl(Windows().menuRegistro(), u"imgNonRegistrate"_s);
        QCOMPARE(watch.shown, 1);
        QCOMPARE(watch.lines, (QStringList { Line2025, LineBianchi, LineNeri }));
    }

    // At the first login of a day it opens by itself, once, when some visit is open from an earlier day.
    void opensAtFirstLoginOfTheDay()
    {
        writeVisits();
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        const ExitsDialogWatch watch;
        logIn();
        QTRY_VERIFY(RegisterEvents().contains(u"- copia_sicurezza 2026-12-10"_s));
        QCOMPARE(watch.shown, 1);
        QCOMPARE(watch.lines, (QStringList { Line2025, LineBianchi, LineNeri }));

        logIn();
        QTest::qWait(100);
        QCOMPARE(watch.shown, 1);

        Clock::setFixed(QDateTime(QDate(2026, 12, 11), QTime(8, 0)));
        logIn();
        QTRY_VERIFY(RegisterEvents().contains(u"- copia_sicurezza 2026-12-11"_s));
        QCOMPARE(watch.shown, 2);
        QCOMPARE(m_app->messages.count(), 0);
    }

    // A program started again later the same day finds the day's copy made: not its first login.
    void notAgainAfterARestartTheSameDay()
    {
        writeVisits();
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        QVERIFY(QDir().mkpath(BackupFolder() + u"2026-12-10"_s));
        const ExitsDialogWatch watch;
        logIn();
        QTest::qWait(200);
        QCOMPARE(watch.shown, 0);
    }

    void staysClosedWithNothingOpen()
    {
        WriteVisits(yearFile(2024), { visit(u"Vecchio"_s, u"05/12/2024"_s) });
        WriteVisits(yearFile(2026),
            { visit(u"Oggi"_s, u"10/12/2026"_s), visit(u"Uscito"_s, u"02/12/2026"_s, u"02/12/2026"_s) });
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        const ExitsDialogWatch watch;
        logIn();
        QTRY_VERIFY(RegisterEvents().contains(u"- copia_sicurezza 2026-12-10"_s));
        QTest::qWait(50);
        QCOMPARE(watch.shown, 0);
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(!QFile::exists(yearFile(2025)));
    }
};

QTEST_MAIN(TestUsciteNonRegistrate)
#include "TestUsciteNonRegistrate.moc"
