#include "widgets/ClickableImage.h"
#include "widgets/FocusFrame.h"
#include "widgets/HintLine.h"
#include "widgets/KeyRules.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// Focus frames, the Enter cycle, the year-box filter and hover hints on a small form.
class TestScreenConventions : public QObject
{
    Q_OBJECT

private:
    static QLineEdit *box(QWidget *parent, const QString &name, int y)
    {
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(name);
        edit->setGeometry(20, y, 200, 26);
        return edit;
    }

private Q_SLOTS:
    void focusFrameFollowsFocus()
    {
        QWidget form;
        form.resize(300, 200);
        QLineEdit *first = box(&form, u"txtCognome"_s, 20);
        QLineEdit *second = box(&form, u"txtNome"_s, 80);
        QWidget *frame = AttachFocusFrame(first);
        AttachFocusFrame(second);
        QCOMPARE(frame->objectName(), u"effCognome"_s);
        QCOMPARE(frame->geometry(), first->geometry().adjusted(-4, -4, 4, 4));
        QVERIFY(frame->isHidden());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        second->setFocus();
        QTRY_VERIFY(!frame->isVisible());
        first->setFocus();
        QTRY_VERIFY(frame->isVisible());
        second->setFocus();
        QTRY_VERIFY(!frame->isVisible());
        QVERIFY(form.findChild<QWidget *>(u"effNome"_s)->isVisible());
    }

    void enterCyclesAndWraps()
    {
        QWidget form;
        QLineEdit *a = box(&form, u"txtA"_s, 10);
        QLineEdit *b = box(&form, u"txtB"_s, 40);
        QLineEdit *c = box(&form, u"txtC"_s, 70);
        InstallEnterCycle({ a, b, c });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), b);
        QTest::keyClick(b, Qt::Key_Enter);
        QTRY_COMPARE(QApplication::focusWidget(), c);
        QTest::keyClick(c, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), a);
        QTest::keyClicks(a, u"x1"_s); // other keys are left alone
        QCOMPARE(a->text(), u"x1"_s);
    }

    void yearBoxTakesDigitsOnly()
    {
        QWidget form;
        QLineEdit *year = box(&form, u"txtAnno"_s, 10);
        auto *next = new QPushButton(u"Apri"_s, &form);
        next->move(20, 60);
        InstallYearBoxFilter(year, next);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        year->setFocus();

        QTest::keyClicks(year, u"2a-0 2.6"_s);
        QCOMPARE(year->text(), u"2026"_s);
        QTest::keyClick(year, Qt::Key_9); // maximum length 4
        QCOMPARE(year->text(), u"2026"_s);
        QTest::keyClick(year, Qt::Key_Left);
        QTest::keyClick(year, Qt::Key_Backspace);
        QCOMPARE(year->text(), u"206"_s);
        QTest::keyClick(year, Qt::Key_Delete);
        QCOMPARE(year->text(), u"20"_s);
        QKeyEvent altGr(QEvent::KeyPress, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, u"€"_s);
        QApplication::sendEvent(year, &altGr); // AltGr characters are typed characters too
        QCOMPARE(year->text(), u"20"_s);
        QTest::keyClick(year, Qt::Key_Right);
        QTest::keyClick(year, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }

    void hoverHints()
    {
        QWidget form;
        form.resize(400, 300);
        auto *first = new QPushButton(u"Salva"_s, &form);
        first->setGeometry(10, 10, 80, 30);
        auto *second = new ClickableImage(u"btnEsci"_s, u":/img/none.svg"_s, QRect(100, 10, 40, 40), &form);
        auto *line = new HintLine(&form, QRect(0, 270, 400, 30), u"Pronto."_s);
        line->addHint(first, u"Salva la scheda."_s);
        line->addHint(second, u"Esci."_s);
        line->addBackground(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(line->objectName(), u"panInfo"_s);
        QCOMPARE(line->text(), u"Pronto."_s);
        QTest::mouseMove(first, QPoint(5, 5));
        QTRY_COMPARE(line->text(), u"Salva la scheda."_s);
        QTest::mouseMove(second, QPoint(5, 5));
        QTRY_COMPARE(line->text(), u"Esci."_s);
        QTest::mouseMove(second, QPoint(8, 8)); // resting on the control keeps its hint
        QTest::qWait(20);
        QCOMPARE(line->text(), u"Esci."_s);
        QTest::mouseMove(&form, QPoint(300, 150));
        QTRY_COMPARE(line->text(), QString());
        QCOMPARE(second->cursor().shape(), Qt::PointingHandCursor);
    }

    void imageClicksOnReleaseInside()
    {
        ClickableImage image(u"imgEsci"_s, u":/img/none.svg"_s, QRect(0, 0, 50, 50), nullptr);
        QSignalSpy clicked(&image, &ClickableImage::clicked);
        QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(80, 80)); // released outside
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestScreenConventions)
#include "TestScreenConventions.moc"
