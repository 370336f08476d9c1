#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "checks/Carta.h"
#include "checks/CodFisc.h"
#include "checks/Iban.h"
#include "checks/PartitaIva.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageKind)

namespace {

std::unique_ptr<CheckDialog> makeDialog(const QString &className)
{
    if (className == u"TfrmCodFisc")
        return std::make_unique<TfrmCodFisc>();
    if (className == u"TfrmPartitaIva")
        return std::make_unique<TfrmPartitaIva>();
    if (className == u"TfrmCarta")
        return std::make_unique<TfrmCarta>();
    return std::make_unique<TfrmIban>();
}

QString boxName(const QString &className)
{
    if (className == u"TfrmCodFisc")
        return u"txtCodFisc"_s;
    if (className == u"TfrmPartitaIva")
        return u"txtPartitaIva"_s;
    if (className == u"TfrmCarta")
        return u"txtNumero"_s;
    return u"txtIban"_s;
}

const QString VatErrato
    = u"Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
      u"fornire informazioni relative all'Ufficio IVA che lo ha rilasciato."_s;
const QString CardErrato = u"Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile fornire "
                           u"informazioni relative al tipo di carta di credito."_s;

} // namespace

class TestCheckDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lengthWarningKeepsDialogOpen_data();
    void lengthWarningKeepsDialogOpen();
    void outcomeShownThenClosed_data();
    void outcomeShownThenClosed();
    void chiudiClosesWithoutCheck_data();
    void chiudiClosesWithoutCheck();
    void typingRules_data();
    void typingRules();
};

void TestCheckDialogs::lengthWarningKeepsDialogOpen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("handedIn"); // prefilled by the editor instead of typed

    QTest::newRow("fiscal code of 15") << u"TfrmCodFisc"_s << u"BNCLRA80A41H501"_s
                                       << u"Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                                          u"alfanumerici."_s
                                       << false;
    QTest::newRow("VAT number of 10") << u"TfrmPartitaIva"_s << u"1234567058"_s
                                      << u"Attenzione: la partita IVA deve essere composta da 11 caratteri "
                                         u"numerici."_s
                                      << false;
    // Fifteen digits from a fiscal code box must not be cut to a valid-looking eleven.
    QTest::newRow("VAT number of 15 handed in") << u"TfrmPartitaIva"_s << u"123456705870000"_s
                                                << u"Attenzione: la partita IVA deve essere composta da 11 caratteri "
                                                   u"numerici."_s
                                                << true;
    QTest::newRow("card number empty") << u"TfrmCarta"_s << QString()
                                       << u"Attenzione: immettere il numero di carta di credito prima di premere il "
                                          u"pulsante di controllo."_s
                                       << false;
    QTest::newRow("IBAN of 26") << u"TfrmIban"_s << u"IT60X054281110100000012345"_s
                                << u"Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."_s << false;
}

void TestCheckDialogs::lengthWarningKeepsDialogOpen()
{
    QFETCH(QString, dialog);
    QFETCH(QString, typed);
    QFETCH(QString, warning);
    QFETCH(bool, handedIn);

    MessageRecorder recorder;
    const std::unique_ptr<CheckDialog> dlg = makeDialog(dialog);
    if (handedIn)
        dlg->setValue(typed);
    dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    auto *box = dlg->findChild<QLineEdit *>(boxName(dialog));
    auto *btnControlla = dlg->findChild<QPushButton *>(u"btnControlla"_s);
    QVERIFY(box);
    QVERIFY(btnControlla);
    QTRY_VERIFY(box->hasFocus());

    if (!handedIn)
        QTest::keyClicks(box, typed);
    // Enter only moves on to Controlla; Enter there runs the check.
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(btnControlla->hasFocus());
    QCOMPARE(recorder.count(), 0);
    QTest::keyClick(btnControlla, Qt::Key_Return);

    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.lastKind(), MessageKind::Warning);
    QCOMPARE(recorder.lastText(), warning);
    QVERIFY(dlg->isVisible());
    QVERIFY(box->hasFocus());
    QCOMPARE(box->text(), typed);
}

