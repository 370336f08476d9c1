#include "app/AppWindows.h"
#include "clients/AllegaCartella.h"
#include "clients/Anagrafica.h"
#include "storage/StorableText.h"
#include "visits/Registro.h"

#include "AppFixture.h"
#include "ClientCards.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "VisitCards.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString Ask = u" contiene caratteri che non possono essere memorizzati in archivio: "_s;
const QString Transcribe = u".\r\n\r\nSi vuole sostituirli con la loro trascrizione in caratteri latini?"_s;

// Field offsets of the two records, as published: the length byte, then the text.
struct StoredField
{
    QString box;
    int offset;
};
const QList<StoredField> VisitOffsets
    = { { u"txtCognome"_s, 68 }, { u"txtNome"_s, 119 }, { u"txtMotivo"_s, 187 }, { u"txtNote"_s, 473 } };
const QList<StoredField> ClientOffsets
    = { { u"txtCognome"_s, 0 }, { u"txtNome"_s, 51 }, { u"txtComuneNasc"_s, 132 }, { u"txtNote"_s, 1783 } };

int offsetOf(const QList<StoredField> &table, const QString &box)
{
    for (const StoredField &f : table) {
        if (f.box == box)
            return f.offset;
    }
    return -1;
}

QByteArray lengthPrefixed(const QByteArray &text)
{
    return char(text.size()) + text;
}

} // namespace

