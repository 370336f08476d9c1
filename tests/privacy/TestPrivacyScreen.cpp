#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "app/Password.h"
#include "base/PasswordStore.h"
#include "privacy/Privacy.h"
#include "privacy/Retention.h"
#include "storage/ActivityLog.h"
#include "storage/PrivacySettings.h"
#include "storage/VisitFile.h"
#include "visits/StampaVisita.h"
#include "widgets/ListBox.h"

#include "AppFixture.h"
#include "PdfLayout.h"
#include "TestHelpers.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 3, 7), QTime(9, 0));

using F = VisitField;

TSchedaVisita visit(const QString &entered, const QString &exited, const QString &surname = u"Rossi"_s,
    const QString &code = u"RSSMRA80A01H501U"_s)
{
    return VisitCard({ { F::DataEnt, entered }, { F::OraEnt, u"08:00"_s }, { F::Cognome, surname },
        { F::Nome, u"Mario"_s }, { F::CodFisc, code }, { F::Motivo, u"Riunione"_s }, { F::DataUsc, exited },
        { F::OraUsc, exited.isEmpty() ? QString() : u"10:00"_s }, { F::TelCel, u"3331234567"_s } });
}

TSchedaVisita cardAt(const QString &path, int position)
{
    VisitFile file;
    file.open(path, VisitFile::Access::Read);
    return file.readAt(position);
}

} // namespace

class TestPrivacyScreen : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    // Two years with cards on both sides of the cut-off (07/03/2025 for twelve months): two are due.
    void writeYears()
    {
        WriteVisits(m_app->file(u"2025.vis"_s),
            { visit(u"10/01/2025"_s, u"10/01/2025"_s), visit(u"05/06/2025"_s, u"05/06/2025"_s, u"Bianchi"_s, u""_s) });
        WriteVisits(m_app->file(u"2026.vis"_s),
            { visit(u"06/03/2025"_s, u"06/03/2025"_s, u"Verdi"_s, QString()), // entered before the cut-off
                visit(u"07/03/2025"_s, u"07/03/2025"_s, u"Verdi"_s, QString()), // the cut-off day: kept
                visit(u"01/02/2025"_s, QString(), u"Neri"_s, QString()), // still inside: kept
                visit(u"31/02/2025"_s, u"01/03/2025"_s, u"Gialli"_s, QString()), // no such day: counted apart
                visit(u"01/03/2026"_s, u"01/03/2026"_s) });
    }

