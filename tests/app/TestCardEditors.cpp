#include "AppFixture.h"
#include "ClientCards.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"
#include "VisitCards.h"

#include "app/AppWindows.h"
#include "base/RecordStep.h"
#include "clients/Anagrafica.h"
#include "storage/ClientFile.h"
#include "storage/VisitFile.h"
#include "visits/Registro.h"

#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

enum class Editor { Visits, Clients };

// One editor as the table drives it: its cards as field lists, its file, its Nuovo button.
struct EditorUnderTest
{
    CardEditor *screen;
    QString newButton;
    QString file;
    int recordSize;
    std::function<void(int count)> write;
    std::function<QStringList(int n)> sample; // 0: the card the screen starts with
    std::function<void(int n, int position)> load;
    std::function<QStringList()> current;
};

template<typename Record> QStringList fieldsOf(const Record &card)
{
    QStringList fields;
    for (int i = 0; i < Record::FieldCount; ++i)
        fields.append(card.field(i));
    return fields;
}

TSchedaVisita visitCard(int n)
{
    if (n == 0)
        return VisitCard({ { VisitField::Cognome, u"Sullo schermo"_s } });
    return VisitCard({ { VisitField::DataEnt, u"07/03/2026"_s }, { VisitField::OraEnt, u"09:0%1"_s.arg(n) },
        { VisitField::Cognome, u"Cognome %1"_s.arg(n) }, { VisitField::Nome, u"Nome %1"_s.arg(n) } });
}

TSchedaAnagrafica clientCard(int n)
{
    if (n == 0)
        return ClientRecord({ { ClientField::Cognome, u"Sullo schermo"_s }, { ClientField::File02, u"resta.pdf"_s } });
    return ClientRecord({ { ClientField::Cognome, u"Cognome %1"_s.arg(n) }, { ClientField::Nome, u"Nome %1"_s.arg(n) },
        { ClientField::Email, u"n%1@example.it"_s.arg(n) } });
}

EditorUnderTest editorUnderTest(Editor editor, const QString &yearFile)
{
    if (editor == Editor::Visits) {
        TfrmRegistro *reg = Windows().registro();
        return { reg, u"btnNuovo"_s, yearFile, TSchedaVisita::RecordSize,
            [yearFile](int count) {
                QList<TSchedaVisita> cards;
                for (int n = 1; n <= count; ++n)
                    cards.append(visitCard(n));
                WriteVisits(yearFile, cards);
            },
            [](int n) { return fieldsOf(visitCard(n)); }, [reg](int n, int p) { reg->loadCard(visitCard(n), p); },
            [reg] { return fieldsOf(reg->currentCard()); } };
    }
    TfrmAnagrafica *ana = Windows().anagrafica();
    return { ana, u"cmdNuovo"_s, ClientFilePath(), TSchedaAnagrafica::RecordSize,
        [](int count) {
            QList<TSchedaAnagrafica> cards;
            for (int n = 1; n <= count; ++n)
                cards.append(clientCard(n));
            AppendClients(cards);
        },
        [](int n) { return fieldsOf(clientCard(n)); }, [ana](int n, int p) { ana->loadCard(clientCard(n), p); },
        [ana] { return fieldsOf(ana->currentCard()); } };
}

} // namespace

Q_DECLARE_METATYPE(Editor)

// Both card editors share their frame: the record bar and where its arrows lead, the question
// before a changed card is dropped, and the one message of a file that cannot be read.
class TestCardEditors : public QObject
{
    Q_OBJECT

private:
    std::optional<AppFixture> m_app;

    QString yearFile() const { return m_app->file(u"2026.vis"_s); }

