// Two and four desks appending to one year file at the same moment while another copy writes
// exits: every card arrives exactly once and whole, and the count is exact. bench_many_desks
// times the same with 10,000 cards a desk.

#include "Desks.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestManyDesks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCardArrivesOnce_data()
    {
        QTest::addColumn<int>("desks");
        QTest::newRow("two desks") << 2;
        QTest::newRow("four desks") << 4;
    }

    void everyCardArrivesOnce()
    {
        QFETCH(int, desks);
        constexpr int CardsPerDesk = 1000;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"2026.vis"_s);

        const Desks::Outcome outcome = Desks::run(QCoreApplication::applicationFilePath(), path, desks, CardsPerDesk);
        QVERIFY2(outcome.problem.isEmpty(), qPrintable(outcome.problem));
        QCOMPARE(outcome.cards, desks * CardsPerDesk);
        // The exits were written while the desks appended, not after.
        QVERIFY(outcome.exits > 0);
        QVERIFY(!QFileInfo::exists(path + u".lock"_s));
        qInfo("%d desks: %d cards appended, %d exits written meanwhile, 0 lost", desks, outcome.cards, outcome.exits);
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (const std::optional<int> status = Desks::runChild(app.arguments()))
        return *status;
    TestManyDesks test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestManyDesks.moc"
