#include "widgets/Help.h"

#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

// The help seam: a help request reaches the opener start-up set, with its owner and topic. What each
// help control opens is tested with the help window (tests/app/TestGuida).
class TestHelp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showHelpReachesTheOpener()
    {
        QWidget owner;
        ShowHelp(&owner, HelpTopic::Avvio); // no opener yet: nothing happens

        QList<std::pair<QWidget *, HelpTopic>> asked;
        SetHelpOpener([&asked](QWidget *w, HelpTopic topic) { asked.append({ w, topic }); });
        ShowHelp(&owner, HelpTopic::Statistiche);
        ShowHelp(nullptr, HelpTopic::ExpClienti);
        SetHelpOpener({});
        ShowHelp(&owner, HelpTopic::Riepilogo);

        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[0].first, &owner);
        QVERIFY(asked[0].second == HelpTopic::Statistiche);
        QCOMPARE(asked[1].first, nullptr);
        QVERIFY(asked[1].second == HelpTopic::ExpClienti);
    }
};

QTEST_MAIN(TestHelp)
#include "TestHelp.moc"
