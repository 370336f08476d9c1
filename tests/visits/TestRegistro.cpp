#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "base/Session.h"
#include "storage/TSchedaVisita.h"
#include "storage/VisitFile.h"
#include "visits/Registro.h"
#include "visits/StampaVisita.h"
#include "widgets/Dialog.h"
#include "widgets/HintLine.h"
#include "widgets/ListBox.h"

#include "AppFixture.h"
#include "MessageRecorder.h"
#include "PdfLayout.h"
#include "TestHelpers.h"
#include "TestPrinting.h"
#include "VisitCards.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageKind)

namespace {

const QStringList BoxNames = VisitBoxNames();

const QString AccessFailure = u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                              u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                              u"del programma."_s;
const QString EmptyArchive = u"L'archivio non contiene nessuna scheda."_s;
const QString Unsaved = u"Le modifiche alla scheda corrente non sono state salvate. Continuare senza salvarle?"_s;

// A card whose every field names the card and the field, so a mix-up of fields or cards shows.
TSchedaVisita sampleCard(int n)
{
    TSchedaVisita card;
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
        card.field(i) = u"c%1f%2"_s.arg(n).arg(i);
    card.DataEnt = u"0%1/03/2026"_s.arg(n);
    card.Cognome = u"Rossi%1"_s.arg(n);
    card.OraEnt = u"09:0%1"_s.arg(n % 10);
    card.OraUsc = u"18:0%1"_s.arg(n % 10);
    return card;
}

} // namespace

