#include "AppFixture.h"
#include "ClientCards.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "clients/Anagrafica.h"
#include "storage/TSchedaVisita.h"
#include "visits/Registro.h"
#include "widgets/ClickableImage.h"
#include "widgets/Dialog.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

using C = ClientField;
using V = VisitField;

// Every field of a card names itself; the second card is the one the tests choose.
TSchedaAnagrafica clientCard(int n, const QString &cognome, const QString &scadenza)
{
    TSchedaAnagrafica card;
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i)
        card.field(i) = u"k%1f%2"_s.arg(n).arg(i).left(TSchedaAnagrafica::layout().capacity(i));
    card.Cognome = cognome;
    card.Nome = u"Anna Maria"_s;
    card.CodFisc = u"BNCNMR80A41H501X"_s;
    card.NumDoc.clear(); // an empty number empties the visit card's box
    card.Decorrenza = u"01/01/2026"_s;
    card.Scadenza = scadenza;
    card.Preavviso = u"0"_s;
    return card;
}

const QList<TSchedaAnagrafica> Registry = {
    clientCard(1, u"Verdi"_s, u"31/12/2026"_s), clientCard(2, u"Bianchi"_s, u"31/12/2026"_s),
    clientCard(3, u"Neri"_s, u"01/03/2026"_s), // the only instalment due on 7 March 2026
};

TSchedaVisita visitOnScreen()
{
    TSchedaVisita card;
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
        card.field(i) = u"v%1"_s.arg(i);
    card.DataEnt = u"07/03/2026"_s;
    return card;
}

// Double-clicks the first line of a list screen's result list.
void chooseFirstLine(QDialog *list)
{
    auto *box = list->findChild<ListBox *>(u"lstRecords"_s);
    QVERIFY(box && box->model()->rowCount() > 0);
    const QRect r = box->visualRect(box->model()->index(0, 0));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, r.center());
}

// Searches the open client search for the surname and double-clicks the first line found.
void chooseInSearch(QDialog *search, const QString &cognome)
{
    search->findChild<QLineEdit *>(u"txtCognome"_s)->setText(cognome);
    search->findChild<QPushButton *>(u"btnCerca"_s)->click();
    chooseFirstLine(search);
}

} // namespace

// The hand-overs of a chosen client card: the visit editor's three import images through the
// client search, by mode word, and the client editor's search and instalments-due list. Nothing is
// written to any file.
class TestVisitImport : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    QByteArray m_registry;

    static TfrmRegistro *reg() { return Windows().registro(); }
    QByteArray registryBytes() const
    {
        QFile file(m_app->file(u"Visitatori.pro"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5)));
        AppendClients(Registry);
        m_registry = registryBytes();
    }

    void cleanup()
    {
        QCOMPARE(registryBytes(), m_registry);
        QVERIFY(!QFile::exists(m_app->file(u"2026.vis"_s)));
        QCOMPARE(m_app->messages.count(), 0);
        m_app.reset();
    }

    // Each word fills exactly its boxes of the visit card, from the chosen card, and nothing else.
    void visitEditorImports_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("visitatore") << u"impVisitatore"_s << u"visitatore"_s
                                    << QList<int> { int(V::Cognome), int(V::Nome), int(V::CodFisc), int(V::TipoDoc),
                                           int(V::NumDoc), int(V::EnteRil), int(V::TelCel) }
                                    << QStringList { u"Bianchi"_s, u"Anna Maria"_s, u"BNCNMR80A41H501X"_s, u"k2f30"_s,
                                           QString(), u"k2f32"_s, u"k2f16"_s };
        QTest::newRow("operatore_ent") << u"impOperatoreEnt"_s << u"operatore_ent"_s
                                       << QList<int> { int(V::OperatoreEnt) }
                                       << QStringList { u"Bianchi Anna Maria"_s };
        QTest::newRow("operatore_usc") << u"impOperatoreUscita"_s << u"operatore_usc"_s
                                       << QList<int> { int(V::OperatoreUsc) }
                                       << QStringList { u"Bianchi Anna Maria"_s };
    }

    void visitEditorImports()
    {
        QFETCH(QString, image);
        QFETCH(QList<int>, fields);
        QFETCH(QStringList, texts);
        reg()->openYear(u"2026"_s);
        reg()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(reg()));
        const TSchedaVisita before = visitOnScreen();
        reg()->loadCard(before, 4);

        QString word;
        QWidget *owner = nullptr;
        WhenModalShown([&](QDialog *search) {
            owner = search->parentWidget();
            word = search->findChild<QLabel *>(u"lblMemory"_s)->text();
            chooseInSearch(search, u"Bianchi"_s);
        });
        ClickControl(reg(), image);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTEST(word, "word");
        QCOMPARE(owner, reg());

        TSchedaVisita expected = before;
        for (qsizetype i = 0; i < fields.size(); ++i)
            expected.field(fields.at(i)) = texts.at(i);
        QCOMPARE(reg()->currentCard(), expected);
        QCOMPARE(reg()->findChild<QLabel *>(u"lblPosizione"_s)->text(), u"4"_s);
    }

    // A search closed without a choice changes nothing.
    void closedWithoutAChoice()
    {
        reg()->openYear(u"2026"_s);
        reg()->showScreen();
        const TSchedaVisita before = visitOnScreen();
        reg()->loadCard(before, 4);
        WhenModalShown([](QDialog *search) { qobject_cast<Dialog *>(search)->closeDialog(); });
        ClickControl(reg(), u"impVisitatore"_s);
        QCOMPARE(reg()->currentCard(), before);
    }

    // The client editor loads the whole card chosen in the search or in the instalments due, with
    // its position, so that its next save overwrites that card.
    void clientEditorLoadsTheChosenCard_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("position");
        QTest::newRow("search, mode clienti") << u"cmdTrova"_s << 2;
        QTest::newRow("instalments due") << u"cmdScaduti"_s << 3;
    }

    void clientEditorLoadsTheChosenCard()
    {
        QFETCH(QString, image);
        QFETCH(int, position);
        TfrmAnagrafica *ana = Windows().anagrafica();
        ana->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(ana));
        WhenModalShown([](QDialog *list) {
            if (list->objectName() == u"TfrmTrovaClienti"_s)
                chooseInSearch(list, u"Bianchi"_s);
            else
                chooseFirstLine(list);
        });
        ClickControl(ana, image);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(ana->currentCard(), Registry.at(position - 1));
        QCOMPARE(ana->findChild<QLabel *>(u"lblPosizione"_s)->text(), QString::number(position));
    }
};

QTEST_MAIN(TestVisitImport)
#include "TestVisitImport.moc"
