#include "base/RecordBar.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(RecordStep::Action)

// The position label and the record-bar arrows both card editors share.
class TestRecordBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void positionLabel_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("position");
        QTest::newRow("empty: a new card") << QString() << true << 0;
        QTest::newRow("blanks") << u"  "_s << true << 0;
        QTest::newRow("number") << u"12"_s << true << 12;
        QTest::newRow("padded") << u" 3 "_s << true << 3;
        QTest::newRow("letters") << u"abc"_s << false << 0;
        QTest::newRow("sign") << u"-1"_s << false << 0;
        QTest::newRow("plus") << u"+2"_s << false << 0;
        QTest::newRow("inner blank") << u"1 2"_s << false << 0;
        QTest::newRow("too large") << u"99999999999"_s << false << 0;
    }

    void positionLabel()
    {
        QFETCH(QString, label);
        QFETCH(bool, valid);
        const std::optional<int> position = PositionFromLabel(label);
        QCOMPARE(position.has_value(), valid);
        if (valid)
            QTEST(*position, "position");
    }

    void arrows_data()
    {
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<RecordStep::Action>("action");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("clears"); // the position label empties

        using A = RecordStep::Action;
        QTest::newRow("first, empty file") << u"first"_s << 0 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("first") << u"first"_s << 2 << 3 << A::Load << 1 << false;
        QTest::newRow("last, empty file") << u"last"_s << 0 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("last") << u"last"_s << 0 << 3 << A::Load << 3 << false;
        QTest::newRow("next, empty file") << u"next"_s << 2 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("next on a new card") << u"next"_s << 0 << 3 << A::Load << 1 << false;
        QTest::newRow("next") << u"next"_s << 1 << 3 << A::Load << 2 << false;
        QTest::newRow("next at the last") << u"next"_s << 3 << 3 << A::Stay << 3 << false;
        QTest::newRow("next, only card shown") << u"next"_s << 1 << 1 << A::Stay << 1 << false;
        QTest::newRow("previous, empty file") << u"previous"_s << 0 << 0 << A::EmptyArchive << 0 << true;
        // The card on screen was removed with the file's other cards: the label must not keep its place.
        QTest::newRow("previous, file emptied under the card shown")
            << u"previous"_s << 3 << 0 << A::EmptyArchive << 0 << true;
        QTest::newRow("previous at the first, empty file") << u"previous"_s << 1 << 0 << A::Stay << 1 << false;
        QTest::newRow("previous on a new card") << u"previous"_s << 0 << 3 << A::Load << 1 << false;
        QTest::newRow("previous") << u"previous"_s << 3 << 3 << A::Load << 2 << false;
        QTest::newRow("previous at the first") << u"previous"_s << 1 << 3 << A::Stay << 1 << false;
        // The file shrank under the card shown: the card before it is the file's last.
        QTest::newRow("previous, file shrank under the card shown")
            << u"previous"_s << 5 << 2 << A::Load << 2 << false;
        QTest::newRow("previous, card shown just past the end") << u"previous"_s << 3 << 2 << A::Load << 2 << false;
        QTest::newRow("next, file shrank under the card shown") << u"next"_s << 5 << 2 << A::Stay << 5 << false;
    }

    void arrows()
    {
        QFETCH(QString, arrow);
        QFETCH(int, current);
        QFETCH(int, count);
        RecordStep step;
        if (arrow == u"first"_s)
            step = FirstRecordStep(count);
        else if (arrow == u"last"_s)
            step = LastRecordStep(count);
        else if (arrow == u"next"_s)
            step = NextRecordStep(current, count);
        else
            step = PreviousRecordStep(current, count);
        QTEST(step.action, "action");
        if (step.action != RecordStep::Action::EmptyArchive)
            QTEST(step.position, "position");
        QTEST(step.clearsPosition(), "clears");
    }
};

QTEST_MAIN(TestRecordBar)
#include "TestRecordBar.moc"
