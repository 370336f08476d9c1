#include "AppFixture.h"
#include "MessageRecorder.h"
#include "PdfLayout.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include "app/Avvio.h"
#include "app/Password.h"
#include "clients/Anagrafica.h"
#include "visits/PeopleInside.h"
#include "widgets/Screen.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = VisitField;

// Cognome, Nome, DataEnt, DataUsc; the other fields follow from the surname.
TSchedaVisita visit(const QString &cognome, const QString &nome, const QString &dataEnt, const QString &dataUsc = {})
{
    return VisitCard({ { F::Cognome, cognome }, { F::Nome, nome }, { F::DataEnt, dataEnt }, { F::OraEnt, u"09:15"_s },
        { F::Motivo, u"Riunione "_s + cognome }, { F::Tessera, u"T-"_s + cognome }, { F::TelCel, u"333 "_s + cognome },
        { F::DataUsc, dataUsc } });
}

QStringList names(const QList<TSchedaVisita> &people)
{
    QStringList out;
    for (const TSchedaVisita &p : people)
        out << p.Cognome + u' ' + p.Nome;
    return out;
}

// One line of words; the fonts' "fi" ligature read as its two letters.
QString collapsed(QString text)
{
    return text.replace(u'\n', u' ').replace(QChar(0xFB01), u"fi"_s).simplified();
}

} // namespace

class TestStampaEmergenza : public QObject
{
    Q_OBJECT

    std::optional<AppFixture> m_app;

    QString pdfPath() const { return m_app->file(u"emergenza.pdf"_s); }

