#include "AppFixture.h"
#include "ClientCards.h"
#include "MessageRecorder.h"
#include "TestPrinting.h"

#include "clients/Anagrafica.h"
#include "clients/ClientSearch.h"
#include "clients/TrovaClienti.h"
#include "storage/ClientFile.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<SearchMode>)

namespace {

using F = ClientField;

// Cards 2 and 4 give the same line: they differ only in their e-mail, which the line leaves out.
QList<TSchedaAnagrafica> fixture()
{
    const auto card = [](const QString &cognome, const QString &nome, const QString &zona, const QString &email) {
        return ClientRecord({ { F::Cognome, cognome }, { F::Nome, nome }, { F::Zona, zona },
            { F::Recapito, u"02 1234"_s }, { F::Email, email } });
    };
    return { card(u"Rossi"_s, u"Mario"_s, u"Milano"_s, u"uno@example.it"_s),
        card(u"rossi"_s, u"luigi"_s, u"Milano Nord"_s, u"due@example.it"_s),
        card(u"De Rossi"_s, u"Anna"_s, u"Roma"_s, u"tre@example.it"_s),
        card(u"rossi"_s, u"luigi"_s, u"Milano Nord"_s, u"quattro@example.it"_s),
        card(u"Bianchi"_s, u"Anna Maria"_s, u"Milano"_s, u"cinque@example.it"_s) };
}

using Typed = QList<std::pair<QString, QString>>;

const QStringList BoxNames { u"txtCognome"_s, u"txtNome"_s, u"txtCodice"_s, u"txtCategoria"_s, u"txtCodFisc"_s,
    u"txtIva"_s, u"txtZona"_s, u"txtProdotti"_s, u"txtAcquisto"_s, u"txtNote"_s };

} // namespace

