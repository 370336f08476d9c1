#include "base/RecordStep.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RecordStep::Action)
Q_DECLARE_METATYPE(RecordArrow)

// Where the record-bar arrows of both card editors lead.
class TestRecordStep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arrows_data()
    {
        QTest::addColumn<RecordArrow>("arrow");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<RecordStep::Action>("action");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("clears"); // the position label empties

        using A = RecordStep::Action;
        QTest::newRow("first, empty file") << RecordArrow::First << 0 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("first") << RecordArrow::First << 2 << 3 << A::Load << 1 << false;
        QTest::newRow("last, empty file") << RecordArrow::Last << 0 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("last") << RecordArrow::Last << 0 << 3 << A::Load << 3 << false;
        QTest::newRow("next, empty file") << RecordArrow::Next << 2 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("next on a new card") << RecordArrow::Next << 0 << 3 << A::Load << 1 << false;
        QTest::newRow("next") << RecordArrow::Next << 1 << 3 << A::Load << 2 << false;
        QTest::newRow("next at the last") << RecordArrow::Next << 3 << 3 << A::Stay << 3 << false;
        QTest::newRow("next, only card shown") << RecordArrow::Next << 1 << 1 << A::Stay << 1 << false;
        QTest::newRow("previous, empty file") << RecordArrow::Previous << 0 << 0 << A::EmptyArchive << 0 << true;
        // The card on screen was removed with the file's other cards: the label must not keep its place.
        QTest::newRow("previous, file emptied under the card shown")
            << RecordArrow::Previous << 3 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("previous at the first, empty file") << RecordArrow::Previous << 1 << 0 << A::Stay << 1 << false;
        QTest::newRow("previous on a new card") << RecordArrow::Previous << 0 << 3 << A::Load << 1 << false;
        QTest::newRow("previous") << RecordArrow::Previous << 3 << 3 << A::Load << 2 << false;
        QTest::newRow("previous at the first") << RecordArrow::Previous << 1 << 3 << A::Stay << 1 << false;
        // The file shrank under the card shown: the card before it is the file's last.
        QTest::newRow("previous, file shrank under the card shown")
            << RecordArrow::Previous << 5 << 2 << A::Load << 2 << false;
        QTest::newRow("previous, card shown just past the end")
            << RecordArrow::Previous << 3 << 2 << A::Load << 2 << false;
        QTest::newRow("next, file shrank under the card shown") << RecordArrow::Next << 5 << 2 << A::Stay << 5 << false;
    }

    void arrows()
    {
        QFETCH(RecordArrow, arrow);
        QFETCH(int, current);
        QFETCH(int, count);
        const RecordStep step = ArrowStep(arrow, current, count);
        QTEST(step.action, "action");
        if (step.action != RecordStep::Action::EmptyArchive)
            QTEST(step.position, "position");
        QTEST(step.clearsPosition(), "clears");
    }
};

QTEST_MAIN(TestRecordStep)
#include "TestRecordStep.moc"