private Q_SLOTS:
    void init() { m_app.emplace(Now); }
    void cleanup() { m_app.reset(); }

    void settingsChecks_data()
    {
        QTest::addColumn<QString>("months");
        QTest::addColumn<int>("noticeLength");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("zero months") << u"0"_s << 100
                                     << u"Attenzione: il periodo di conservazione deve essere di almeno un mese."_s
                                     << u"txtMesi"_s;
        QTest::newRow("notice too long") << u"12"_s << 1201
                                         << u"Attenzione: l'informativa non può superare 1200 caratteri."_s
                                         << u"txtInformativa"_s;
        QTest::newRow("saved") << u"12"_s << 1200 << u"Impostazioni salvate."_s << QString();
        QTest::newRow("kept for ever") << QString() << 10 << u"Impostazioni salvate."_s << QString();
    }
    void settingsChecks()
    {
        QFETCH(QString, months);
        QFETCH(int, noticeLength);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        TfrmPrivacy dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCOMPARE(Control<QPlainTextEdit>(&dlg, u"txtInformativa"_s)->toPlainText(), PrivacySettings::defaultNotice());
        QVERIFY(!Control<QCheckBox>(&dlg, u"chkInformativa"_s)->isChecked());
        TypeInto(&dlg, u"txtMesi"_s, months);
        const QString notice = QString(noticeLength - 1, u'a') + u'è';
        Control<QPlainTextEdit>(&dlg, u"txtInformativa"_s)->setPlainText(notice);
        Control<QCheckBox>(&dlg, u"chkInformativa"_s)->setChecked(true);
        m_app->messages.messages.clear();
        ClickControl(&dlg, u"btnSalvaImpostazioni"_s);
        QCOMPARE(m_app->messages.lastText(), message);
        if (!focus.isEmpty()) {
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning);
            QCOMPARE(dlg.focusWidget()->objectName(), focus);
            QVERIFY(!QFile::exists(PrivacySettings::path()));
            return;
        }
        const PrivacySettings stored = PrivacySettings::read();
        QCOMPARE(stored.months, months.isEmpty() ? std::nullopt : std::optional<int>(months.toInt()));
        QVERIFY(stored.printNotice);
        QCOMPARE(PrivacySettings::readNotice(), notice);
    }

    // The preview counts what "Anonimizza ora" then writes: the cards before the cut-off day that are
    // closed and not anonymous yet, a date that is no date apart; nothing else changes.
    void anonymiseNow()
    {
        writeYears();
        const QByteArray before2026 = FileBytes(m_app->file(u"2026.vis"_s));
        TfrmPrivacy dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTRY_COMPARE(Control<QLabel>(&dlg, u"lblAnteprima"_s)->text(), u"Schede di visita da anonimizzare: 0"_s);
        TypeInto(&dlg, u"txtMesi"_s, u"12"_s);
        QCOMPARE(Control<QLabel>(&dlg, u"lblAnteprima"_s)->text(),
            u"Schede di visita da anonimizzare: 2, con data non leggibile: 1"_s);

        m_app->messages.answers = { false };
        ClickControl(&dlg, u"btnAnonimizza"_s);
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: 2 schede di visita con data d'ingresso anteriore al 07/03/2025 saranno rese anonime in modo "
            u"definitivo. Continuare?"_s);
        QCOMPARE(FileBytes(m_app->file(u"2026.vis"_s)), before2026);

        m_app->messages.answers = { true };
        ClickControl(&dlg, u"btnAnonimizza"_s);
        QCOMPARE(m_app->messages.lastText(), u"Schede rese anonime: 2."_s);
        QCOMPARE(Control<QLabel>(&dlg, u"lblAnteprima"_s)->text(),
            u"Schede di visita da anonimizzare: 0, con data non leggibile: 1"_s);
        const TSchedaVisita first = cardAt(m_app->file(u"2026.vis"_s), 1);
        QVERIFY(IsAnonymisedVisit(first));
        QCOMPARE(first.DataEnt, u"06/03/2025"_s);
        QCOMPARE(first.Motivo, u"Riunione"_s);
        for (int kept : { 2, 3, 4, 5 })
            QVERIFY(!IsAnonymisedVisit(cardAt(m_app->file(u"2026.vis"_s), kept)));

        ClickControl(&dlg, u"btnAnonimizza"_s);
        QCOMPARE(m_app->messages.lastText(), u"Nessuna scheda da rendere anonima."_s);
    }

    // A person found in every archive, then made anonymous: the register keeps the counts, never the name.
    void personFoundAndErased()
    {
        writeYears();
        TfrmPrivacy dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        TypeInto(&dlg, u"txtCognomePersona"_s, u"rossi"_s);
        ClickControl(&dlg, u"btnCerca"_s);
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: indicare il codice fiscale oppure cognome e nome della persona."_s);

        TypeInto(&dlg, u"txtCodFiscPersona"_s, u"rssmra80a01h501u"_s);
        ClickControl(&dlg, u"btnCerca"_s);
        QCOMPARE(Control<QLabel>(&dlg, u"lblTrovate"_s)->text(), u"Schede trovate: 2 visite, 0 schede anagrafiche."_s);
        QCOMPARE(Control<ListBox>(&dlg, u"lstSchede"_s)->lines().first(),
            u"2025.vis n. 1  10/01/2025 08:00  Rossi Mario  Riunione"_s);

        // The answer to the access request, printed: every card with the labels of its screen.
        const QString pdf = m_app->file(u"accesso.pdf"_s);
        {
            const PdfPrinting printing(pdf);
            ClickControl(&dlg, u"btnStampaPersona"_s);
        }
        const QString printed = PdfPages(pdf).join(u'\n');
        for (const QString &expected : { u"DATI PERSONALI CONSERVATI"_s, u"Codice fiscale indicato: RSSMRA80A01H501U"_s,
                 u"Data della stampa: 07/03/2026"_s, u"Schede trovate: 2 visite, 0 schede anagrafiche."_s,
                 u"2025.vis n. 1"_s, u"2026.vis n. 5"_s, u"Cellulare: 3331234567"_s, u"USCITA"_s })
            QVERIFY2(printed.contains(expected), qPrintable(expected));
        QVERIFY(FileBytes(ActivityLog::path()).contains("accesso_dati_persona\t2 0\t"));

        m_app->messages.answers = { true };
        ClickControl(&dlg, u"btnCancellaPersona"_s);
        QCOMPARE(m_app->messages.lastText(),
            u"Dati della persona resi anonimi: 2 schede di visita, 0 schede anagrafiche."_s);
        QVERIFY(IsAnonymisedVisit(cardAt(m_app->file(u"2025.vis"_s), 1)));
        QVERIFY(IsAnonymisedVisit(cardAt(m_app->file(u"2026.vis"_s), 5)));
        ClickControl(&dlg, u"btnCerca"_s);
        QCOMPARE(Control<QLabel>(&dlg, u"lblTrovate"_s)->text(), u"Schede trovate: 0 visite, 0 schede anagrafiche."_s);
        const QByteArray log = FileBytes(ActivityLog::path());
        QVERIFY(log.contains("cancellazione_persona\t2 0\t"));
        QVERIFY(!log.contains("RSSMRA") && !log.contains("rssmra") && !log.contains("Rossi"));
    }

    // The receipt carries the notice under each copy only when the office asked for it.
    void noticeOnTheReceipt()
    {
        const QString pdf = m_app->file(u"ricevuta.pdf"_s);
        const auto print = [&] {
            const PdfPrinting printing(pdf);
            TfrmStampaVisita dlg;
            dlg.setCard(visit(u"07/03/2026"_s, QString()));
            dlg.show();
            ClickControl(&dlg, u"btnStampa"_s);
            return ReadPdfLayout(pdf);
        };
        const QList<PdfPage> plain = print();
        QCOMPARE(plain.size(), 1);
        QVERIFY(plain.first().linesContaining(u"INFORMATIVA"_s).isEmpty());

        PrivacySettings settings;
        settings.printNotice = true;
        settings.write();
        PrivacySettings::writeNotice(u"INFORMATIVA di prova: "_s
            + QString(60, u'x').replace(u"xxxxxxxxxx"_s, u"parola "_s) + u"ultima riga del testo."_s);
        const QList<PdfPage> withNotice = print();
        QCOMPARE(withNotice.size(), 1);
        const QList<PdfLine> heads = withNotice.first().linesContaining(u"INFORMATIVA di prova"_s);
        QCOMPARE(heads.size(), 2);
        QCOMPARE(withNotice.first().linesContaining(u"ultima riga del testo."_s).size(), 2);
        // Each under its own copy's card, the second copy whole below the first notice.
        const QList<PdfLine> copies = withNotice.first().linesContaining(u"COPIA PER ENTE"_s);
        QCOMPARE(copies.size(), 1);
        QVERIFY(heads.at(0).box.top() < copies.first().box.top());
        QVERIFY(heads.at(1).box.top() > copies.first().box.top());

        // A notice near its 1200 characters still prints whole, wrapped, on the one sheet.
        const QString longNotice
            = PrivacySettings::defaultNotice() + u' ' + QString(1200, u'w').replace(u"wwwwwwww"_s, u"esteso "_s);
        QVERIFY(longNotice.size() > 1200);
        PrivacySettings::writeNotice(longNotice.left(1188) + u" Fine testo."_s);
        const QList<PdfPage> wrapped = print();
        QCOMPARE(wrapped.size(), 1);
        QCOMPARE(PdfPages(pdf).first().count(u"Garante per la protezione dei dati personali."_s), 2);
        QCOMPARE(PdfPages(pdf).first().count(u"Fine testo."_s), 2);
    }

    // Once a day, after the day's copy, the old visits become anonymous without a question.
    void automaticOncePerDay()
    {
        writeYears();
        PrivacySettings settings;
        settings.months = 12;
        settings.write();
        PasswordStore::writePassword(PasswordText(u"portavel"_s));
        Windows().password()->showScreen();
        TypeInto(Windows().password(), u"txtPassword"_s, u"portavel"_s);
        ClickControl(Windows().password(), u"cmdOK"_s);
        QTRY_COMPARE_WITH_TIMEOUT(PrivacySettings::read().lastAutomaticRun, Now.date(), 10000);
        QCOMPARE(PrivacySettings::read().lastAutomaticCount, 2);
        QVERIFY(IsAnonymisedVisit(cardAt(m_app->file(u"2025.vis"_s), 1)));
        QVERIFY(!IsAnonymisedVisit(cardAt(m_app->file(u"2025.vis"_s), 2)));
        QTRY_VERIFY(FileBytes(ActivityLog::path()).contains("anonimizzazione\t07/03/2025 2\t"));

        TfrmPrivacy dlg;
        QCOMPARE(Control<QLabel>(&dlg, u"lblUltima"_s)->text(),
            u"Ultima anonimizzazione automatica: 07/03/2026, 2 schede."_s);

        // The same day again: nothing more, even with a card now due; the next day it is done.
        WriteVisits(m_app->file(u"2024.vis"_s), { visit(u"01/06/2024"_s, u"01/06/2024"_s) });
        auto *avvio = static_cast<TfrmAvvio *>(Windows().avvio());
        avvio->startDailyBackup();
        QTest::qWait(500);
        QVERIFY(!IsAnonymisedVisit(cardAt(m_app->file(u"2024.vis"_s), 1)));
        Clock::setFixed(Now.addDays(1));
        avvio->startDailyBackup();
        QTRY_COMPARE_WITH_TIMEOUT(PrivacySettings::read().lastAutomaticRun, Now.date().addDays(1), 10000);
        // That card, and the one entered on the former cut-off day.
        QCOMPARE(PrivacySettings::read().lastAutomaticCount, 2);
        QVERIFY(IsAnonymisedVisit(cardAt(m_app->file(u"2024.vis"_s), 1)));
        QVERIFY(IsAnonymisedVisit(cardAt(m_app->file(u"2026.vis"_s), 2)));
    }
};

QTEST_MAIN(TestPrivacyScreen)
#include "TestPrivacyScreen.moc"
