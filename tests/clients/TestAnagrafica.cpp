#include "AppFixture.h"
#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "PdfLayout.h"
#include "TestHelpers.h"
#include "TestPrinting.h"

#include "app/AppWindows.h"
#include "app/Avvio.h"
#include "base/TextFunctions.h"
#include "clients/Anagrafica.h"
#include "storage/TSchedaAnagrafica.h"
#include "widgets/ClickableImage.h"
#include "widgets/Dialog.h"
#include "widgets/Help.h"
#include "widgets/ListBox.h"
#include "widgets/TMisc.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageKind)

namespace {

struct PublishedField
{
    const char *name;
    int offset;
    int capacity;
};

// The client record as it is published: field, offset, capacity.
const PublishedField Published[] = {
    { "Cognome", 0, 50 },
    { "Nome", 51, 50 },
    { "CodFisc", 102, 16 },
    { "Sesso", 119, 1 },
    { "DataNasc", 121, 10 },
    { "ComuneNasc", 132, 50 },
    { "ProvNasc", 183, 2 },
    { "Iva", 186, 11 },
    { "Indirizzo", 198, 50 },
    { "Cap", 249, 5 },
    { "ComuneRes", 255, 50 },
    { "ProvRes", 306, 2 },
    { "Stato", 309, 50 },
    { "Familiari", 360, 250 },
    { "Recapito", 611, 50 },
    { "TelCasa", 662, 50 },
    { "TelCel", 713, 50 },
    { "TelUff", 764, 50 },
    { "Fax", 815, 50 },
    { "Email", 866, 50 },
    { "Qualifiche", 917, 250 },
    { "Professione", 1168, 50 },
    { "Iban", 1219, 27 },
    { "Intestatario", 1247, 50 },
    { "Banca", 1298, 50 },
    { "Carta", 1349, 50 },
    { "ScadeCarta", 1400, 10 },
    { "Prodotti", 1411, 250 },
    { "Pagamento", 1662, 120 },
    { "Note", 1783, 250 },
    { "TipoDoc", 2034, 50 },
    { "NumDoc", 2085, 50 },
    { "EnteRil", 2136, 50 },
    { "DataRil", 2187, 10 },
    { "DataSca", 2198, 10 },
    { "Codice", 2209, 30 },
    { "Categoria", 2240, 50 },
    { "Zona", 2291, 50 },
    { "Acquisto", 2342, 50 },
    { "Decorrenza", 2393, 10 },
    { "Scadenza", 2404, 10 },
    { "Preavviso", 2415, 3 },
    { "Totale", 2419, 15 },
    { "Frazionamento", 2435, 50 },
    { "Rata", 2486, 50 },
    { "File01", 2537, 250 },
    { "File02", 2788, 250 },
    { "File03", 3039, 250 },
    { "Desc01", 3290, 250 },
    { "Desc02", 3541, 250 },
    { "Desc03", 3792, 250 },
};

const QString AccessFailure = u"Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                              u"Accertarsi di possedere i privilegi di scrittura nella cartella di installazione "
                              u"del programma."_s;
const QString Inserted = u"La scheda corrente è stata inserita in archivio."_s;
const QString Saved = u"Le modifiche apportate alla scheda corrente sono state salvate in archivio."_s;
const QString Unsaved = u"Le modifiche alla scheda corrente non sono state salvate. Continuare senza salvarle?"_s;

QString fieldName(int i)
{
    return QString::fromLatin1(Published[i].name);
}

// A card whose every field names the card and the field, with dates a save accepts.
TSchedaAnagrafica sampleCard(int n)
{
    TSchedaAnagrafica card;
    for (int i = 0; i < TSchedaAnagrafica::FieldCount; ++i)
        card.field(i) = LeftText(u"c%1f%2"_s.arg(n).arg(i), TSchedaAnagrafica::layout().capacity(i));
    card.Cognome = u"Rossi%1"_s.arg(n);
    card.Decorrenza = u"01/03/2026"_s;
    card.Scadenza = u"0%1/04/2026"_s.arg(n % 10);
    card.Preavviso = u"7"_s;
    return card;
}

// The bytes of a field as stored: length, text, zeros to the capacity.
QByteArray fieldBytes(const QByteArray &text, int capacity)
{
    QByteArray out(capacity + 1, '\0');
    out[0] = char(text.size());
    out.replace(1, text.size(), text);
    return out;
}

// Notes every dialog shown while it lives, and closes it at once.
class DialogWatch : public QObject
{
public:
    DialogWatch() { qApp->installEventFilter(this); }
    ~DialogWatch() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *dialog = qobject_cast<Dialog *>(watched)) {
                shown.append(dialog->objectName());
                QTimer::singleShot(0, dialog, [dialog] { dialog->closeDialog(); });
            }
        }
        return false;
    }

    QStringList shown;
};

} // namespace

