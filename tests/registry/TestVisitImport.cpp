#include "AppFixture.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "app/AppWindows.h"
#include "register/Registro.h"
#include "storage/TSchedaVisita.h"
#include "widgets/ClickableImage.h"
#include "widgets/Dialog.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

// The visit editor's three import images open the client search with their mode word; a search
// closed without a choice changes nothing and writes nothing.
class TestVisitImport : public QObject
{
    Q_OBJECT

private:
    std::optional<MessageRecorder> m_messages;
    std::optional<AppFixture> m_app;

    static TfrmRegistro *reg() { return Windows().registro; }

private Q_SLOTS:
    void init()
    {
        m_messages.emplace();
        m_app.emplace(QDateTime(QDate(2026, 3, 7), QTime(9, 5)));
        reg()->openYear(u"2026"_s);
        reg()->showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(reg()));
    }

    void cleanup()
    {
        m_app.reset();
        m_messages.reset();
    }

    void imagesOpenTheSearchWithTheirWord_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("word");
        QTest::newRow("visitor") << u"impVisitatore"_s << u"visitatore"_s;
        QTest::newRow("entry operator") << u"impOperatoreEnt"_s << u"operatore_ent"_s;
        QTest::newRow("exit operator") << u"impOperatoreUscita"_s << u"operatore_usc"_s;
    }

    void imagesOpenTheSearchWithTheirWord()
    {
        QFETCH(QString, image);
        TSchedaVisita card;
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
            card.field(i) = u"v%1"_s.arg(i);
        card.DataEnt = u"07/03/2026"_s;
        reg()->loadCard(card, 4);

        QString opened;
        QString word;
        QWidget *owner = nullptr;
        WhenModalShown([&](QDialog *dialog) {
            opened = dialog->objectName();
            owner = dialog->parentWidget();
            if (auto *memory = dialog->findChild<QLabel *>(u"lblMemory"_s))
                word = memory->text();
            qobject_cast<Dialog *>(dialog)->closeDialog();
        });
        QTest::mouseClick(reg()->findChild<ClickableImage *>(image), Qt::LeftButton);
        QCOMPARE(opened, u"TfrmTrovaClienti"_s);
        QCOMPARE(owner, reg());
        QTEST(word, "word");
        QCOMPARE(reg()->currentCard(), card);
        QCOMPARE(reg()->findChild<QLabel *>(u"lblPosizione"_s)->text(), u"4"_s);
        QCOMPARE(m_messages->count(), 0);
        QVERIFY(!QFile::exists(m_app->file(u"2026.vis"_s)));
    }
};

QTEST_MAIN(TestVisitImport)
#include "TestVisitImport.moc"