    static void addRow(const char *name, int cards, int shown, const QString &arrow, const QString &expected, int card,
        bool emptyMessage)
    {
        for (Editor editor : { Editor::Visits, Editor::Clients }) {
            QTest::addRow("%s: %s", editor == Editor::Visits ? "visits" : "clients", name)
                << editor << cards << shown << arrow << expected << card << emptyMessage;
        }
    }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 42)));
        Windows().registro()->setYearFile(yearFile());
    }
    void cleanup() { m_app.reset(); }

    void navigation_data()
    {
        QTest::addColumn<Editor>("editor");
        QTest::addColumn<int>("cards");
        QTest::addColumn<int>("shown"); // the position on screen before; 0: a new card
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("expected"); // the position label after
        QTest::addColumn<int>("card"); // the card on screen after; 0: the screen kept its card
        QTest::addColumn<bool>("emptyMessage");

        addRow("empty: first", 0, 0, u"cmdPrimo"_s, QString(), 0, true);
        addRow("empty: last", 0, 0, u"cmdUltimo"_s, QString(), 0, true);
        addRow("empty: next", 0, 0, u"cmdAvanti"_s, QString(), 0, true);
        addRow("empty: previous", 0, 0, u"cmdIndietro"_s, QString(), 0, true);
        addRow("empty: previous on the first", 0, 1, u"cmdIndietro"_s, u"1"_s, 0, false);
        // The arrows agree: a position the emptied file no longer has is not kept.
        addRow("empty: first also empties the label", 0, 2, u"cmdPrimo"_s, QString(), 0, true);
        addRow("empty: last also empties the label", 0, 2, u"cmdUltimo"_s, QString(), 0, true);
        addRow("empty: next also empties the label", 0, 2, u"cmdAvanti"_s, QString(), 0, true);
        addRow("empty: previous also empties the label", 0, 3, u"cmdIndietro"_s, QString(), 0, true);
        addRow("one: first", 1, 0, u"cmdPrimo"_s, u"1"_s, 1, false);
        addRow("one: next on a new card", 1, 0, u"cmdAvanti"_s, u"1"_s, 1, false);
        addRow("one: previous on a new card", 1, 0, u"cmdIndietro"_s, u"1"_s, 1, false);
        addRow("one: next on the only card", 1, 1, u"cmdAvanti"_s, u"1"_s, 0, false);
        addRow("one: last", 1, 1, u"cmdUltimo"_s, u"1"_s, 1, false);
        addRow("three: first", 3, 2, u"cmdPrimo"_s, u"1"_s, 1, false);
        addRow("three: last", 3, 0, u"cmdUltimo"_s, u"3"_s, 3, false);
        addRow("three: next", 3, 1, u"cmdAvanti"_s, u"2"_s, 2, false);
        addRow("three: previous", 3, 3, u"cmdIndietro"_s, u"2"_s, 2, false);
        addRow("three: previous from 2", 3, 2, u"cmdIndietro"_s, u"1"_s, 1, false);
        addRow("three: next on the last", 3, 3, u"cmdAvanti"_s, u"3"_s, 0, false);
        addRow("three: previous on the first", 3, 1, u"cmdIndietro"_s, u"1"_s, 0, false);
        // The file shrank under the card on screen: the card before it is the file's last one.
        addRow("three: previous, file shrank under card 5", 3, 5, u"cmdIndietro"_s, u"3"_s, 3, false);
        addRow("three: next, file shrank under card 5", 3, 5, u"cmdAvanti"_s, u"5"_s, 0, false);
    }

    void navigation()
    {
        QFETCH(Editor, editor);
        QFETCH(int, cards);
        QFETCH(int, shown);
        QFETCH(QString, arrow);
        QFETCH(QString, expected);
        QFETCH(int, card);
        QFETCH(bool, emptyMessage);
        const EditorUnderTest e = editorUnderTest(editor, yearFile());
        e.screen->showScreen();
        e.write(cards);
        // As loaded or started: nothing to ask before it is replaced.
        if (shown > 0)
            e.load(0, shown);
        else
            ClickControl(e.screen, e.newButton);
        const QStringList before = e.current();

        ClickControl(e.screen, arrow);
        QCOMPARE(e.screen->findChild<QLabel *>(u"lblPosizione"_s)->text(), expected);
        QCOMPARE(e.screen->position(), expected.isEmpty() ? std::nullopt : std::optional<int>(expected.toInt()));
        QCOMPARE(e.current(), card ? e.sample(card) : before);
        if (emptyMessage) {
            QCOMPARE(m_app->messages.count(), 1);
            QCOMPARE(m_app->messages.lastKind(), MessageKind::Information);
            QCOMPARE(m_app->messages.lastText(), ArchiveTexts::emptyArchive());
        } else {
            QCOMPARE(m_app->messages.count(), 0);
        }
        // Browsing never writes; a missing file is created empty.
        QCOMPARE(QFileInfo(e.file).size(), qint64(e.recordSize) * cards);
    }
};

QTEST_MAIN(TestCardEditors)
#include "TestCardEditors.moc"