class TestTrovaClienti : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    std::unique_ptr<TfrmTrovaClienti> m_dlg;

    template<typename T> T *child(const QString &name) const
    {
        T *found = m_dlg->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    ListBox *list() const { return child<ListBox>(u"lstRecords"_s); }

    void open(std::optional<SearchMode> mode = SearchMode::Clienti)
    {
        m_dlg = std::make_unique<TfrmTrovaClienti>(Windows().anagrafica());
        if (mode)
            m_dlg->setMode(*mode);
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
    }
    void search(std::initializer_list<std::pair<QString, QString>> typed)
    {
        for (const auto &[box, text] : typed)
            child<QLineEdit>(box)->setText(text);
        child<QPushButton>(u"btnCerca"_s)->click();
    }
    void doubleClickRow(int row)
    {
        ListBox *box = list();
        const QRect r = box->visualRect(box->model()->index(row, 0));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, r.center());
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2024, 5, 10), QTime(9, 0)));
        AppendClients(fixture());
    }
    void cleanup()
    {
        m_dlg.reset();
        m_app.reset();
    }

    void criteriaPanel_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QPoint>("at");

        const QStringList labels { u"Cognome:"_s, u"Nome:"_s, u"Codice Cliente:"_s, u"Categoria:"_s,
            u"Codice fiscale:"_s, u"Partita IVA:"_s, u"Zona di appartenenza:"_s, u"Prodotti e servizi di interesse:"_s,
            u"Acquisto rateale effettuato:"_s, u"Note:"_s };
        const int rows[] = { 141, 211, 281, 351, 421 };
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(BoxNames.at(i))) << i << labels.at(i) << QPoint(i % 2 ? 488 : 144, rows[i / 2]);
    }
    void criteriaPanel()
    {
        QFETCH(int, box);
        QFETCH(QString, label);
        QFETCH(QPoint, at);

        open();
        const QString field = BoxNames.at(box).mid(3);
        auto *edit = child<QLineEdit>(BoxNames.at(box));
        QCOMPARE(edit->geometry(), QRect(at, QSize(320, 26)));
        QCOMPARE(edit->parentWidget()->objectName(), u"panAvvio"_s);
        auto *caption = child<QLabel>(u"lbl"_s + field);
        QCOMPARE(caption->text(), label);
        QVERIFY(caption->geometry().bottom() < edit->geometry().top());
        QCOMPARE(caption->x(), at.x());
        QCOMPARE(child<QWidget>(u"eff"_s + field)->geometry(), edit->geometry().adjusted(-4, -4, 4, 4));
    }

    void openingState()
    {
        open();
        QCOMPARE(m_dlg->windowTitle(), u" Trova Visitatori in archivio"_s);
        QCOMPARE(m_dlg->size(), QSize(862, 560));
        QVERIFY(child<QWidget>(u"panAvvio"_s)->isVisible());
        QVERIFY(!child<QWidget>(u"panContainer"_s)->isVisible());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(u"txtCognome"_s));
        QVERIFY(child<QWidget>(u"effCognome"_s)->isVisible());
        QCOMPARE(child<QPushButton>(u"btnAnnulla"_s)->text(), u"Chiudi"_s);
        QCOMPARE(child<QPushButton>(u"btnCerca"_s)->text(), u"Cerca"_s);
        QCOMPARE(child<QLabel>(u"lblRigo04"_s)->text(),
            u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e premere "
            u"il pulsante Cerca."_s);
        QCOMPARE(child<QLabel>(u"lblRigo05"_s)->text(), u"Lasciare in bianco tutti gli altri campi."_s);
        QCOMPARE(child<QLabel>(u"lblRigo06"_s)->text(),
            u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."_s);
        QVERIFY(!child<QLabel>(u"lblAttendere"_s)->isVisible());
        QVERIFY(!child<QLabel>(u"lblMemory"_s)->isVisible());
        QCOMPARE(child<QLabel>(u"lblMemory"_s)->text(), u"clienti"_s);
    }

    void enterCyclesThroughTheBoxes()
    {
        open();
        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const QString name = QApplication::focusWidget()->objectName();
            visited.append(name);
            // Only the box with the focus shows its frame.
            for (const QString &box : BoxNames)
                QCOMPARE(child<QWidget>(u"eff"_s + box.mid(3))->isVisible(), box == name);
        }
        QCOMPARE(visited, BoxNames.mid(1) + QStringList { u"txtCognome"_s });
    }

    void waitingLineShowsFromThePressOnCerca()
    {
        open();
        auto *lblAttendere = child<QLabel>(u"lblAttendere"_s);
        QTest::mousePress(child<QPushButton>(u"btnCerca"_s), Qt::LeftButton);
        QVERIFY(lblAttendere->isVisible());
        QCOMPARE(lblAttendere->text(), u"Ricerca schede in corso. Attendere..."_s);
        QTest::mouseRelease(child<QPushButton>(u"btnCerca"_s), Qt::LeftButton);
        QVERIFY(child<QWidget>(u"panContainer"_s)->isVisible());
        child<QPushButton>(u"btnChiudi"_s)->click();
        QVERIFY(lblAttendere->isHidden());
    }

    void results_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QList<int>>("shown"); // positions in displayed order
        QTest::addColumn<QString>("filled");

        // Sorted by the whole line, a to z in either case: luigi before Mario.
        QTest::newRow("no box filled") << Typed {} << QList<int> { 5, 3, 2, 4, 1 } << u"0"_s;
        QTest::newRow("surname and zone")
            << Typed { { u"txtCognome"_s, u"ross"_s }, { u"txtZona"_s, u"MI"_s } } << QList<int> { 2, 4, 1 } << u"2"_s;
        QTest::newRow("blank first name counts for nothing")
            << Typed { { u"txtCognome"_s, u"ross"_s }, { u"txtNome"_s, u" "_s } } << QList<int> { 3, 2, 4, 1 }
            << u"1"_s;
        QTest::newRow("nothing found") << Typed { { u"txtNote"_s, u"x"_s } } << QList<int> {} << u"1"_s;
    }
    void results()
    {
        QFETCH(Typed, typed);
        QFETCH(QList<int>, shown);
        QFETCH(QString, filled);

        MessageRecorder messages;
        open();
        for (const auto &[box, text] : typed)
            child<QLineEdit>(box)->setText(text);
        QTest::mouseClick(child<QPushButton>(u"btnCerca"_s), Qt::LeftButton);

        QVERIFY(!child<QWidget>(u"panAvvio"_s)->isVisible());
        QVERIFY(child<QWidget>(u"panContainer"_s)->isVisible());
        QStringList expected;
        const QList<TSchedaAnagrafica> cards = fixture();
        for (const int p : shown)
            expected.append(ClientSearchLine(cards.at(p - 1)));
        QCOMPARE(list()->lines(), expected);
        QCOMPARE(child<QLabel>(u"lblConta"_s)->text(), filled);
        QCOMPARE(child<QLabel>(u"lblTrovate"_s)->text(),
            u"Il presente riepilogo contiene "_s + QString::number(shown.size()) + u" schede."_s);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(u"txtTrova"_s));
        QCOMPARE(messages.count(), 0);
    }

    void missingRegistryIsCreatedAndListsNothing()
    {
        QVERIFY(QFile::remove(ClientFilePath()));
        MessageRecorder messages;
        open();
        search({});
        QCOMPARE(QFileInfo(ClientFilePath()).size(), 0);
        QCOMPARE(list()->count(), 0);
        QCOMPARE(child<QLabel>(u"lblTrovate"_s)->text(), u"Il presente riepilogo contiene 0 schede."_s);
        child<QPushButton>(u"btnTrova"_s)->click();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.lastKind(), MessageKind::Notice);
        QCOMPARE(messages.lastText(), u"Ricerca non applicabile: la lista non contiene nessuna voce."_s);
    }

    void unreadableRegistryKeepsTheCriteria()
    {
        QVERIFY(QFile::remove(ClientFilePath()));
        QVERIFY(QDir().mkdir(ClientFilePath()));
        MessageRecorder messages;
        open();
        QTest::mousePress(child<QPushButton>(u"btnCerca"_s), Qt::LeftButton);
        child<QLineEdit>(u"txtCognome"_s)->setText(u" ross"_s);
        QTest::mouseRelease(child<QPushButton>(u"btnCerca"_s), Qt::LeftButton);

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.lastKind(), MessageKind::Notice);
        QCOMPARE(messages.lastText(),
            u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
            u"privilegi di scrittura nella cartella di installazione del programma."_s);
        QVERIFY(child<QWidget>(u"panAvvio"_s)->isVisible());
        QVERIFY(!child<QWidget>(u"panContainer"_s)->isVisible());
        QCOMPARE(child<QLineEdit>(u"txtCognome"_s)->text(), u" ross"_s);
        QVERIFY(!child<QLabel>(u"lblAttendere"_s)->isVisible());
        QVERIFY(m_dlg->isVisible());

        // Once the registry can be read again, the same criteria search it.
        QVERIFY(QDir().rmdir(ClientFilePath()));
        AppendClients(fixture());
        child<QPushButton>(u"btnCerca"_s)->click();
        QCOMPARE(list()->count(), 1);
    }

    void handOver_data()
    {
        QTest::addColumn<std::optional<SearchMode>>("mode");
        QTest::addColumn<int>("row"); // -1: no line selected
        QTest::addColumn<int>("position"); // 0: nothing handed over
        QTest::addColumn<QString>("email");

        // Rows 2 and 3 are the equal lines of cards 2 and 4: each hands over its own card.
        using M = std::optional<SearchMode>;
        QTest::newRow("first of two equal lines") << M(SearchMode::Clienti) << 2 << 2 << u"due@example.it"_s;
        QTest::newRow("second of two equal lines") << M(SearchMode::Clienti) << 3 << 4 << u"quattro@example.it"_s;
        QTest::newRow("visitor") << M(SearchMode::Visitatore) << 4 << 1 << u"uno@example.it"_s;
        QTest::newRow("entry operator") << M(SearchMode::OperatoreEnt) << 0 << 5 << u"cinque@example.it"_s;
        QTest::newRow("exit operator") << M(SearchMode::OperatoreUsc) << 1 << 3 << u"tre@example.it"_s;
        QTest::newRow("the visit search's mode") << M(SearchMode::Registro) << 1 << 0 << QString();
        QTest::newRow("no mode") << M() << 1 << 0 << QString();
        QTest::newRow("no line selected") << M(SearchMode::Clienti) << -1 << 0 << QString();
    }
    void handOver()
    {
        QFETCH(std::optional<SearchMode>, mode);
        QFETCH(int, row);
        QFETCH(int, position);
        QFETCH(QString, email);

        open(mode);
        search({});
        QCOMPARE(list()->count(), 5);
        QCOMPARE(list()->lines().at(2), list()->lines().at(3));
        if (row >= 0) {
            doubleClickRow(row);
        } else {
            const QRect r = list()->visualRect(list()->model()->index(4, 0));
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r.bottomLeft() + QPoint(2, 40));
        }
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(list()->count(), 0);
        QCOMPARE(HandedOverMismatch(m_dlg->chosenCard(), position, email), QString());
    }

    void enterOnALineHandsItOver()
    {
        open();
        search({ { u"txtCognome"_s, u"rossi"_s } });
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(m_dlg->isVisible()); // no line selected yet: Enter does nothing

        list()->selectRow(2);
        QTest::keyClick(list(), Qt::Key_Enter);
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(m_dlg->chosenCard());
        QCOMPARE(m_dlg->chosenCard()->position, 4);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("searchFirst");
        QTest::addColumn<QString>("button");

        QTest::newRow("Chiudi of the criteria") << false << u"btnAnnulla"_s;
        QTest::newRow("Chiudi of the results") << true << u"btnChiudi"_s;
    }
    void closing()
    {
        QFETCH(bool, searchFirst);
        QFETCH(QString, button);

        open();
        if (searchFirst)
            search({});
        child<QPushButton>(button)->click();
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(!m_dlg->chosenCard());
    }

    void printing()
    {
        open();
        search({ { u"txtCognome"_s, u"ross"_s } });
        const QStringList lines = list()->lines();
        QCOMPARE(lines.size(), 4);
        const QString pdfPath = m_app->file(u"clienti.pdf"_s);
        PdfPrinting pdf(pdfPath);
        child<QPushButton>(u"btnStampa"_s)->click();
        QCOMPARE(pdf.dialogs, 1);

        // pdftotext spaces the columns its own way: compare with runs of blanks collapsed.
        QCOMPARE(
            PrintedListMismatch(pdfPath, u"Riepilogo Visitatori in archivio"_s, lines, u"10/05/2024"_s), QString());
        QVERIFY(m_dlg->isVisible());
    }
};

QTEST_MAIN(TestTrovaClienti)
#include "TestTrovaClienti.moc"