// The client card editor on a temporary registry: boxes and keys, saves and their bytes, moves,
// failures, the buttons that open other windows, printing.
class TestAnagrafica : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    static TfrmAnagrafica *ana() { return Windows().anagrafica(); }
    static QLineEdit *edit(const QString &name) { return ana()->findChild<QLineEdit *>(name); }
    static QComboBox *combo(const QString &name) { return ana()->findChild<QComboBox *>(name); }
    static QLabel *label(const QString &name) { return ana()->findChild<QLabel *>(name); }
    static QString position() { return label(u"lblPosizione"_s)->text(); }
    // The control of a box: the edit box, or the province box.
    static QWidget *control(const QString &name)
    {
        if (QComboBox *c = combo(name))
            return c;
        return edit(name);
    }
    static QString boxText(const QString &name)
    {
        if (QComboBox *c = combo(name))
            return c->currentText();
        return edit(name)->text();
    }
    static void setBox(const QString &name, const QString &text)
    {
        if (QComboBox *c = combo(name))
            c->setEditText(text);
        else
            edit(name)->setText(text);
    }
    static void setCard(const TSchedaAnagrafica &card)
    {
        for (int i = 0; i < 45; ++i)
            setBox(u"txt"_s + fieldName(i), card.field(i));
        for (int i = 45; i < 51; ++i)
            label(u"lbl"_s + fieldName(i))->setText(card.field(i));
    }

    QString registry() const { return m_app->file(u"Visitatori.pro"_s); }

    void writeCards(int count) const
    {
        QFile file(registry());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int n = 1; n <= count; ++n)
            file.write(sampleCard(n).toBytes());
    }

    QByteArray fileBytes() const
    {
        QFile file(registry());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void click(const QString &name) { ClickControl(ana(), name); }

    // Three cards on file; only the third is due on 07/03/2026.
    QList<TSchedaAnagrafica> questionCards() const
    {
        QList<TSchedaAnagrafica> cards = { sampleCard(1), sampleCard(2), sampleCard(3) };
        cards[2].Scadenza = u"05/03/2026"_s;
        cards[2].Rata = u"100,00"_s;
        QFile file(registry());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            for (const TSchedaAnagrafica &card : cards)
                file.write(card.toBytes());
        }
        return cards;
    }

    // Leaves the card on screen as the operator does; the search (for the first card's surname)
    // and the instalments due have their first line double-clicked.
    static void leaveBy(const QString &way)
    {
        if (way == u"close"_s) {
            ana()->close();
            return;
        }
        if (way == u"cmdTrova"_s || way == u"cmdScaduti"_s) {
            WhenModalShown([way](QDialog *dlg) {
                if (way == u"cmdTrova"_s) {
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

    static void focusInto(QWidget *widget)
    {
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), widget);
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42)));
        ana()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(ana()));
    }

    void cleanup()
    {
        TMisc::setOpener({});
        m_app.reset();
    }

    // Every box with its limit, its frame and its place in the Enter cycle (the record order).
    void boxesFramesAndEnterCycle()
    {
        const QList<int> limits = { 50, 50, 16, 1, 10, 50, 2, 11, 50, 5, 50, 2, 50, 250, 50, 50, 50, 50, 50, 50, 250,
            50, 27, 50, 50, 50, 10, 250, 120, 250, 50, 50, 50, 10, 10, 30, 50, 50, 50, 10, 10, 3, 15, 50, 15 };
        for (int i = 0; i < 45; ++i) {
            const QString name = u"txt"_s + fieldName(i);
            QWidget *box = control(name);
            QVERIFY2(box, qPrintable(name));
            QLineEdit *line = combo(name) ? combo(name)->lineEdit() : edit(name);
            QCOMPARE(line->maxLength(), limits.at(i));
            QCOMPARE(box->font().family(), u"Verdana"_s);
            QCOMPARE(box->font().pointSize(), 12);
            QVERIFY(box->font().bold());
            QVERIFY2(ana()->findChild<QWidget *>(u"eff"_s + fieldName(i)), qPrintable(name));
        }
        for (int i = 45; i < 51; ++i) {
            QLabel *slot = label(u"lbl"_s + fieldName(i));
            QVERIFY(slot && !slot->isVisible());
        }
        QVERIFY(label(u"lblPosizione"_s)->isVisible());
        QCOMPARE(label(u"lblPosizione"_s)->font().family(), u"Verdana"_s);
        QVERIFY(label(u"lblPosizione"_s)->font().bold());

        focusInto(control(u"txtCognome"_s));
        for (int i = 0; i < 45; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            const QString next = fieldName((i + 1) % 45);
            QTRY_COMPARE(QApplication::focusWidget(), control(u"txt"_s + next));
            QVERIFY2(ana()->findChild<QWidget *>(u"eff"_s + next)->isVisible(), qPrintable(next));
            QVERIFY(!ana()->findChild<QWidget *>(u"eff"_s + fieldName(i))->isVisible());
        }
    }

    // Both province boxes list the 112 codes; any two characters may be typed, and the list
    // opens with no code chosen each time the box is entered.
    void provinceBoxes()
    {
        for (const QString &name : { u"txtProvNasc"_s, u"txtProvRes"_s }) {
            QComboBox *box = combo(name);
            QVERIFY(box && box->isEditable());
            QCOMPARE(box->count(), 112);
            QCOMPARE(box->itemText(0), u"AG"_s);
            QCOMPARE(box->itemText(111), u"VV"_s);
            QCOMPARE(box->findText(u"RM"_s), 85);

            box->setCurrentIndex(85);
            focusInto(control(u"txtCognome"_s));
            focusInto(box);
            QCOMPARE(box->currentIndex(), -1);
            QCOMPARE(box->currentText(), u"RM"_s);

            box->clearEditText();
            QTest::keyClicks(box, u"zz9"_s);
            QCOMPARE(box->currentText(), u"ZZ"_s);
            QCOMPARE(box->count(), 112); // Enter or typing never adds to the list
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->count(), 112);
        }
    }

    void hoverHints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        const QList<std::pair<QString, QString>> hints = {
            { u"cmdNuovo"_s, u"Prepara la schermata per la registrazione di una nuova scheda."_s },
            { u"cmdSalva"_s, u"Salva la scheda corrente in archivio."_s },
            { u"cmdTrova"_s, u"Trova una scheda in archivio."_s },
            { u"cmdCartella"_s, u"Gestisci la cartella abbinata alla scheda corrente."_s },
            { u"cmdFile"_s, u"Allega file alla scheda corrente."_s },
            { u"cmdStampa"_s, u"Stampa la scheda corrente."_s },
            { u"cmdPrimo"_s, u"Visualizza la prima scheda in archivio."_s },
            { u"cmdIndietro"_s, u"Visualizza la scheda precedente in archivio."_s },
            { u"cmdAvanti"_s, u"Visualizza la scheda successiva in archivio."_s },
            { u"cmdUltimo"_s, u"Visualizza l'ultima scheda in archivio."_s },
            { u"cmdEsporta"_s, u"Esporta le schede in archivio in un file di Microsoft Excel."_s },
            { u"cmdScaduti"_s, u"Visualizza il riepilogo delle rate in scadenza o scadute."_s },
            { u"cmdGuida"_s, u"Visualizza la guida in linea."_s },
            { u"cmdEsci"_s, u"Esci da questa schermata di lavoro."_s },
            { u"btnCodFisc"_s, u"Controlla il codice fiscale."_s },
            { u"btnIva"_s, u"Controlla il numero di partita IVA."_s },
            { u"btnEmail"_s, u"Invia una e-mail all'indirizzo indicato."_s },
            { u"btnIban"_s, u"Controlla l'IBAN."_s },
            { u"btnCarta"_s, u"Controlla il numero di carta di credito."_s },
        };
        for (const auto &[control, hint] : hints)
            QTest::newRow(qPrintable(control)) << control << hint;
    }

    void hoverHints()
    {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        QWidget *section = ana()->findChild<QWidget *>(u"shpCliente"_s);
        CheckHoverHint(ana(), control, hint, u"Pronto per salvare una nuova scheda..."_s, section,
            QPoint(section->width() - 4, section->height() - 4));
    }

    // Every show of the screen and cmdNuovo start a new card: today's dates, notice 0, amounts 0,00.
    void newCardOnShowAndNuovo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cmdNuovo") << u"cmdNuovo"_s;
        QTest::newRow("cmdEsci, then the registry again") << u"cmdEsci"_s;
        QTest::newRow("window closed, then the registry again") << u"close"_s;
    }

    void newCardOnShowAndNuovo()
    {
        QFETCH(QString, how);
        QCOMPARE(boxText(u"txtDecorrenza"_s), u"07/03/2026"_s);
        TSchedaAnagrafica card = sampleCard(4);
        card.Rata = QString(40, u'9');
        // A code chosen in the list, on a card as loaded: nothing to ask before it goes.
        combo(u"txtProvRes"_s)->setCurrentIndex(3);
        card.ProvRes = combo(u"txtProvRes"_s)->currentText();
        ana()->loadCard(card, 4);
        QCOMPARE(combo(u"txtProvRes"_s)->currentIndex(), 3);
        Clock::setFixed(QDateTime(QDate(2027, 1, 5), QTime(0, 7, 59)));
        if (how == u"cmdNuovo"_s) {
            click(how);
        } else {
            if (how == u"close"_s)
                ana()->close();
            else
                click(how);
            QTRY_VERIFY(Windows().avvio()->isVisible());
            QVERIFY(!ana()->isVisible());
            ana()->showScreen();
        }
        for (int i = 0; i < 45; ++i) {
            const QString name = u"txt"_s + fieldName(i);
            QString expected;
            if (name == u"txtDecorrenza"_s || name == u"txtScadenza"_s)
                expected = u"05/01/2027"_s;
            else if (name == u"txtPreavviso"_s)
                expected = u"0"_s;
            else if (name == u"txtTotale"_s || name == u"txtRata"_s)
                expected = u"0,00"_s;
            QCOMPARE(boxText(name), expected);
        }
        QCOMPARE(combo(u"txtProvRes"_s)->currentIndex(), -1);
        QCOMPARE(edit(u"txtRata"_s)->maxLength(), 15);
        for (int i = 45; i < 51; ++i)
            QCOMPARE(label(u"lbl"_s + fieldName(i))->text(), QString());
        QCOMPARE(position(), QString());
        QTRY_COMPARE(QApplication::focusWidget(), control(u"txtCognome"_s));
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(!QFile::exists(registry()));
    }

    void typingRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fiscal code upper-cased") << u"txtCodFisc"_s << u"rssmra"_s << u"RSSMRA"_s;
        QTest::newRow("fiscal code loses a blank at its end") << u"txtCodFisc"_s << u"ab "_s << u"AB"_s;
        QTest::newRow("IBAN upper-cased, a blank typed at its end goes")
            << u"txtIban"_s << u"it60x 05"_s << u"IT60X05"_s;
        QTest::newRow("sex upper-cased") << u"txtSesso"_s << u"f"_s << u"F"_s;
        QTest::newRow("province of birth") << u"txtProvNasc"_s << u"rm"_s << u"RM"_s;
        QTest::newRow("province of residence") << u"txtProvRes"_s << u"mi"_s << u"MI"_s;
        QTest::newRow("e-mail trimmed") << u"txtEmail"_s << u" a@b.it "_s << u"a@b.it"_s;
        QTest::newRow("e-mail keeps its case") << u"txtEmail"_s << u"Mario@Rossi.it"_s << u"Mario@Rossi.it"_s;
        QTest::newRow("VAT number: digits only") << u"txtIva"_s << u"12a3-4 5"_s << u"12345"_s;
        QTest::newRow("card: digits only") << u"txtCarta"_s << u"4111 x1"_s << u"41111"_s;
        QTest::newRow("notice: digits only, no comma") << u"txtPreavviso"_s << u"1,5d"_s << u"15"_s;
        QTest::newRow("total: digits and comma") << u"txtTotale"_s << u"12,5e."_s << u"12,5"_s;
        QTest::newRow("instalment: digits and comma") << u"txtRata"_s << u"-7,25"_s << u"7,25"_s;
        QTest::newRow("surname as typed") << u"txtCognome"_s << u" de Rossi "_s << u" de Rossi "_s;
    }

    void typingRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        setBox(box, QString());
        focusInto(control(box));
        QTest::keyClicks(control(box), typed);
        QTEST(boxText(box), "shown");
    }

    // Leaving an amount box for another box puts the amount in form; the save image does not
    // take the focus, so an amount being edited is stored as typed.
    void amountsInFormWhenLeft()
    {
        setCard(sampleCard(1));
        for (const QString &box : { u"txtTotale"_s, u"txtRata"_s }) {
            setBox(box, QString());
            focusInto(edit(box));
            QTest::keyClicks(edit(box), u"1500"_s);
            QTest::keyClick(edit(box), Qt::Key_Return);
            QCOMPARE(boxText(box), u"1500,00"_s);
            focusInto(edit(box));
            setBox(box, QString());
            focusInto(edit(u"txtNote"_s));
            QCOMPARE(boxText(box), u"0,00"_s);
        }
        focusInto(edit(u"txtTotale"_s));
        setBox(u"txtTotale"_s, u"12,5"_s);
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastText(), Inserted);
        QCOMPARE(QApplication::focusWidget(), edit(u"txtTotale"_s));
        QCOMPARE(TSchedaAnagrafica::fromBytes(fileBytes()).Totale, u"12,5"_s);
        QCOMPARE(boxText(u"txtTotale"_s), u"12,5"_s);
    }

    // The checks reach the screen with their kind of box and their focus; nothing is written.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus"); // empty: it stays in txtNote
        QTest::newRow("surname blank") << u"txtCognome"_s << u"   "_s << MessageKind::Warning
                                       << u"Attenzione: per salvare la scheda è necessario indicare il cognome del "
                                          u"Visitatore."_s
                                       << u"txtCognome"_s;
        QTest::newRow("first name blank") << u"txtNome"_s << QString() << MessageKind::Warning
                                          << u"Attenzione: per salvare la scheda è necessario indicare il nome del "
                                             u"Visitatore."_s
                                          << u"txtNome"_s;
        QTest::newRow("due date blank") << u"txtScadenza"_s << QString() << MessageKind::Warning
                                        << u"Attenzione: per salvare la scheda è necessario indicare la data di "
                                           u"scadenza della prossima rata."_s
                                        << u"txtScadenza"_s;
        QTest::newRow("due date that does not exist")
            << u"txtScadenza"_s << u"31/04/2024"_s << MessageKind::Notice
            << u"Attenzione: la data di scadenza 31/04/2024 non esiste.\n\r\n\rPer poter salvare la scheda è "
               u"necessario indicare una data valida nel formato gg/mm/aaaa."_s
            << u"txtScadenza"_s;
        QTest::newRow("due before start") << u"txtScadenza"_s << u"28/02/2026"_s << MessageKind::Notice
                                          << u"Attenzione: la data di scadenza della prossima rata (28/02/2026) non "
                                             u"può essere anteriore a quella di decorrenza (01/03/2026).\n\r\n\rPer "
                                             u"poter salvare la scheda è necessario indicare un intervallo di tempo "
                                             u"valido."_s
                                          << QString();
        QTest::newRow("notice emptied") << u"txtPreavviso"_s << QString() << MessageKind::Warning
                                        << u"Attenzione: per salvare la scheda è necessario indicare i giorni di "
                                           u"preavviso."_s
                                        << u"txtPreavviso"_s;
    }

    void refusedSave()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, focus);
        setCard(sampleCard(1));
        setBox(box, value);
        focusInto(edit(u"txtNote"_s));
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QTEST(m_app->messages.lastKind(), "kind");
        QTEST(m_app->messages.lastText(), "message");
        QTRY_COMPARE(QApplication::focusWidget(), control(focus.isEmpty() ? u"txtNote"_s : focus));
        QCOMPARE(position(), QString());
        QVERIFY(!QFile::exists(registry()));
    }

    // A saved card against the published record: each field at its offset, trimmed, upper-cased
    // as typed, in Windows-1252, cut to its capacity, unused bytes zero.
    void savedBytesFieldByField()
    {
        QList<QByteArray> expected;
        for (int i = 0; i < 51; ++i) {
            const QString name = (i < 45 ? u"txt"_s : u"lbl"_s) + fieldName(i);
            const QString value = LeftText(u"v%1"_s.arg(i), Published[i].capacity);
            if (i < 45 && value.size() + 3 <= Published[i].capacity)
                setBox(name, u"  "_s + value + u"\t"_s);
            else if (i < 45)
                setBox(name, value);
            else
                label(name)->setText(u" "_s + value + u" "_s);
            expected.append(value.toLatin1());
        }
        auto typeInto = [](const QString &name, const QString &text) {
            setBox(name, QString());
            focusInto(control(name));
            QTest::keyClicks(control(name), text);
        };
        typeInto(u"txtCodFisc"_s, u"rssmra80a01h501u"_s);
        expected[2] = "RSSMRA80A01H501U";
        typeInto(u"txtSesso"_s, u"m"_s);
        expected[3] = "M";
        typeInto(u"txtProvRes"_s, u"rm"_s);
        expected[11] = "RM";
        typeInto(u"txtCognome"_s, QString(60, u'S'));
        expected[0] = QByteArray(50, 'S');
        setBox(u"txtNote"_s, u" Caffè da 2 € "_s);
        expected[29] = "Caff\xe8 da 2 \x80";
        setBox(u"txtNome"_s, u"   "_s + QString(20, u' '));
        expected[1] = QByteArray(); // blanks only: refused below, then filled
        setBox(u"txtDecorrenza"_s, u" 1/3/2026"_s);
        expected[39] = "1/3/2026";
        setBox(u"txtScadenza"_s, u"01/04/2026"_s);
        expected[40] = "01/04/2026";
        setBox(u"txtPreavviso"_s, u"007"_s);
        expected[41] = "007";
        label(u"lblFile01"_s)->setText(QString(300, u'a'));
        expected[45] = QByteArray(250, 'a');

        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning); // the first name is blank
        QVERIFY(!QFile::exists(registry()));
        setBox(u"txtNome"_s, u"Mario"_s);
        expected[1] = "Mario";
        focusInto(edit(u"txtNote"_s));
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(), Inserted);
        QCOMPARE(position(), u"1"_s);

        const QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 4043);
        for (int i = 0; i < 51; ++i) {
            const PublishedField &f = Published[i];
            QCOMPARE(bytes.mid(f.offset, f.capacity + 1), fieldBytes(expected.at(i), f.capacity));
        }
        // The boxes keep what was typed; only the stored copy is trimmed.
        QCOMPARE(boxText(u"txtDecorrenza"_s), u" 1/3/2026"_s);
    }

    // A new card is appended to a file of seven as card 8; saving again overwrites those bytes only.
    void appendThenOverwrite()
    {
        writeCards(7);
        const QByteArray before = fileBytes();
        TSchedaAnagrafica card = sampleCard(8);
        setCard(card);
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastText(), Inserted);
        QCOMPARE(position(), u"8"_s);
        QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 8 * 4043);
        QCOMPARE(bytes.left(28301), before);
        QCOMPARE(bytes.mid(28301), card.toBytes());

        setBox(u"txtZona"_s, u"Nord"_s);
        card.Zona = u"Nord"_s;
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
        QCOMPARE(m_app->messages.lastText(), Saved);
        QCOMPARE(position(), u"8"_s);
        bytes = fileBytes();
        QCOMPARE(bytes.size(), 8 * 4043);
        QCOMPARE(bytes.left(28301), before);
        QCOMPARE(bytes.mid(28301), card.toBytes());

        // A loaded card is overwritten in place: bytes 8086 to 12128 for the third.
        ana()->loadCard(sampleCard(3), 3);
        setBox(u"txtNote"_s, u"cambiata"_s);
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastText(), Saved);
        TSchedaAnagrafica third = sampleCard(3);
        third.Note = u"cambiata"_s;
        const QByteArray after = fileBytes();
        QCOMPARE(after.size(), 8 * 4043);
        QCOMPARE(after.left(8086), bytes.left(8086));
        QCOMPARE(after.mid(8086, 4043), third.toBytes());
        QCOMPARE(after.mid(12129), bytes.mid(12129));
    }

    // A card whose place another program took out of the file is added, not lost.
    void saveAfterTheFileShrankAppends()
    {
        writeCards(5);
        ana()->loadCard(sampleCard(5), 5);
        writeCards(2);
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastText(), Inserted);
        QCOMPARE(position(), u"3"_s);
        QCOMPARE(fileBytes().mid(2 * 4043), sampleCard(5).toBytes());
    }

    // Every way of replacing or leaving a changed card asks first: No keeps everything as it was,
    // Yes goes on as without the question. An attachment changed is a change of the card.
    void unsavedCardAsked_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("after"); // the position after Yes; "menu": the start menu is shown
        QTest::addColumn<bool>("attachment"); // the change is made in the attachment dialog
        const QList<std::pair<QString, QString>> ways
            = { { u"cmdEsci"_s, u"menu"_s }, { u"close"_s, u"menu"_s }, { u"cmdNuovo"_s, QString() },
                  { u"cmdPrimo"_s, u"1"_s }, { u"cmdIndietro"_s, u"1"_s }, { u"cmdAvanti"_s, u"3"_s },
                  { u"cmdUltimo"_s, u"3"_s }, { u"cmdTrova"_s, u"1"_s }, { u"cmdScaduti"_s, u"3"_s } };
        for (const auto &[way, after] : ways) {
            QTest::newRow(qPrintable(way + u": No"_s)) << way << false << after << false;
            QTest::newRow(qPrintable(way + u": Sì"_s)) << way << true << after << false;
        }
        QTest::newRow("attachment, cmdNuovo: No") << u"cmdNuovo"_s << false << QString() << true;
        QTest::newRow("attachment, cmdAvanti: Sì") << u"cmdAvanti"_s << true << u"3"_s << true;
    }
    void unsavedCardAsked()
    {
        QFETCH(QString, way);
        QFETCH(bool, yes);
        QFETCH(QString, after);
        QFETCH(bool, attachment);
        const QList<TSchedaAnagrafica> cards = questionCards();
        ana()->loadCard(cards.at(1), 2);
        if (attachment) {
            WhenModalShown([](QDialog *dialog) {
                dialog->findChild<QLineEdit *>(u"txtDesc02"_s)->setText(u"Nuova descrizione"_s);
                dialog->findChild<QPushButton *>(u"btnApplica"_s)->click();
            });
            click(u"cmdFile"_s);
        } else {
            edit(u"txtNote"_s)->end(false);
            QTest::keyClicks(edit(u"txtNote"_s), u" e altro"_s);
        }
        const TSchedaAnagrafica changed = ana()->currentCard();
        QVERIFY(changed != cards.at(1));
        QCOMPARE(m_app->messages.count(), 0);

        m_app->messages.answers = { yes };
        leaveBy(way);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_app->messages.lastText(), Unsaved);
        if (!yes) {
            QVERIFY(ana()->isVisible());
            QCOMPARE(ana()->currentCard(), changed);
            QCOMPARE(position(), u"2"_s);
        } else if (after == u"menu"_s) {
            QTRY_VERIFY(Windows().avvio()->isVisible());
            QVERIFY(!ana()->isVisible());
        } else {
            QCOMPARE(position(), after);
            QCOMPARE(ana()->currentCard().Cognome, after.isEmpty() ? QString() : cards.at(after.toInt() - 1).Cognome);
        }
    }

    // A card just loaded, saved or started asks nothing when it is left.
    void noQuestionForAnUnchangedCard_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("messages"); // what the state itself showed
        QTest::newRow("loaded") << u"loaded"_s << 0;
        QTest::newRow("new") << u"new"_s << 0;
        QTest::newRow("changed, then saved") << u"saved"_s << 1;
        QTest::newRow("new card saved") << u"new saved"_s << 1;
        QTest::newRow("changed, then the change undone") << u"undone"_s << 0;
    }
    void noQuestionForAnUnchangedCard()
    {
        QFETCH(QString, state);
        QFETCH(int, messages);
        const QList<TSchedaAnagrafica> cards = questionCards();
        ana()->loadCard(cards.at(1), 2);
        if (state == u"new"_s || state == u"new saved"_s)
            click(u"cmdNuovo"_s);
        if (state != u"loaded"_s && state != u"new"_s)
            QTest::keyClicks(edit(u"txtCognome"_s), u"x"_s);
        if (state == u"new saved"_s)
            QTest::keyClicks(edit(u"txtNome"_s), u"Anna"_s);
        if (state == u"saved"_s || state == u"new saved"_s)
            click(u"cmdSalva"_s);
        if (state == u"undone"_s)
            QTest::keyClick(edit(u"txtCognome"_s), Qt::Key_Backspace);
        QCOMPARE(m_app->messages.count(), messages);
        for (const QString &way : { u"cmdUltimo"_s, u"cmdEsci"_s })
            click(way);
        QCOMPARE(m_app->messages.count(), messages);
        QTRY_VERIFY(Windows().avvio()->isVisible());
    }

    void ctrlSSaves()
    {
        setCard(sampleCard(1));
        ana()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ana()));
        focusInto(edit(u"txtNote"_s));
        QTest::keyClick(edit(u"txtNote"_s), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_app->messages.lastText(), Inserted);
        QCOMPARE(position(), u"1"_s);
        QCOMPARE(TSchedaAnagrafica::fromBytes(fileBytes()), sampleCard(1));
    }

    // Loading replaces every field and hidden label, each trimmed.
    void loadCardReplacesEverything()
    {
        TSchedaAnagrafica card = sampleCard(6);
        card.Note = u"  nota \t"_s;
        card.Desc03 = u" descrizione "_s;
        ana()->loadCard(card, 6);
        QCOMPARE(position(), u"6"_s);
        QCOMPARE(boxText(u"txtNote"_s), u"nota"_s);
        QCOMPARE(label(u"lblDesc03"_s)->text(), u"descrizione"_s);
        for (int i = 0; i < 51; ++i) {
            if (i == 29 || i == 50)
                continue;
            const QString value = i < 45 ? boxText(u"txt"_s + fieldName(i)) : label(u"lbl"_s + fieldName(i))->text();
            QCOMPARE(value, card.field(i));
        }
        ana()->loadCard(TSchedaAnagrafica(), 2);
        QCOMPARE(ana()->currentCard(), TSchedaAnagrafica());
        QCOMPARE(position(), u"2"_s);
    }

    // An instalment amount longer than its box, from an older file, survives a save whole.
    void longInstalmentAmountSurvivesASave()
    {
        TSchedaAnagrafica card = sampleCard(1);
        card.Rata = u"120,00 al mese per 12 mesi"_s;
        QFile file(registry());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(card.toBytes());
        file.close();
        click(u"cmdPrimo"_s);
        QCOMPARE(boxText(u"txtRata"_s), card.Rata);
        click(u"cmdSalva"_s);
        QCOMPARE(m_app->messages.lastText(), Saved);
        QCOMPARE(fileBytes(), card.toBytes());
    }

    // Any failure of the file ends the action with the one message; the screen keeps its card.
    void accessFailure_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("button");
        for (const QString &button :
            { u"cmdSalva"_s, u"cmdPrimo"_s, u"cmdUltimo"_s, u"cmdAvanti"_s, u"cmdIndietro"_s }) {
            QTest::addRow("a folder in its place, %s", qPrintable(button)) << u"folder"_s << u"2"_s << button;
            QTest::addRow("a folder in its place, new card, %s", qPrintable(button))
                << u"folder"_s << QString() << button;
        }
    }

    void accessFailure()
    {
        QFETCH(QString, file);
        QFETCH(QString, shown);
        QFETCH(QString, button);
        if (file == u"folder"_s)
            QVERIFY(QDir().mkpath(registry()));
        else
            writeCards(1);
        const TSchedaAnagrafica card = sampleCard(2);
        if (shown.isEmpty())
            setCard(card);
        else
            ana()->loadCard(card, shown.toInt());
        click(button);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessFailure);
        QCOMPARE(ana()->currentCard(), card);
        QCOMPARE(position(), shown);
        if (file == u"one card"_s)
            QCOMPARE(fileBytes(), sampleCard(1).toBytes());
    }

    // A disk that fills during the save: the error is shown, the card stays new, nothing half-written counts.
    void fullDiskOnAppend()
    {
        writeCards(2);
        setCard(sampleCard(3));
        {
            FileSizeLimit limit(2 * 4043 + 100);
            click(u"cmdSalva"_s);
        }
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Error);
        QCOMPARE(m_app->messages.lastText(), AccessFailure);
        QCOMPARE(position(), QString());
        QFile file(registry());
        QCOMPARE(file.size() / 4043, 2);
    }

    // Damaged or foreign bytes never crash the editor: every field stays within its box.
    void damagedFileIsReadSafely()
    {
        QByteArray bytes(4043, char(0xFF)); // every length byte above its capacity
        QRandomGenerator random(20260307);
        QByteArray noise(4043, '\0');
        for (char &b : noise)
            b = char(random.bounded(256));
        bytes += noise;
        bytes += QByteArray(1000, 'x'); // a torn last record
        QFile file(registry());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        for (const QString &arrow : { u"cmdPrimo"_s, u"cmdAvanti"_s, u"cmdUltimo"_s, u"cmdIndietro"_s }) {
            click(arrow);
            QCOMPARE(m_app->messages.count(), 0);
            const TSchedaAnagrafica shown = ana()->currentCard();
            for (int i = 0; i < 51; ++i)
                QVERIFY(shown.field(i).size() <= Published[i].capacity);
        }
        QCOMPARE(position(), u"1"_s);
        QCOMPARE(boxText(u"txtCognome"_s), QString(50, QChar(0xFF)));

        PdfPrinting printing(m_app->file(u"danneggiata.pdf"_s));
        click(u"cmdStampa"_s);
        QCOMPARE(printing.dialogs, 1);
        QCOMPARE(ReadPdfLayout(m_app->file(u"danneggiata.pdf"_s)).size(), 1);
        QCOMPARE(m_app->messages.count(), 0);
    }

    // The buttons that open other windows: each opens its own dialog over the editor, with what
    // it needs written in first; the checks write nothing back.
    void dialogs_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box"); // the editor's box to fill first
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("field"); // the dialog's control to read
        QTest::addColumn<QString>("handed");
        QTest::newRow("fiscal code") << u"btnCodFisc"_s << u"txtCodFisc"_s << u"BNCLRA80A41H501D"_s << u"TfrmCodFisc"_s
                                     << u"txtCodFisc"_s << u"BNCLRA80A41H501D"_s;
        QTest::newRow("digits in the fiscal code box: VAT check")
            << u"btnCodFisc"_s << u"txtCodFisc"_s << u"12345670587 "_s << u"TfrmPartitaIva"_s << u"txtPartitaIva"_s
            << u"12345670587"_s;
        QTest::newRow("empty fiscal code")
            << u"btnCodFisc"_s << u"txtCodFisc"_s << QString() << u"TfrmCodFisc"_s << u"txtCodFisc"_s << QString();
        QTest::newRow("VAT number") << u"btnIva"_s << u"txtIva"_s << u"01234561205"_s << u"TfrmPartitaIva"_s
                                    << u"txtPartitaIva"_s << u"01234561205"_s;
        QTest::newRow("card") << u"btnCarta"_s << u"txtCarta"_s << u"4111 1111 1111 1111 "_s << u"TfrmCarta"_s
                              << u"txtNumero"_s << u"4111 1111 1111 1111"_s;
        QTest::newRow("IBAN") << u"btnIban"_s << u"txtIban"_s << u"IT60X0542811101000000123456"_s << u"TfrmIban"_s
                              << u"txtIban"_s << u"IT60X0542811101000000123456"_s;
        QTest::newRow("search") << u"cmdTrova"_s << QString() << QString() << u"TfrmTrovaClienti"_s << u"lblMemory"_s
                                << u"clienti"_s;
        QTest::newRow("instalments due") << u"cmdScaduti"_s << QString() << QString() << u"TfrmDaRinnovare"_s
                                         << QString() << QString();
        QTest::newRow("export") << u"cmdEsporta"_s << QString() << QString() << u"TfrmExpClienti"_s << QString()
                                << QString();
        QTest::newRow("folder of a stored card")
            << u"cmdCartella"_s << u"lblPosizione"_s << u"12"_s << u"TfrmCartella"_s << u"lblMemory"_s << u"12"_s;
        QTest::newRow("attachments") << u"cmdFile"_s << QString() << QString() << u"TfrmAllegaCartella"_s
                                     << u"lblMemory"_s << u"anagrafica"_s;
    }

    void dialogs()
    {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(QString, field);
        if (box == u"lblPosizione"_s)
            ana()->loadCard(ana()->currentCard(), value.toInt());
        else if (!box.isEmpty())
            setBox(box, value);
        const TSchedaAnagrafica before = ana()->currentCard();
        QString opened;
        QString handed;
        QWidget *owner = nullptr;
        WhenModalShown([&](QDialog *dialog) {
            opened = dialog->objectName();
            owner = dialog->parentWidget();
            if (auto *line = dialog->findChild<QLineEdit *>(field))
                handed = line->text();
            else if (auto *hidden = dialog->findChild<QLabel *>(field))
                handed = hidden->text();
            if (auto *own = qobject_cast<Dialog *>(dialog))
                own->closeDialog();
            else
                dialog->reject();
        });
        click(button);
        QTEST(opened, "dialog");
        QCOMPARE(owner, ana());
        QTEST(handed, "handed");
        QCOMPARE(ana()->currentCard(), before);
        QCOMPARE(m_app->messages.count(), 0);
    }

    void folderNeedsAStoredCard()
    {
        QVERIFY(!ana()->position());
        DialogWatch watch;
        click(u"cmdCartella"_s);
        QVERIFY(watch.shown.isEmpty());
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Warning);
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: l'abbinamento di una cartella ad un Visitatore può avvenire soltanto dopo che la scheda è "
            u"stata inserita in archivio."_s);
    }

    void emailButtonStartsAMessage_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("target");
        QTest::newRow("address") << u"mario.rossi@example.it "_s << u"mailto:mario.rossi@example.it"_s;
        QTest::newRow("blank") << u"   "_s << u"mailto:"_s;
    }

    void emailButtonStartsAMessage()
    {
        QFETCH(QString, address);
        QList<QUrl> opened;
        TMisc::setOpener([&opened](const QUrl &url) { opened.append(url); });
        setBox(u"txtEmail"_s, address);
        click(u"btnEmail"_s);
        QCOMPARE(opened.size(), 1);
        QTEST(opened.first().toString(), "target");
    }

    void helpImageAsksForTheRegistryTopic()
    {
        QList<std::pair<QWidget *, HelpTopic>> asked;
        SetHelpOpener([&asked](QWidget *owner, HelpTopic topic) { asked.append({ owner, topic }); });
        click(u"cmdGuida"_s);
        SetHelpOpener({});
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().first, ana());
        QVERIFY(asked.first().second == HelpTopic::Anagrafica);
    }

    // The attachments dialog gets the six slots and, applied, gives them back to the hidden
    // labels, which reach the file with the next save; Annulla leaves them.
    void attachmentsGoThroughTheDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("Applica e chiudi") << u"btnApplica"_s << true;
        QTest::newRow("Annulla") << u"btnAnnulla"_s << false;
    }

    void attachmentsGoThroughTheDialog()
    {
        QFETCH(QString, button);
        QFETCH(bool, applied);
        TSchedaAnagrafica card = sampleCard(1);
        card.File01 = u"contratto.pdf"_s;
        card.Desc01 = u"Contratto"_s;
        card.File02 = QString();
        card.Desc02 = u"Vuoto"_s;
        card.File03 = u"foto.jpg"_s;
        card.Desc03 = QString();
        setCard(card);
        label(u"lblFile01"_s)->setText(u" contratto.pdf "_s);
        QStringList prefilled;
        WhenModalShown([&](QDialog *dialog) {
            for (const char *name : { "txtFile01", "txtDesc01", "txtFile02", "txtDesc02", "txtFile03", "txtDesc03" })
                prefilled.append(dialog->findChild<QLineEdit *>(QString::fromLatin1(name))->text());
            QTest::mouseClick(dialog->findChild<ClickableImage *>(u"imgCancella01"_s), Qt::LeftButton);
            dialog->findChild<QLineEdit *>(u"txtDesc02"_s)->setText(u" Nuova descrizione "_s);
            dialog->findChild<QPushButton *>(button)->click();
        });
        click(u"cmdFile"_s);
        QCOMPARE(prefilled,
            QStringList({ u"contratto.pdf"_s, u"Contratto"_s, QString(), u"Vuoto"_s, u"foto.jpg"_s, QString() }));
        if (applied) {
            card.File01.clear();
            card.Desc02 = u"Nuova descrizione"_s;
        }
        QCOMPARE(ana()->currentCard(), card);
        QVERIFY(!QFile::exists(registry()));
        click(u"cmdSalva"_s);
        QCOMPARE(TSchedaAnagrafica::fromBytes(fileBytes()), card);
    }

    // The print image prints the card on screen, each value trimmed, and changes nothing.
    void printsTheCardOnScreen()
    {
        TSchedaAnagrafica card = sampleCard(2);
        setCard(card);
        setBox(u"txtCognome"_s, u"  Verdi "_s);
        setBox(u"txtNome"_s, u"Luigi"_s);
        const QString pdf = m_app->file(u"scheda.pdf"_s);
        PdfPrinting printing(pdf);
        click(u"cmdStampa"_s);
        QCOMPARE(printing.dialogs, 1);
        const QList<PdfPage> pages = ReadPdfLayout(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages.first().linesContaining(u"Verdi Luigi"_s).size(), 1);
        QCOMPARE(pages.first().linesContaining(u"SCHEDA INFORMATIVA DEL VISITATORE"_s).size(), 1);
        QCOMPARE(pages.first().linesContaining(u"Stampa eseguita in data 07/03/2026 alle ore 09:05:42"_s).size(), 1);
        QCOMPARE(boxText(u"txtCognome"_s), u"  Verdi "_s);
        QCOMPARE(m_app->messages.count(), 0);
        QVERIFY(!QFile::exists(registry()));

        PdfPrinting cancelled { QString() };
        click(u"cmdStampa"_s);
        QCOMPARE(cancelled.dialogs, 1);
        QCOMPARE(m_app->messages.count(), 0);
    }
};

QTEST_MAIN(TestAnagrafica)
#include "TestAnagrafica.moc"