// Text the archive cannot store is never saved as question marks: both card editors ask, and on
// Sì show the Latin transcription for the operator to save; the file stays as it was until then.
class TestUnstorableText : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    QString archive(bool visits) const { return m_app->file(visits ? u"2026.vis"_s : u"Visitatori.pro"_s); }
    QByteArray bytes(bool visits) const
    {
        QFile file(archive(visits));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QWidget *editor(bool visits)
    {
        return visits ? static_cast<QWidget *>(Windows().registro()) : static_cast<QWidget *>(Windows().anagrafica());
    }

    // One stored card, shown in its editor, that passes every other check of the save.
    void showStoredCard(bool visits)
    {
        if (visits) {
            const TSchedaVisita card
                = VisitCard({ { VisitField::DataEnt, u"07/03/2026"_s }, { VisitField::OraEnt, u"09:05"_s },
                    { VisitField::Cognome, u"Rossi"_s }, { VisitField::Nome, u"Anna"_s } });
            QFile file(archive(true));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(card.toBytes());
            file.close();
            Windows().registro()->setYearFile(archive(true));
            Windows().registro()->showScreen();
            Windows().registro()->loadCard(card, 1);
        } else {
            using F = ClientField;
            const TSchedaAnagrafica card = ClientRecord({ { F::Cognome, u"Rossi"_s }, { F::Nome, u"Anna"_s },
                { F::Decorrenza, u"07/03/2026"_s }, { F::Scadenza, u"07/03/2026"_s }, { F::Preavviso, u"0"_s },
                { F::Totale, u"0,00"_s }, { F::Rata, u"0,00"_s } });
            AppendClients({ card });
            Windows().anagrafica()->showScreen();
            Windows().anagrafica()->loadCard(card, 1);
        }
        QVERIFY(QTest::qWaitForWindowExposed(editor(visits)));
    }

    static void save(bool visits) { ClickControl(editor(visits), visits ? u"btnSalva"_s : u"cmdSalva"_s); }

private Q_SLOTS:
    void init() { m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42))); }

    void cleanup() { m_app.reset(); }

    void characters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("unstorable");
        QTest::addColumn<QString>("transcription");
        QTest::newRow("Greek") << u"Παπαδόπουλος"_s
                               << QStringList { u"Π"_s, u"α"_s, u"π"_s, u"δ"_s, u"ό"_s, u"ο"_s, u"υ"_s, u"λ"_s, u"ς"_s }
                               << u"Papadópoulos"_s;
        QTest::newRow("emoji, whole, and Greek beside Latin")
            << u"Nikos 😀 Ωμέγα"_s << QStringList { u"😀"_s, u"Ω"_s, u"μ"_s, u"έ"_s, u"γ"_s, u"α"_s } << u"Nikos Oméga"_s;
        QTest::newRow("Cyrillic words") << u"  Иван Петров "_s
                                        << QStringList { u"И"_s, u"в"_s, u"а"_s, u"н"_s, u"П"_s, u"е"_s, u"т"_s, u"р"_s,
                                               u"о"_s }
                                        << u"Ivan Petrov"_s;
        QTest::newRow("accented Latin and euro kept, the rest written plainly")
            << u"Caffè 2 € – Łódź, Θεσσαλονίκη"_s
            << QStringList { u"Ł"_s, u"ź"_s, u"Θ"_s, u"ε"_s, u"σ"_s, u"α"_s, u"λ"_s, u"ο"_s, u"ν"_s, u"ί"_s, u"κ"_s,
                   u"η"_s }
            << u"Caffè 2 € – Lódz, Thessaloníke"_s;
        QTest::newRow("a flag is one character") << u"Roma 🇮🇹🇮🇹"_s << QStringList { u"🇮🇹"_s } << u"Roma"_s;
        QTest::newRow("only what cannot be written, between words")
            << u"a 😀 😀 b"_s << QStringList { u"😀"_s } << u"a b"_s;
        QTest::newRow("storable: accents, euro, a letter typed with its mark")
            << u"Zoë Ñandú 5 € Jose\u0301"_s << QStringList() << u"Zoë Ñandú 5 € Jose\u0301"_s;
        QTest::newRow("Latin letter the code page lacks") << u"Dvořák"_s << QStringList { u"ř"_s } << u"Dvorák"_s;
    }
    void characters()
    {
        QFETCH(QString, text);
        QTEST(UnstorableCharacters(text), "unstorable");
        QTEST(StorableTranscription(text), "transcription");
    }

    void save_data()
    {
        QTest::addColumn<bool>("visits");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("laterBox"); // a second box holding such characters, if any
        QTest::addColumn<QString>("laterTyped");
        QTest::addColumn<QString>("laterShown");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // the box after the answer
        QTest::addColumn<QByteArray>("stored"); // its field after the second save, length byte first

        QTest::newRow("visit: Greek surname, Sì")
            << true << u"txtCognome"_s << u"Παπαδόπουλος"_s << QString() << QString() << QString() << true
            << u"Attenzione: il campo Cognome"_s + Ask + u"Π α π δ ό ο υ λ ς"_s + Transcribe << u"Papadópoulos"_s
            << lengthPrefixed("Papad\xf3poulos");
        QTest::newRow("visit: emoji in the first name, Sì")
            << true << u"txtNome"_s << u"Nikos 😀 Ωμέγα"_s << QString() << QString() << QString() << true
            << u"Attenzione: il campo Nome"_s + Ask + u"😀 Ω μ έ γ α"_s + Transcribe << u"Nikos Oméga"_s
            << lengthPrefixed("Nikos Om\xe9ga");
        QTest::newRow("visit: Cyrillic reason, No")
            << true << u"txtMotivo"_s << u"Встреча"_s << QString() << QString() << QString() << false
            << u"Attenzione: il campo Motivo della visita"_s + Ask + u"В с т р е ч а"_s + Transcribe << u"Встреча"_s
            << QByteArray();
        QTest::newRow("visit: two boxes, the first in field order named, both written")
            << true << u"txtNome"_s << u"Ωμέγα"_s << u"txtNote"_s << u"ok 😀"_s << u"ok"_s << true
            << u"Attenzione: il campo Nome"_s + Ask + u"Ω μ έ γ α"_s + Transcribe << u"Oméga"_s
            << lengthPrefixed("Om\xe9ga");
        QTest::newRow("visit: accents and euro saved at once")
            << true << u"txtNote"_s << u"Caffè 2 € – Zoë"_s << QString() << QString() << QString() << true << QString()
            << u"Caffè 2 € – Zoë"_s << lengthPrefixed("Caff\xe8 2 \x80 \x96 Zo\xeb");
        QTest::newRow("client: Greek surname, Sì")
            << false << u"txtCognome"_s << u"Παπαδόπουλος"_s << QString() << QString() << QString() << true
            << u"Attenzione: il campo Cognome"_s + Ask + u"Π α π δ ό ο υ λ ς"_s + Transcribe << u"Papadópoulos"_s
            << lengthPrefixed("Papad\xf3poulos");
        QTest::newRow("client: a later box is not named, No")
            << false << u"txtComuneNasc"_s << u"Θεσσαλονίκη"_s << u"txtNote"_s << u"😀"_s << u"😀"_s << false
            << u"Attenzione: il campo Comune di nascita"_s + Ask + u"Θ ε σ α λ ο ν ί κ η"_s + Transcribe
            << u"Θεσσαλονίκη"_s << QByteArray();
        QTest::newRow("client: an emoji alone leaves the box empty")
            << false << u"txtNote"_s << u" 😀 "_s << QString() << QString() << QString() << true
            << u"Attenzione: il campo Note"_s + Ask + u"😀"_s + Transcribe << QString() << lengthPrefixed("");
    }
    void save()
    {
        QFETCH(bool, visits);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, laterBox);
        QFETCH(QString, laterTyped);
        QFETCH(QString, laterShown);
        QFETCH(bool, yes);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);

        showStoredCard(visits);
        auto *edit = editor(visits)->findChild<QLineEdit *>(box);
        QVERIFY(edit);
        edit->setText(typed);
        if (!laterBox.isEmpty())
            editor(visits)->findChild<QLineEdit *>(laterBox)->setText(laterTyped);
        const QByteArray before = bytes(visits);
        const int offset = offsetOf(visits ? VisitOffsets : ClientOffsets, box);
        QVERIFY(offset >= 0);

        if (message.isEmpty()) {
            save(visits);
            QCOMPARE(m_app->messages.count(), 1);
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
            QCOMPARE(bytes(visits).mid(offset, stored.size()), stored);
            return;
        }

        m_app->messages.answers = { yes };
        save(visits);
        QCOMPARE(m_app->messages.count(), 1);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_app->messages.lastText(), message);
        QCOMPARE(bytes(visits), before);
        QCOMPARE(edit->text(), shown);
        if (yes)
            QCOMPARE(edit->cursorPosition(), 0); // the transcription is read from its start
        // After Sì the card is not saved yet, and the hint line says so.
        QCOMPARE(editor(visits)->findChild<QLabel *>(u"panInfo"_s)->text()
                == u"Trascrizione inserita: controllare la scheda e premere Salva."_s,
            yes);
        if (!laterBox.isEmpty()) {
            QCOMPARE(editor(visits)->findChild<QLineEdit *>(laterBox)->text(), laterShown);
        }
        QTRY_COMPARE(QApplication::focusWidget(), edit);

        // The second save: stored as shown after Sì; after No the same question and nothing written.
        m_app->messages.answers = { false };
        save(visits);
        QCOMPARE(m_app->messages.count(), 2);
        if (yes) {
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
            QCOMPARE(bytes(visits).size(), before.size());
            QCOMPARE(bytes(visits).mid(offset, stored.size()), stored);
        } else {
            QCOMPARE(m_app->messages.lastText(), message);
            QCOMPARE(bytes(visits), before);
        }
    }

    // The attachment dialog settles its descriptions before the editor takes them into its labels.
    void attachmentDescriptions()
    {
        TfrmAllegaCartella dlg;
        dlg.setOpenedByEditor();
        auto *description = dlg.findChild<QLineEdit *>(u"txtDesc02"_s);
        description->setText(u"Διαβατήριο"_s);
        m_app->messages.answers = { true };
        ClickControl(&dlg, u"btnApplica"_s);
        QCOMPARE(m_app->messages.lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_app->messages.lastText(),
            u"Attenzione: il campo Descrizione 2° file allegato"_s + Ask + u"Δ ι α β τ ή ρ ο"_s + Transcribe);
        QVERIFY(!dlg.appliedSlots());
        QCOMPARE(description->text(), u"Diabaterio"_s);

        ClickControl(&dlg, u"btnApplica"_s);
        QVERIFY(dlg.appliedSlots());
        QCOMPARE(dlg.appliedSlots()->at(1).description, description->text());
    }
};

QTEST_MAIN(TestUnstorableText)
#include "TestUnstorableText.moc"