    // Last year's file with its last week, and this year's with people in and out.
    void writeBothYears()
    {
        WriteVisits(m_app->file(u"2025.vis"_s),
            { visit(u"Prima"_s, u"Di Natale"_s, u"25/12/2025"_s), visit(u"Zanetti"_s, u"Ugo"_s, u"26/12/2025"_s),
                visit(u"corti"_s, u"Ada"_s, u" 31/12/25 "_s),
                visit(u"Uscito"_s, u"Ieri"_s, u"28/12/2025"_s, u"29/12/2025"_s),
                visit(u"Senzanno"_s, u"Rita"_s, u"27/12"_s), visit(u"Vecchio"_s, u"Anno"_s, u"27/12/2024"_s),
                visit(u"Data"_s, u"Strana"_s, u"nessuna"_s) });
        WriteVisits(m_app->file(u"2026.vis"_s),
            { visit(u"Rossi"_s, u"Mario"_s, u"10/12/2026"_s),
                visit(u"Bianchi"_s, u"Anna"_s, u"01/02/2026"_s, u"01/02/2026"_s),
                visit(u"ROSSI"_s, u"anna"_s, u"10/12/2026"_s),
                visit(u"Blank"_s, u"Uscita"_s, u"09/12/2026"_s, u"   "_s),
                visit(u"Ansaldo"_s, u"Piero"_s, u"3/1/2026"_s) });
    }

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 12, 10), QTime(10, 15, 30))); }
    void cleanup() { m_app.reset(); }

    // Those entered today are present; those open from an earlier day, this year or in last year's
    // last week, are to be checked.
    void selectsPeopleInside()
    {
        writeBothYears();
        const PeopleInside inside = ReadPeopleInside(QDate(2026, 12, 10));
        QCOMPARE(names(inside.people), (QStringList { u"ROSSI anna"_s, u"Rossi Mario"_s }));
        QCOMPARE(names(inside.toVerify),
            (QStringList {
                u"Ansaldo Piero"_s, u"Blank Uscita"_s, u"corti Ada"_s, u"Senzanno Rita"_s, u"Zanetti Ugo"_s }));
        QVERIFY(inside.unreadableFiles.isEmpty());
        // The whole card comes along for the printed row.
        QCOMPARE(inside.toVerify.first().Tessera, u"T-Ansaldo"_s);
        QCOMPARE(inside.people.first().Tessera, u"T-ROSSI"_s);
    }

    void missingAndUnreadableFiles()
    {
        // No file at all: nobody, nothing unreadable, and no file made by looking.
        QVERIFY(ReadPeopleInside(QDate(2026, 12, 10)).people.isEmpty());
        QVERIFY(!QFile::exists(m_app->file(u"2025.vis"_s)));
        QVERIFY(!QFile::exists(m_app->file(u"2026.vis"_s)));

        // This year's file cannot be read: last year's people are still listed.
        writeBothYears();
        QVERIFY(QFile::remove(m_app->file(u"2026.vis"_s)));
        QVERIFY(QDir(m_app->path()).mkdir(u"2026.vis"_s));
        const PeopleInside inside = ReadPeopleInside(QDate(2026, 12, 10));
        QCOMPARE(inside.unreadableFiles, QStringList { u"2026.vis"_s });
        QVERIFY(inside.people.isEmpty());
        QCOMPARE(names(inside.toVerify), (QStringList { u"corti Ada"_s, u"Senzanno Rita"_s, u"Zanetti Ugo"_s }));
    }

    // Today's people first, then, under their own heading and count, the visits to be checked.
    void printsFromStartMenu()
    {
        writeBothYears();
        PdfPrinting pdf(pdfPath());
        ClickControl(Windows().avvio(), u"imgEmergenza"_s);
        QCOMPARE(pdf.dialogs, 1);

        const QStringList pages = PdfPages(pdfPath());
        QCOMPARE(pages.size(), 1);
        const QString page = collapsed(pages.first());
        QVERIFY2(
            page.startsWith(u"EMERGENZA - PERSONE PRESENTI IN SEDE Stampa eseguita il 10/12/2026 alle ore "
                            u"10:15:30 Presenti: 2 ROSSI anna Motivo: Riunione ROSSI "
                            u"Entrata: 10/12/2026 ore 09:15 Tessera: T-ROSSI Cel. 333 ROSSI Rossi Mario "
                            u"Motivo: Riunione Rossi Entrata: 10/12/2026 ore 09:15 Tessera: T-Rossi Cel. 333 Rossi "
                            u"DA VERIFICARE - ENTRATI NEI GIORNI PRECEDENTI SENZA USCITA REGISTRATA "
                            u"Da verificare: 5 Ansaldo Piero Motivo: Riunione Ansaldo "
                            u"Entrata: 3/1/2026 ore 09:15 Tessera: T-Ansaldo Cel. 333 Ansaldo Blank Uscita"_s),
            qPrintable(page));
        qsizetype at = page.indexOf(u"Blank Uscita"_s);
        for (const QString &line : { u"Entrata: 09/12/2026 ore 09:15"_s, u"corti Ada"_s, u"Entrata: 31/12/25 ore"_s,
                 u"Senzanno Rita"_s, u"Entrata: 27/12 ore"_s, u"Zanetti Ugo"_s, u"Entrata: 26/12/2025 ore"_s }) {
            const qsizetype found = page.indexOf(line, at);
            QVERIFY2(found > at, qPrintable(line));
            at = found;
        }
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Notice);
        QCOMPARE(m_app->messages.lastText(),
            u"Elenco di emergenza stampato: 2 persone presenti in sede, 5 da verificare."_s);
    }

    void nobodyInsideAndUnreadableYear()
    {
        QVERIFY(QDir(m_app->path()).mkdir(u"2025.vis"_s));
        PdfPrinting pdf(pdfPath());
        QTest::keyClick(Windows().avvio(), Qt::Key_F12);
        QCOMPARE(pdf.dialogs, 1);
        const QStringList pages = PdfPages(pdfPath());
        QCOMPARE(pages.size(), 1);
        // The paper says the list is incomplete, not only the screen.
        QVERIFY2(collapsed(pages.first())
                     .endsWith(u"Presenti: 0 ATTENZIONE: archivio 2025.vis non leggibile - elenco incompleto"_s),
            qPrintable(pages.first()));
        QCOMPARE(m_app->messages.lastText(),
            u"Elenco di emergenza stampato: 0 persone presenti in sede.\r\n\r\n"
            u"Attenzione: l'archivio 2025.vis non è leggibile."_s);
    }

    // Rows never split: every person's name, reason and entry line land on the same page.
    void rowsStayWhole()
    {
        QList<TSchedaVisita> cards;
        for (int i = 0; i < 40; ++i)
            cards << visit(u"Persona%1"_s.arg(i, 2, 10, QChar(u'0')), u"Nome"_s, u"10/12/2026"_s);
        WriteVisits(m_app->file(u"2026.vis"_s), cards);
        PdfPrinting pdf(pdfPath());
        QTest::keyClick(Windows().avvio(), Qt::Key_F12);
        const QStringList pages = PdfPages(pdfPath());
        QVERIFY(pages.size() > 2);
        for (int i = 0; i < 40; ++i) {
            const QString surname = u"Persona%1"_s.arg(i, 2, 10, QChar(u'0'));
            int pagesWithName = 0;
            for (const QString &raw : pages) {
                const QString page = collapsed(raw);
                if (!page.contains(surname + u" Nome"_s))
                    continue;
                ++pagesWithName;
                QVERIFY2(page.contains(u"Motivo: Riunione "_s + surname) && page.contains(u"Cel. 333 "_s + surname),
                    qPrintable(surname));
            }
            QCOMPARE(pagesWithName, 1);
        }
        QVERIFY(!collapsed(pages.at(1)).contains(u"EMERGENZA"_s));
        QCOMPARE(m_app->messages.lastText(), u"Elenco di emergenza stampato: 40 persone presenti in sede."_s);
    }

    // The longest name a card holds wraps inside the page, every word of it printed, none past the edge.
    void longNameWraps()
    {
        const QString surname = u"Wolfgang Maximilian Bartholomeus Von Hohenzollern"_s;
        const QString nome = u"Massimiliano Giovanbattista Wilhelmina Kaiserwerth"_s;
        WriteVisits(m_app->file(u"2026.vis"_s),
            { visit(surname, nome, u"10/12/2026"_s), visit(u"Zeta"_s, u"Ultimo"_s, u"10/12/2026"_s) });
        PdfPrinting pdf(pdfPath());
        QTest::keyClick(Windows().avvio(), Qt::Key_F12);
        const QList<PdfPage> pages = ReadPdfLayout(pdfPath());
        QCOMPARE(pages.size(), 1);
        const qreal rightMargin = pages.first().size.width() - 10 * PointsPerMm;
        for (const PdfWord &word : pages.first().words)
            QVERIFY2(word.box.right() <= rightMargin + 1, qPrintable(word.text));
        // The name's own words are the first of their kind on the page; the row's other lines repeat them.
        qreal nameBottom = 0;
        for (const QString &word : (surname + u' ' + nome).split(u' ')) {
            const QList<PdfWord> found = pages.first().wordsEqual(word);
            QVERIFY2(!found.isEmpty(), qPrintable(word));
            nameBottom = std::max(nameBottom, found.first().box.bottom());
        }
        // The rest of the row comes below the whole name.
        const QList<PdfLine> motivo = pages.first().linesContaining(u"Motivo: Riunione Wolfgang"_s);
        QCOMPARE(motivo.size(), 1);
        QVERIFY(motivo.first().box.top() >= nameBottom);
    }

    // F12 works on every screen, but never under a modal dialog.
    void f12OnEveryScreen()
    {
        writeBothYears();
        PdfPrinting pdf(pdfPath());
        Windows().password()->showScreen();
        QTest::keyClick(Windows().password(), Qt::Key_F12);
        QCOMPARE(pdf.dialogs, 1);

        Windows().password()->switchTo(Windows().anagrafica());
        QTest::keyClick(Windows().anagrafica()->findChild<QLineEdit *>(u"txtCognome"_s), Qt::Key_F12);
        QCOMPARE(pdf.dialogs, 2);
        QCOMPARE(m_app->messages.count(), 2);

        int dialogsUnderModal = -1;
        WhenModalShown([&](QDialog *dlg) {
            QTest::keyClick(dlg, Qt::Key_F12);
            QTest::keyClick(Windows().avvio(), Qt::Key_F12);
            dialogsUnderModal = pdf.dialogs;
            dlg->done(0);
        });
        ClickControl(Windows().avvio(), u"imgInfo"_s);
        QCOMPARE(dialogsUnderModal, 2);
        QCOMPARE(m_app->messages.count(), 2);
    }
};

QTEST_MAIN(TestStampaEmergenza)
#include "TestStampaEmergenza.moc"
