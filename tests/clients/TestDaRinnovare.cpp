#include "AppFixture.h"
#include "ClientCards.h"
#include "MessageRecorder.h"
#include "TestPrinting.h"

#include "clients/Anagrafica.h"
#include "clients/DaRinnovare.h"
#include "clients/InstalmentsDue.h"
#include "widgets/ListBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

using F = ClientField;

TSchedaAnagrafica card(const QString &cognome, const QString &scadenza, const QString &preavviso, const QString &email)
{
    return ClientRecord(
        { { F::Cognome, cognome }, { F::Nome, u"Anna"_s }, { F::Recapito, u"0382 1"_s }, { F::Scadenza, scadenza },
            { F::Preavviso, preavviso }, { F::Rata, u"50,00"_s }, { F::Acquisto, u"Auto"_s }, { F::Email, email } });
}

// Seen on 10/05/2024: cards 2, 4 and 6 are due; 4 and 6 give the same line; card 1 cannot be read.
QList<TSchedaAnagrafica> fixture()
{
    return { card(u"Zeta"_s, u"32/13/2024"_s, u"0"_s, u"uno@example.it"_s),
        card(u"Rossi"_s, u"20/05/2024"_s, u"10"_s, u"due@example.it"_s),
        card(u"Verdi"_s, u"20/05/2024"_s, u"9"_s, u"tre@example.it"_s),
        card(u"bianchi"_s, u"01/01/2024"_s, u"0"_s, u"quattro@example.it"_s),
        card(u"Neri"_s, u"01/06/2024"_s, u"0"_s, u"cinque@example.it"_s),
        card(u"bianchi"_s, u"01/01/2024"_s, u"0"_s, u"sei@example.it"_s) };
}

} // namespace

class TestDaRinnovare : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;
    std::unique_ptr<TfrmDaRinnovare> m_dlg;

    ListBox *list() const { return m_dlg->findChild<ListBox *>(u"lstRecords"_s); }
    void open()
    {
        m_dlg = std::make_unique<TfrmDaRinnovare>(Windows().anagrafica());
        m_dlg->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
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

    void listsTheCardsDue()
    {
        open();
        QCOMPARE(m_dlg->windowTitle(), u" Riepilogo rate in scadenza o scadute"_s);
        QCOMPARE(m_dlg->findChild<QWidget *>(u"imgLogo"_s)->accessibleName(), u"RATE IN SCADENZA O SCADUTE"_s);
        const QList<TSchedaAnagrafica> cards = fixture();
        // Sorted a to z in either case: bianchi before Rossi.
        QCOMPARE(list()->lines(),
            (QStringList {
                InstalmentDueLine(cards.at(3)), InstalmentDueLine(cards.at(5)), InstalmentDueLine(cards.at(1)) }));
        QCOMPARE(list()->lines().at(2),
            u"Rossi Anna                      Tel. 0382 1        Scad. 20/05/2024  Rata: € 50,00          "
            u"  Acquisto: Auto"_s);
        QCOMPARE(list()->selectedRow(), -1);
        QCOMPARE(QApplication::focusWidget(), m_dlg->findChild<QLineEdit *>(u"txtTrova"_s));
    }

    void handOver_data()
    {
        QTest::addColumn<int>("row"); // -1: no line selected
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<int>("position"); // 0: nothing handed over
        QTest::addColumn<QString>("email");

        QTest::newRow("first of two equal lines") << 0 << false << 4 << u"quattro@example.it"_s;
        QTest::newRow("second of two equal lines") << 1 << false << 6 << u"sei@example.it"_s;
        QTest::newRow("Enter on a line") << 1 << true << 6 << u"sei@example.it"_s;
        QTest::newRow("Enter on the last line") << 2 << true << 2 << u"due@example.it"_s;
        QTest::newRow("no line selected") << -1 << false << 0 << QString();
    }
    void handOver()
    {
        QFETCH(int, row);
        QFETCH(bool, byEnter);
        QFETCH(int, position);
        QFETCH(QString, email);

        open();
        QCOMPARE(list()->count(), 3);
        QCOMPARE(list()->lines().at(0), list()->lines().at(1));
        if (row >= 0)
            list()->selectRow(row);
        if (byEnter) {
            list()->setFocus();
            QTest::keyClick(list(), Qt::Key_Return);
        } else {
            const QRect r = list()->visualRect(list()->model()->index(std::max(row, 0), 0));
            QTest::mouseDClick(
                list()->viewport(), Qt::LeftButton, {}, row >= 0 ? r.center() : r.bottomLeft() + QPoint(2, 90));
        }
        QVERIFY(!m_dlg->isVisible());
        QCOMPARE(list()->count(), 0);
        QCOMPARE(HandedOverMismatch(m_dlg->chosenCard(), position, email), QString());
    }

    void trovaAndPrinting()
    {
        MessageRecorder messages;
        open();
        auto *txtTrova = m_dlg->findChild<QLineEdit *>(u"txtTrova"_s);
        txtTrova->setText(u"ROSSI"_s);
        m_dlg->findChild<QPushButton *>(u"btnTrova"_s)->click();
        QCOMPARE(list()->selectedRow(), 2);

        const QStringList lines = list()->lines();
        const QString pdfPath = m_app->file(u"rate.pdf"_s);
        PdfPrinting pdf(pdfPath);
        m_dlg->findChild<QPushButton *>(u"btnStampa"_s)->click();
        QCOMPARE(pdf.dialogs, 1);
        QCOMPARE(
            PrintedListMismatch(pdfPath, u"Riepilogo rate in scadenza o scadute"_s, lines, u"10/05/2024"_s), QString());
        QCOMPARE(messages.count(), 0);

        m_dlg->findChild<QPushButton *>(u"btnChiudi"_s)->click();
        QVERIFY(!m_dlg->isVisible());
        QVERIFY(!m_dlg->chosenCard());
    }
};

QTEST_MAIN(TestDaRinnovare)
#include "TestDaRinnovare.moc"