void TestCheckDialogs::outcomeShownThenClosed_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("value");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("text");

    const auto info = MessageKind::Information;
    const auto warn = MessageKind::Warning;
    QTest::newRow("fiscal code valid") << u"TfrmCodFisc"_s << u"BNCLRA80A41H501D"_s << info
                                       << u"Il codice fiscale digitato è VALIDO."_s;
    QTest::newRow("fiscal code wrong") << u"TfrmCodFisc"_s << u"BNCLRA80A41H501E"_s << warn
                                       << u"Attenzione: il codice fiscale digitato è ERRATO."_s;
    QTest::newRow("VAT valid") << u"TfrmPartitaIva"_s << u"12345670587"_s << info
                               << u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                                  u"dall'Ufficio IVA del Comune di Roma 1."_s;
    QTest::newRow("VAT wrong") << u"TfrmPartitaIva"_s << u"12345670588"_s << warn << VatErrato;
    QTest::newRow("VAT handed in with a letter") << u"TfrmPartitaIva"_s << u"1234567058A"_s << warn << VatErrato;
    QTest::newRow("card with blanks") << u"TfrmCarta"_s << u"4111 1111 1111 1111"_s << info
                                      << u"Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\r\n\r\n"
                                         u"La carta di credito è del tipo Visa."_s;
    QTest::newRow("card wrong") << u"TfrmCarta"_s << u"4111111111111112"_s << warn << CardErrato;
    QTest::newRow("card of no known network")
        << u"TfrmCarta"_s << u"3200000000000002"_s << info
        << u"Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\nIl circuito della carta di "
           u"credito non è stato riconosciuto."_s;
    QTest::newRow("VAT of an unknown office")
        << u"TfrmPartitaIva"_s << u"00000001198"_s << info
        << u"Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl codice dell'Ufficio IVA (119) non è tra "
           u"quelli conosciuti."_s;
    QTest::newRow("IBAN valid") << u"TfrmIban"_s << u"IT60X0542811101000000123456"_s << info
                                << u"L'IBAN digitato è VALIDO."_s;
    QTest::newRow("IBAN wrong") << u"TfrmIban"_s << u"IT61X0542811101000000123456"_s << warn
                                << u"Attenzione: l'IBAN digitato è ERRATO!"_s;
}

void TestCheckDialogs::outcomeShownThenClosed()
{
    QFETCH(QString, dialog);
    QFETCH(QString, value);
    QFETCH(MessageKind, kind);
    QFETCH(QString, text);

    MessageRecorder recorder;
    const std::unique_ptr<CheckDialog> dlg = makeDialog(dialog);
    dlg->setValue(value);
    bool stayedOpen = false;
    WhenModalShown([&](QDialog *shown) {
        QTest::mouseClick(shown->findChild<QPushButton *>(u"btnControlla"_s), Qt::LeftButton);
        // Never leave the test hanging in exec() when the dialog fails to close.
        if (shown->isVisible()) {
            stayedOpen = true;
            static_cast<Dialog *>(shown)->closeDialog(-1);
        }
    });
    const int result = dlg->exec();

    QVERIFY(!stayedOpen);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.lastKind(), kind);
    QCOMPARE(recorder.lastText(), text);
}

void TestCheckDialogs::chiudiClosesWithoutCheck_data()
{
    QTest::addColumn<QString>("dialog");
    for (const QString &name : { u"TfrmCodFisc"_s, u"TfrmPartitaIva"_s, u"TfrmCarta"_s, u"TfrmIban"_s })
        QTest::newRow(qPrintable(name)) << name;
}

void TestCheckDialogs::chiudiClosesWithoutCheck()
{
    QFETCH(QString, dialog);

    MessageRecorder recorder;
    const std::unique_ptr<CheckDialog> dlg = makeDialog(dialog);
    dlg->show();
    QTest::mouseClick(dlg->findChild<QPushButton *>(u"btnChiudi"_s), Qt::LeftButton);
    QVERIFY(!dlg->isVisible());
    QCOMPARE(dlg->result(), int(QDialog::Rejected));
    QCOMPARE(recorder.count(), 0);
}

void TestCheckDialogs::typingRules_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("fiscal code upper-cased") << u"TfrmCodFisc"_s << u" bnclra80a41h501d"_s << u"BNCLRA80A41H501D"_s;
    QTest::newRow("fiscal code cut at 16") << u"TfrmCodFisc"_s << u"BNCLRA80A41H501DXY"_s << u"BNCLRA80A41H501D"_s;
    QTest::newRow("IBAN upper-cased") << u"TfrmIban"_s << u"it60x0542811101000000123456"_s
                                      << u"IT60X0542811101000000123456"_s;
    QTest::newRow("VAT takes digits only") << u"TfrmPartitaIva"_s << u"12a-3 4.5B6"_s << u"123456"_s;
    QTest::newRow("VAT cut at 11") << u"TfrmPartitaIva"_s << u"1234567058799"_s << u"12345670587"_s;
    QTest::newRow("card takes digits only") << u"TfrmCarta"_s << u"4111-1111 abc2"_s << u"411111112"_s;
}

void TestCheckDialogs::typingRules()
{
    QFETCH(QString, dialog);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    const std::unique_ptr<CheckDialog> dlg = makeDialog(dialog);
    dlg->show();
    auto *box = dlg->findChild<QLineEdit *>(boxName(dialog));
    QVERIFY(box);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), shown);
}

QTEST_MAIN(TestCheckDialogs)
#include "TestCheckDialogs.moc"