// The visit card editor on a temporary year file: new card, save, browsing, failures, keys and hints.
class TestRegistro : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static TfrmRegistro *reg() { return Windows().registro(); }
    static QLineEdit *edit(const QString &name) { return reg()->findChild<QLineEdit *>(name); }
    static QLabel *label(const QString &name) { return reg()->findChild<QLabel *>(name); }
    static QString position() { return label(u"lblPosizione"_s)->text(); }
    QString yearFile() const { return m_app->file(u"2026.vis"_s); }

    static void click(const QString &name) { ClickControl(reg(), name); }

    void writeCards(int count) const
    {
        QFile file(yearFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int n = 1; n <= count; ++n)
            file.write(sampleCard(n).toBytes());
    }

    QByteArray fileBytes() const
    {
        QFile file(yearFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Three cards on file, on 07/03/2026: the first went out today, the third came in today and is
    // still in.
    QList<TSchedaVisita> questionCards() const
    {
        QList<TSchedaVisita> cards = { sampleCard(1), sampleCard(2), sampleCard(3) };
        cards[0].DataUsc = u"07/03/2026"_s;
        cards[2].DataEnt = u"07/03/2026"_s;
        cards[2].DataUsc.clear();
        cards[2].OraUsc.clear();
        QFile file(yearFile());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            for (const TSchedaVisita &card : cards)
                file.write(card.toBytes());
        }
        return cards;
    }

    // Leaves the card on screen as the operator does; a list or the search has its first line
    // double-clicked (the search looks for the first card's surname).
    static void leaveBy(const QString &way)
    {
        if (way == u"close"_s) {
            reg()->close();
            return;
        }
        if (way.startsWith(u"btn"_s) && way != u"btnEsci"_s && way != u"btnNuovo"_s) {
            WhenModalShown([way](QDialog *dlg) {
                if (way == u"btnTrova"_s) {
                    QTest::keyClicks(dlg->findChild<QLineEdit *>(u"txtCognome"_s), u"Rossi1"_s);
                    dlg->findChild<QPushButton *>(u"btnCerca"_s)->click();
                }
                auto *list = dlg->findChild<ListBox *>(u"lstRecords"_s);
                list->selectRow(0);
                Q_EMIT list->lineDoubleClicked();
            });
        }
        click(way);
    }

    static void setBoxes(const TSchedaVisita &card)
    {
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
            edit(BoxNames.at(i))->setText(card.field(i));
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42)));
        reg()->setYearFile(yearFile());
        reg()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(reg()));
    }

    void cleanup() { m_app.reset(); }

    void boxesFramesAndEnterCycle()
    {
        const QList<int> lengths = { 10, 5, 50, 50, 50, 16, 50, 30, 50, 50, 50, 50, 250, 10, 5, 50 };
        for (int i = 0; i < BoxNames.size(); ++i) {
            QLineEdit *box = edit(BoxNames.at(i));
            QVERIFY2(box, qPrintable(BoxNames.at(i)));
            QCOMPARE(box->maxLength(), lengths.at(i));
            QCOMPARE(box->font().family(), u"Verdana"_s);
            QCOMPARE(box->font().pointSize(), 12);
            QVERIFY(box->font().bold());
            QVERIFY2(reg()->findChild<QWidget *>(u"eff"_s + BoxNames.at(i).mid(3)), qPrintable(BoxNames.at(i)));
        }
        QVERIFY(label(u"lblPosizione"_s)->isVisible());
        QVERIFY(!label(u"lblFile"_s)->isVisible());

        edit(BoxNames.first())->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit(BoxNames.first()));
        for (int i = 0; i < BoxNames.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const QString next = BoxNames.at((i + 1) % BoxNames.size());
            QTRY_COMPARE(QApplication::focusWidget(), edit(next));
            QVERIFY(reg()->findChild<QWidget *>(u"eff"_s + next.mid(3))->isVisible());
            QVERIFY(!reg()->findChild<QWidget *>(u"eff"_s + BoxNames.at(i).mid(3))->isVisible());
        }
    }

    void hoverHints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        const QList<std::pair<QString, QString>> hints = {
            { u"btnNuovo"_s, u"Prepara la schermata per la registrazione di una nuova scheda."_s },
            { u"btnSalva"_s, u"Salva la scheda corrente in archivio."_s },
            { u"btnTrova"_s, u"Trova una scheda in archivio."_s },
            { u"btnNonUsciti"_s, u"Visualizza l'elenco dei Visitatori non ancora usciti."_s },
            { u"btnEntratiOggi"_s, u"Visualizza l'elenco dei Visitatori entrati oggi."_s },
            { u"btnUscitiOggi"_s, u"Visualizza l'elenco dei Visitatori usciti oggi."_s },
            { u"btnStampa"_s, u"Stampa la scheda corrente."_s },
            { u"btnExcel"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s },
            { u"btnGuida"_s, u"Visualizza la guida in linea."_s },
            { u"btnEsci"_s, u"Esci da questa schermata di lavoro."_s },
            { u"cmdPrimo"_s, u"Visualizza la prima scheda in archivio."_s },
            { u"cmdIndietro"_s, u"Visualizza la scheda precedente in archivio."_s },
            { u"cmdAvanti"_s, u"Visualizza la scheda successiva in archivio."_s },
            { u"cmdUltimo"_s, u"Visualizza l'ultima scheda in archivio."_s },
            { u"impDataEnt"_s, u"Inserisci data corrente."_s },
            { u"impDataUsc"_s, u"Inserisci data corrente."_s },
            { u"impOraEnt"_s, u"Inserisci ora corrente."_s },
            { u"impOraUscita"_s, u"Inserisci ora corrente."_s },
            { u"impVisitatore"_s, u"Importa dati da Archivio Anagrafico."_s },
            { u"impOperatoreEnt"_s, u"Importa dati da Archivio Anagrafico."_s },
            { u"impOperatoreUscita"_s, u"Importa dati da Archivio Anagrafico."_s },
            { u"impCodFisc"_s, u"Controlla codice fiscale."_s },
        };
        for (const auto &[control, hint] : hints)
            QTest::newRow(qPrintable(control)) << control << hint;
    }

    void hoverHints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        CheckHoverHint(
            reg(), control, hint, u"Pronto per archiviare una nuova scheda..."_s, reg()->panel(), QPoint(2, 2));
    }

    // Every switch to the screen and btnNuovo start a new card with the moment's date and time.
    void newCardOnShowAndNuovo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("btnEsci, then the register again") << u"btnEsci"_s;
        QTest::newRow("window closed, then the register again") << u"close"_s;
        QTest::newRow("btnNuovo") << u"btnNuovo"_s;
    }

    void newCardOnShowAndNuovo()
    {
        QFETCH(QString, how);
        QCOMPARE(edit(u"txtDataEnt"_s)->text(), u"07/03/2026"_s);
        QCOMPARE(edit(u"txtOraEnt"_s)->text(), u"09:05"_s);

        // Values the program puts in are shown from their first character.
        TSchedaVisita card = sampleCard(4);
        card.Note = u"Consegna documenti al reparto spedizioni, secondo piano, chiedere del responsabile"_s;
        reg()->loadCard(card, 4);
        QCOMPARE(position(), u"4"_s);
        for (const QString &name : BoxNames)
            QVERIFY2(edit(name)->cursorPosition() == 0, qPrintable(name));
        Clock::setFixed(QDateTime(QDate(2027, 1, 5), QTime(0, 7, 59)));
        if (how == u"btnNuovo"_s) {
            click(how);
        } else {
            // A screen entered again starts its hint line afresh, whatever the mouse left there.
            CheckHoverHint(reg(), u"btnSalva"_s, u"Salva la scheda corrente in archivio."_s,
                u"Pronto per archiviare una nuova scheda..."_s, reg()->panel(), QPoint(2, 2));
            if (how == u"close"_s)
                reg()->close();
            else
                click(how);
            QTRY_VERIFY(Windows().avvio()->isVisible());
            QVERIFY(!reg()->isVisible());
            reg()->showScreen();
            QCOMPARE(reg()->findChild<QLabel *>(u"panInfo"_s)->text(), u"Pronto per archiviare una nuova scheda..."_s);
        }

        QCOMPARE(edit(u"txtDataEnt"_s)->text(), u"05/01/2027"_s);
        QCOMPARE(edit(u"txtDataEnt"_s)->cursorPosition(), 0);
        QCOMPARE(edit(u"txtOraEnt"_s)->text(), u"00:07"_s);
        for (const QString &name : BoxNames.mid(2))
            QVERIFY2(edit(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(position(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), edit(u"txtOperatoreEnt"_s));
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(!QFile::exists(yearFile()));
    }

    void dateAndTimeImages_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entry date") << u"impDataEnt"_s << u"txtDataEnt"_s << u"07/03/2026"_s;
        QTest::newRow("entry time") << u"impOraEnt"_s << u"txtOraEnt"_s << u"09:05"_s;
        QTest::newRow("exit date") << u"impDataUsc"_s << u"txtDataUsc"_s << u"07/03/2026"_s;
        QTest::newRow("exit time") << u"impOraUscita"_s << u"txtOraUsc"_s << u"09:05"_s;
    }

    void dateAndTimeImages()
    {
        QFETCH(QString, image);
        QFETCH(QString, box);
        QFETCH(QString, expected);
        edit(box)->setText(u"xx"_s);
        edit(u"txtNote"_s)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit(u"txtNote"_s));
        Clock::setFixed(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 0)));
        click(image);
        QCOMPARE(edit(box)->text(), expected);
        QCOMPARE(QApplication::focusWidget(), edit(u"txtNote"_s));
    }

    void fiscalCodeUpperCasedOnKeyRelease_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("home");
        QTest::addColumn<QString>("typedAtHome");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("cursor");
        QTest::newRow("small letters") << u"rssmra85c01h501z"_s << false << QString() << u"RSSMRA85C01H501Z"_s << 16;
        QTest::newRow("blank at the end disappears") << u"ab "_s << false << QString() << u"AB"_s << 2;
        QTest::newRow("other characters stay") << u"a-1.b"_s << false << QString() << u"A-1.B"_s << 5;
        QTest::newRow("typed at the start") << u"rss"_s << true << u"x"_s << u"XRSS"_s << 1;
        QTest::newRow("blank at the start disappears") << u"ab"_s << true << u" "_s << u"AB"_s << 0;
    }

    void fiscalCodeUpperCasedOnKeyRelease()
    {
        QFETCH(QString, typed);
        QFETCH(bool, home);
        QFETCH(QString, typedAtHome);
        QLineEdit *box = edit(u"txtCodFisc"_s);
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, typed);
        if (home) {
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClicks(box, typedAtHome);
        }
        QTEST(box->text(), "expected");
        QTEST(box->cursorPosition(), "cursor");

        // Text put in by other means waits for the next key release.
        box->setText(u"abc"_s);
        QCOMPARE(box->text(), u"abc"_s);
        QTest::keyClick(box, Qt::Key_Shift);
        QCOMPARE(box->text(), u"ABC"_s);
    }

    // A paste is an edit of the operator: the same rule applies without waiting for a key.
    void fiscalCodeUpperCasedAfterPaste()
    {
        QLineEdit *box = edit(u"txtCodFisc"_s);
        QApplication::clipboard()->setText(u"  rss mra85 "_s);
        box->paste();
        QCOMPARE(box->text(), u"RSS MRA85"_s);
        QCOMPARE(box->cursorPosition(), 9);
    }

    // The checks reach the screen with their kind of box and focus target, and nothing is written.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("entry date empty")
            << u"txtDataEnt"_s << u" "_s << MessageKind::Warning
            << u"Attenzione: per salvare la scheda è necessario indicare la data d'ingresso."_s << u"txtDataEnt"_s;
        QTest::newRow("entry date that does not exist")
            << u"txtDataEnt"_s << u"30/02/2026"_s << MessageKind::Notice
            << u"Attenzione: la data d'ingresso 30/02/2026 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare una data valida nel formato gg/mm/aaaa."_s
            << u"txtDataEnt"_s;
        QTest::newRow("entry time that does not exist")
            << u"txtOraEnt"_s << u"25:61"_s << MessageKind::Notice
            << u"Attenzione: l'ora d'ingresso 25:61 non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare un'ora valida nel formato hh:mm."_s
            << u"txtOraEnt"_s;
        QTest::newRow("exit time that does not exist")
            << u"txtOraUsc"_s << u"ab:cd"_s << MessageKind::Notice
            << u"Attenzione: l'ora d'uscita ab:cd non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
               u"indicare un'ora valida nel formato hh:mm."_s
            << u"txtOraUsc"_s;
        QTest::newRow("first name empty") << u"txtNome"_s << QString() << MessageKind::Warning
                                          << u"Attenzione: per salvare la scheda è necessario indicare il nome del "
                                             u"Visitatore."_s
                                          << u"txtNome"_s;
        QTest::newRow("exit before the entry")
            << u"txtDataUsc"_s << u"28/02/2026"_s << MessageKind::Notice
            << u"Attenzione: l'uscita non può precedere l'ingresso."_s << u"txtDataUsc"_s;
        QTest::newRow("exit date without exit time")
            << u"txtOraUsc"_s << QString() << MessageKind::Notice
            << u"Attenzione: è stata indicata la data d'uscita ma non l'ora.\n\r\n\rPer poter salvare la scheda è "
               u"necessario o compilare o lasciare in bianco entrambi i campi di testo."_s
            << u"txtDataUsc"_s;
    }

    void refusedSave()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, focus);
        TSchedaVisita card = sampleCard(1);
        card.DataUsc = u"08/03/2026"_s;
        setBoxes(card);
        edit(box)->setText(value);
        edit(u"txtNote"_s)->setFocus();
        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QTEST(m_app->messages.lastKind(), "kind");
        QTEST(m_app->messages.lastText(), "message");
        QTRY_COMPARE(QApplication::focusWidget(), edit(focus));
        QCOMPARE(position(), QString());
        QVERIFY(!QFile::exists(yearFile()));
    }

    // A new card is appended; saving it again overwrites the same 792 bytes.
    void appendThenOverwrite_data()
    {
        QTest::addColumn<int>("existing");
        QTest::newRow("first card of the year") << 0;
        QTest::newRow("after two cards") << 2;
    }

    void appendThenOverwrite()
    {
        QFETCH(int, existing);
        writeCards(existing);
        const QByteArray before = fileBytes();
        TSchedaVisita card = sampleCard(9);
        card.DataEnt = u"06/03/2026"_s; // the exit given below, today, may not precede it
        card.DataUsc.clear();
        card.OraUsc.clear();
        setBoxes(card);
        edit(u"txtCognome"_s)->setText(u"  Rossi Bianchi "_s);
        card.Cognome = u"Rossi Bianchi"_s;

        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(), u"La scheda corrente è stata inserita in archivio."_s);
        QCOMPARE(position(), QString::number(existing + 1));
        QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 792 * (existing + 1));
        QCOMPARE(bytes.left(792 * existing), before);
        QCOMPARE(bytes.mid(792 * existing), card.toBytes());
        QCOMPARE(edit(u"txtCognome"_s)->text(), u"  Rossi Bianchi "_s); // the boxes keep what they had

        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(),
            u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
        QCOMPARE(fileBytes(), bytes);
        QCOMPARE(position(), QString::number(existing + 1));

        // The exit completed later lands on the same record.
        click(u"impDataUsc"_s);
        click(u"impOraUscita"_s);
        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.count(), 3);
        QCOMPARE(m_app->messages.lastText(),
            u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s);
        card.DataUsc = u"07/03/2026"_s;
        card.OraUsc = u"09:05"_s;
        bytes = fileBytes();
        QCOMPARE(bytes.size(), 792 * (existing + 1));
        QCOMPARE(bytes.left(792 * existing), before);
        QCOMPARE(bytes.mid(792 * existing), card.toBytes());
    }

    // A date typed short is stored in full, so today's lists, which compare the text, find the card.
    void shortDatesAreSavedInFull()
    {
        writeCards(0);
        TSchedaVisita card = sampleCard(1);
        setBoxes(card);
        edit(u"txtDataEnt"_s)->setText(u"7/3"_s);
        edit(u"txtDataUsc"_s)->setText(u" 8/3/26"_s);
        edit(u"txtOraUsc"_s)->setText(u"10:00"_s);
        click(u"btnSalva"_s);
        QCOMPARE(position(), u"1"_s);
        card.DataEnt = u"07/03/2026"_s;
        card.DataUsc = u"08/03/2026"_s;
        card.OraUsc = u"10:00"_s;
        QCOMPARE(fileBytes(), card.toBytes());
        QCOMPARE(edit(u"txtDataEnt"_s)->text(), u"07/03/2026"_s);
        QCOMPARE(edit(u"txtDataUsc"_s)->text(), u"08/03/2026"_s);
    }

    // Times typed as "9.30" or "9:30" are stored, and shown, as hh:mm; the card then counts as saved.
    void timesAreSavedInForm()
    {
        TSchedaVisita card = sampleCard(1);
        setBoxes(card);
        edit(u"txtOraEnt"_s)->setText(u" 9.30"_s);
        edit(u"txtDataUsc"_s)->setText(u"1/3"_s);
        edit(u"txtOraUsc"_s)->setText(u"18.3"_s);
        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Notice); // "18.3" is no time and stays as typed
        QCOMPARE(edit(u"txtOraUsc"_s)->text(), u"18.3"_s);

        edit(u"txtOraUsc"_s)->setText(u"18.30"_s);
        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.lastText(), u"La scheda corrente è stata inserita in archivio."_s);
        card.OraEnt = u"09:30"_s;
        card.DataUsc = u"01/03/2026"_s;
        card.OraUsc = u"18:30"_s;
        QCOMPARE(fileBytes(), card.toBytes());
        QCOMPARE(edit(u"txtOraEnt"_s)->text(), u"09:30"_s);
        QCOMPARE(edit(u"txtOraUsc"_s)->text(), u"18:30"_s);
        QCOMPARE(edit(u"txtOraUsc"_s)->cursorPosition(), 0);

        const int shown = m_app->messages.count();
        click(u"btnNuovo"_s);
        QCOMPARE(m_app->messages.count(), shown);
        QCOMPARE(position(), QString());
    }

    void ctrlSSaves()
    {
        TSchedaVisita card = sampleCard(1);
        card.DataUsc.clear();
        card.OraUsc.clear();
        setBoxes(card);
        reg()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reg()));
        edit(u"txtNote"_s)->setFocus();
        QTest::keyClick(edit(u"txtNote"_s), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_app->messages.lastText(), u"La scheda corrente è stata inserita in archivio."_s);
        QCOMPARE(position(), u"1"_s);
        QCOMPARE(fileBytes(), card.toBytes());
        QCOMPARE(edit(u"txtNote"_s)->text(), card.Note); // no "s" typed
    }

    // F2 in a date or time box does what the image beside it does; in other boxes nothing.
    void f2InDateAndTimeBoxes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("expected");
        QTest::newRow("entry date") << u"txtDataEnt"_s << u"07/03/2026"_s;
        QTest::newRow("entry time") << u"txtOraEnt"_s << u"09:05"_s;
        QTest::newRow("exit date") << u"txtDataUsc"_s << u"07/03/2026"_s;
        QTest::newRow("exit time") << u"txtOraUsc"_s << u"09:05"_s;
        QTest::newRow("surname") << u"txtCognome"_s << u"prima"_s;
    }
    void f2InDateAndTimeBoxes()
    {
        QFETCH(QString, box);
        for (const QString &name : BoxNames)
            edit(name)->setText(u"prima"_s);
        reg()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(reg()));
        edit(box)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit(box));
        QTest::keyClick(edit(box), Qt::Key_F2);
        QTEST(edit(box)->text(), "expected");
        for (const QString &name : BoxNames) {
            if (name != box)
                QCOMPARE(edit(name)->text(), u"prima"_s);
        }
        QCOMPARE(QApplication::focusWidget(), edit(box));
    }

    // Every way of replacing or leaving a changed card asks first: No keeps everything as it was,
    // Yes goes on as without the question.
    void unsavedCardAsked_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("after"); // the position after Yes; "menu": the start menu is shown
        const QList<std::pair<QString, QString>> ways = { { u"btnEsci"_s, u"menu"_s }, { u"close"_s, u"menu"_s },
            { u"btnNuovo"_s, QString() }, { u"cmdPrimo"_s, u"1"_s }, { u"cmdIndietro"_s, u"1"_s },
            { u"cmdAvanti"_s, u"3"_s }, { u"cmdUltimo"_s, u"3"_s }, { u"btnNonUsciti"_s, u"3"_s },
            { u"btnEntratiOggi"_s, u"3"_s }, { u"btnUscitiOggi"_s, u"1"_s }, { u"btnTrova"_s, u"1"_s } };
        for (const auto &[way, after] : ways) {
            QTest::newRow(qPrintable(way + u": No"_s)) << way << false << after;
            QTest::newRow(qPrintable(way + u": Sì"_s)) << way << true << after;
        }
    }
    void unsavedCardAsked()
    {
        QFETCH(QString, way);
        QFETCH(bool, yes);
        QFETCH(QString, after);
        const QList<TSchedaVisita> cards = questionCards();
        reg()->loadCard(cards.at(1), 2);
        edit(u"txtNote"_s)->end(false);
        QTest::keyClicks(edit(u"txtNote"_s), u" e altro"_s);
        const TSchedaVisita changed = reg()->currentCard();
        QCOMPARE(changed.Note, cards.at(1).Note + u" e altro"_s);

        m_app->messages.answers = { yes };
        leaveBy(way);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_app->messages.lastText(), Unsaved);
        if (!yes) {
            QVERIFY(reg()->isVisible());
            QCOMPARE(reg()->currentCard(), changed);
            QCOMPARE(position(), u"2"_s);
        } else if (after == u"menu"_s) {
            QTRY_VERIFY(Windows().avvio()->isVisible());
            QVERIFY(!reg()->isVisible());
        } else {
            QCOMPARE(position(), after);
            QCOMPARE(reg()->currentCard().Cognome, after.isEmpty() ? QString() : cards.at(after.toInt() - 1).Cognome);
        }
    }

    // A card just loaded, saved or started asks nothing when it is left, even with dates and times
    // written otherwise than they are stored; an import into the card asks nothing either.
    void noQuestionForAnUnchangedCard_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("messages"); // what the state itself showed
        QTest::newRow("loaded") << u"loaded"_s << 0;
        QTest::newRow("loaded, stored with a short date and time") << u"short"_s << 0;
        QTest::newRow("new") << u"new"_s << 0;
        QTest::newRow("new, today typed otherwise") << u"today typed"_s << 0;
        QTest::newRow("changed, then saved") << u"saved"_s << 1;
        QTest::newRow("changed, then the change undone") << u"undone"_s << 0;
    }
    void noQuestionForAnUnchangedCard()
    {
        QFETCH(QString, state);
        QFETCH(int, messages);
        const QList<TSchedaVisita> cards = questionCards();
        if (state == u"short"_s) {
            TSchedaVisita card = cards.at(1);
            card.DataEnt = u"2/3/26"_s;
            card.OraEnt = u"9.30"_s;
            reg()->loadCard(card, 2);
        } else if (state == u"new"_s || state == u"today typed"_s) {
            reg()->loadCard(cards.at(1), 2);
            click(u"btnNuovo"_s);
            if (state == u"today typed"_s) {
                edit(u"txtDataEnt"_s)->setText(u" 7/3"_s);
                edit(u"txtOraEnt"_s)->setText(u"9.05"_s);
            }
        } else {
            reg()->loadCard(cards.at(2), 3);
            if (state == u"saved"_s || state == u"undone"_s)
                QTest::keyClicks(edit(u"txtNote"_s), u"x"_s);
            if (state == u"saved"_s)
                click(u"btnSalva"_s);
            if (state == u"undone"_s)
                QTest::keyClick(edit(u"txtNote"_s), Qt::Key_Backspace);
        }
        QCOMPARE(m_app->messages.count(), messages);
        for (const QString &way : { u"cmdUltimo"_s, u"btnEsci"_s })
            click(way);
        QCOMPARE(m_app->messages.count(), messages);
        QTRY_VERIFY(Windows().avvio()->isVisible());
    }

    // The card on screen was saved, then the file emptied (a new year file put in its place): after
    // any arrow, Salva inserts the card instead of failing on a position the file no longer has.
    void saveAfterArrowOnEmptiedFileInserts_data()
    {
        QTest::addColumn<QString>("arrow");
        for (const QString &arrow : { u"cmdPrimo"_s, u"cmdIndietro"_s, u"cmdAvanti"_s, u"cmdUltimo"_s })
            QTest::newRow(qPrintable(arrow)) << arrow;
    }

    void saveAfterArrowOnEmptiedFileInserts()
    {
        QFETCH(QString, arrow);
        TSchedaVisita card = sampleCard(3);
        card.DataUsc.clear(); // the visitor is still inside: the card passes the save checks
        card.OraUsc.clear();
        writeCards(3);
        reg()->loadCard(card, 3);
        writeCards(0);

        click(arrow);
        QCOMPARE(m_app->messages.lastText(), EmptyArchive);
        QCOMPARE(position(), QString());

        click(u"btnSalva"_s);
        QCOMPARE(m_app->messages.count(), 2);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(), u"La scheda corrente è stata inserita in archivio."_s);
        QCOMPARE(position(), u"1"_s);
        QCOMPARE(fileBytes(), card.toBytes());
    }

    void loadCardFillsSixteenBoxesAndPosition()
    {
        TSchedaVisita card = sampleCard(5);
        card.Note = u"  note  "_s;
        reg()->loadCard(card, 7);
        QCOMPARE(position(), u"7"_s);
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
            if (i != int(VisitField::Note))
                QCOMPARE(edit(BoxNames.at(i))->text(), card.field(i));
        }
        QCOMPARE(edit(u"txtNote"_s)->text(), u"note"_s);
    }

    // Any failure of the file ends the action with the one message; the screen keeps what it had.
    void accessFailure_data()
    {
        QTest::addColumn<QString>("file"); // what lblFile names
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("button");
        const QStringList buttons = { u"btnSalva"_s, u"cmdPrimo"_s, u"cmdUltimo"_s, u"cmdAvanti"_s, u"cmdIndietro"_s };
        for (const QString &button : buttons) {
            QTest::addRow("missing folder, %s", qPrintable(button)) << u"missing"_s << u"2"_s << button;
            QTest::addRow("a folder, %s", qPrintable(button)) << u"folder"_s << QString() << button;
        }
        QTest::newRow("label past the last card, btnSalva") << u"one card"_s << u"2"_s << u"btnSalva"_s;
    }

    void accessFailure()
    {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        QString path = yearFile();
        if (file == u"missing"_s)
            path = m_app->file(u"manca/2026.vis"_s);
        else if (file == u"folder"_s)
            QVERIFY(QDir().mkpath(path));
        else
            writeCards(1);
        reg()->setYearFile(path);
        TSchedaVisita card = sampleCard(2);
        card.DataUsc = u"08/03/2026"_s; // passes the checks, so the save reaches the file
        if (shown.isEmpty())
            setBoxes(card);
        else
            reg()->loadCard(card, shown.toInt());

        click(button);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessFailure);
        QCOMPARE(reg()->currentCard(), card);
        QCOMPARE(position(), shown);
        if (file == u"one card"_s)
            QCOMPARE(fileBytes(), sampleCard(1).toBytes());
        QVERIFY(!QFile::exists(m_app->file(u"manca"_s)));
    }

    // The exit recorded in one scan, as a reader types the receipt's code and Enter: the card rewritten
    // in place with today's date and the minute, or a notice and the file untouched.
    void quickExit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // the position on screen afterwards
        QTest::addColumn<bool>("written");

        const QString recorded = u"Uscita registrata: Rossi2 c2f4 alle ore 09:05."_s;
        const QString unknown = u"Attenzione: codice non riconosciuto."_s;
        QTest::newRow("receipt code") << u"PV:2026:2"_s << MessageKind::Information << recorded << u"2"_s << true;
        QTest::newRow("lower case, blanks")
            << u"  pv:2026:2 "_s << MessageKind::Information << recorded << u"2"_s << true;
        QTest::newRow("number alone") << u"2"_s << MessageKind::Information << recorded << u"2"_s << true;
        QTest::newRow("another year") << u"PV:2025:2"_s << MessageKind::Notice
                                      << u"Attenzione: la ricevuta appartiene all'archivio 2025."_s << QString()
                                      << false;
        QTest::newRow("past the last card")
            << u"PV:2026:4"_s << MessageKind::Notice << u"Attenzione: la scheda n. 4 non esiste in archivio."_s
            << QString() << false;
        QTest::newRow("zero") << u"0"_s << MessageKind::Notice
                              << u"Attenzione: la scheda n. 0 non esiste in archivio."_s << QString() << false;
        QTest::newRow("beyond any number")
            << u"99999999999999999999"_s << MessageKind::Notice
            << u"Attenzione: la scheda n. 99999999999999999999 non esiste in archivio."_s << QString() << false;
        QTest::newRow("already closed")
            << u"PV:2026:1"_s << MessageKind::Notice
            << u"La visita di Rossi1 c1f4 risulta già chiusa il 06/03/2026 alle ore 18:01."_s << u"1"_s << false;
        for (const QString &other : { u"PV:26:2"_s, u"PV:2026:"_s, u"PV 2026 2"_s, u"2a"_s, u"-2"_s, QString() })
            QTest::addRow("not a code: '%s'", qPrintable(other))
                << other << MessageKind::Notice << unknown << QString() << false;
    }

    void quickExit()
    {
        QFETCH(QString, typed);
        QFETCH(MessageKind, kind);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(bool, written);
        QList<TSchedaVisita> cards = { sampleCard(1), sampleCard(2), sampleCard(3) };
        cards[0].DataUsc = u"06/03/2026"_s;
        cards[1].DataUsc = u" "_s; // a blank exit, as an older copy may store it
        cards[1].OraUsc.clear();
        QFile file(yearFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const TSchedaVisita &card : std::as_const(cards))
            file.write(card.toBytes());
        file.close();
        const QByteArray before = fileBytes();

        QLineEdit *quick = edit(u"txtUscitaRapida"_s);
        QCOMPARE(reg()->findChild<HintLine *>()->hint(quick),
            u"Leggere il codice della ricevuta, oppure scrivere il numero della scheda, e premere Invio per "
            u"registrare l'uscita."_s);
        quick->setFocus();
        QTest::keyClicks(quick, typed);
        QTest::keyClick(quick, Qt::Key_Return);

        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), kind);
        QCOMPARE(m_app->messages.lastText(), message);
        QCOMPARE(position(), shown);
        QVERIFY(quick->text().isEmpty());
        QVERIFY(quick->hasFocus());
        TSchedaVisita closed = cards[1];
        closed.DataUsc = u"07/03/2026"_s;
        closed.OraUsc = u"09:05"_s;
        QCOMPARE(fileBytes(), written ? QByteArray(before).replace(792, 792, closed.toBytes()) : before);
        if (!shown.isEmpty()) {
            const TSchedaVisita &onScreen = written ? closed : cards[0];
            QCOMPARE(TrimmedText(edit(u"txtCognome"_s)), onScreen.Cognome);
            QCOMPARE(TrimmedText(edit(u"txtDataUsc"_s)), onScreen.DataUsc);
            QCOMPARE(TrimmedText(edit(u"txtOraUsc"_s)), onScreen.OraUsc);
        }
    }

    // A card being typed is not thrown away by a scan: the exit is recorded, the typed card stays
    // unless the operator lets it go; an unreadable file gets the access message.
    void quickExitKeepsTheTypedCard()
    {
        writeCards(2);
        QFile file(yearFile());
        QVERIFY(file.open(QIODevice::ReadWrite));
        TSchedaVisita open = sampleCard(2);
        open.DataUsc.clear();
        QVERIFY(file.seek(792));
        file.write(open.toBytes());
        file.close();
        edit(u"txtCognome"_s)->setText(u"Nuovo"_s);
        Session::logIn(u"Anna Neri"_s, OperatorRole::Operatore); // the exit takes the operator's name
        m_app->messages.answers = { false };
        QTest::keyClicks(edit(u"txtUscitaRapida"_s), u"2"_s);
        QTest::keyClick(edit(u"txtUscitaRapida"_s), Qt::Key_Return);
        QCOMPARE(m_app->messages.count(), 2);
        QCOMPARE(m_app->messages.messages.first().text, Unsaved);
        QCOMPARE(TrimmedText(edit(u"txtCognome"_s)), u"Nuovo"_s);
        QCOMPARE(position(), QString());
        VisitFile stored;
        stored.open(yearFile(), VisitFile::Access::Read);
        QCOMPARE(stored.readAt(2).DataUsc, u"07/03/2026"_s);
        QCOMPARE(stored.readAt(2).OperatoreUsc, u"Anna Neri"_s);
        stored.close();

        // A year with no file yet has no card to close, and is not made by the scan.
        QVERIFY(QFile::remove(yearFile()));
        QTest::keyClicks(edit(u"txtUscitaRapida"_s), u"1"_s);
        QTest::keyClick(edit(u"txtUscitaRapida"_s), Qt::Key_Return);
        QCOMPARE(m_app->messages.lastText(), u"Attenzione: la scheda n. 1 non esiste in archivio."_s);
        QVERIFY(!QFile::exists(yearFile()));

        QVERIFY(QDir().mkpath(yearFile()));
        QTest::keyClicks(edit(u"txtUscitaRapida"_s), u"PV:2026:1"_s);
        QTest::keyClick(edit(u"txtUscitaRapida"_s), Qt::Key_Return);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessFailure);
    }

    // The lists, the receipt and the checks open as modal dialogs owned by the editor; the fiscal
    // code image hands the trimmed code to the VAT check when it is all digits.
    void dialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("codFisc");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::newRow("not yet out") << u"btnNonUsciti"_s << QString() << u"TfrmNonUsciti"_s << QString() << QString();
        QTest::newRow("entered today") << u"btnEntratiOggi"_s << QString() << u"TfrmEntratiOggi"_s << QString()
                                       << QString();
        QTest::newRow("exited today") << u"btnUscitiOggi"_s << QString() << u"TfrmUscitiOggi"_s << QString()
                                      << QString();
        QTest::newRow("receipt") << u"btnStampa"_s << QString() << u"TfrmStampaVisita"_s << QString() << QString();
        QTest::newRow("fiscal code") << u"impCodFisc"_s << u"bnclra80a41h501d"_s << u"TfrmCodFisc"_s << u"txtCodFisc"_s
                                     << u"BNCLRA80A41H501D"_s;
        QTest::newRow("digits go to the VAT check")
            << u"impCodFisc"_s << u" 12345670587"_s << u"TfrmPartitaIva"_s << u"txtPartitaIva"_s << u"12345670587"_s;
        QTest::newRow("empty goes to the fiscal code check")
            << u"impCodFisc"_s << QString() << u"TfrmCodFisc"_s << u"txtCodFisc"_s << QString();
        QTest::newRow("digits and a letter")
            << u"impCodFisc"_s << u"1234567058X"_s << u"TfrmCodFisc"_s << u"txtCodFisc"_s << u"1234567058X"_s;
    }

    void dialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, codFisc);
        QFETCH(QString, box);
        edit(u"txtCodFisc"_s)->setText(codFisc);
        QString opened;
        QString shown;
        QWidget *owner = nullptr;
        WhenModalShown([&](QDialog *dialog) {
            opened = dialog->objectName();
            owner = dialog->parentWidget();
            if (!box.isEmpty())
                shown = dialog->findChild<QLineEdit *>(box)->text();
            if (auto *own = qobject_cast<Dialog *>(dialog))
                own->closeDialog();
            else
                dialog->reject();
        });
        click(button);
        QTEST(opened, "dialog");
        QCOMPARE(owner, reg());
        QTEST(shown, "value");
        QVERIFY(reg()->isVisible());
        QCOMPARE(edit(u"txtCodFisc"_s)->text(), codFisc); // the checks write nothing back
    }

    // The receipt prints the card on screen, each value trimmed, on both copies.
    void receiptPrintsTheCardOnScreen()
    {
        QStringList values;
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
            values.append(u"v%1"_s.arg(i));
            edit(BoxNames.at(i))->setText(u"\t"_s + values.last() + u" "_s);
        }
        const QString pdf = m_app->file(u"ricevuta.pdf"_s);
        PdfPrinting printing(pdf);
        WhenModalShown([](QDialog *dialog) {
            if (auto *receipt = qobject_cast<TfrmStampaVisita *>(dialog))
                receipt->findChild<QPushButton *>(u"btnStampa"_s)->click();
            else
                dialog->reject();
        });
        click(u"btnStampa"_s);
        QCOMPARE(printing.dialogs, 1);
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QCOMPARE(pages.size(), 1);

        // Down the sheet: the sixteen values of the upper copy, then those of the lower one, every
        // one starting at the same left edge, as only a trimmed value does.
        QList<PdfWord> printed;
        for (const QString &value : values)
            printed += pages.first().wordsEqual(value);
        std::sort(printed.begin(), printed.end(),
            [](const PdfWord &a, const PdfWord &b) { return a.box.top() < b.box.top(); });
        QStringList order;
        for (const PdfWord &word : printed) {
            order.append(word.text);
            QVERIFY(qAbs(word.box.left() - printed.first().box.left()) < 0.5);
        }
        QCOMPARE(order, values + values);
    }
};

QTEST_MAIN(TestRegistro)
#include "TestRegistro.moc"
