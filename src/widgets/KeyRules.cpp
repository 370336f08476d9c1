#include "widgets/KeyRules.h"

#include "base/TextFunctions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Enter moves on as Tab does: the box reached has its text selected, so typing replaces what a
// new card put there (today's date, "0,00") instead of adding to it.
void moveTo(QWidget *next)
{
    next->setFocus(Qt::TabFocusReason);
}

class EnterMover : public QObject
{
public:
    EnterMover(QWidget *box, QWidget *next)
        : QObject(box)
        , m_next(next)
    {
        box->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
            moveTo(m_next);
            return true;
        }
        return false;
    }

private:
    QWidget *m_next;
};

class DigitFilter : public QObject
{
public:
    DigitFilter(QLineEdit *box, QWidget *next, const QString &alsoAllowed)
        : QObject(box)
        , m_box(box)
        , m_next(next)
        , m_alsoAllowed(alsoAllowed)
    {
        box->installEventFilter(this);
        // Pasted or dropped text arrives as an edit, not as keys: it keeps what typing could enter.
        connect(box, &QLineEdit::textEdited, this, [this] { dropUntypable(); });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (isEnter(key)) {
            moveTo(m_next);
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        // Filtered before the box's length limit cuts it, so a year pasted with blanks around fits.
        if (key->matches(QKeySequence::Paste)) {
            m_box->insert(typableOnly(QGuiApplication::clipboard()->text()));
            return true;
        }
        // The editing shortcuts go through (pasted text is filtered as an edit); AltGr characters do not.
        for (QKeySequence::StandardKey shortcut : { QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                 QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll }) {
            if (key->matches(shortcut))
                return false;
        }
        const QString typed = key->text();
        return std::ranges::any_of(typed, [this](QChar c) { return !typable(c); });
    }

private:
    bool typable(QChar c) const { return (c >= u'0' && c <= u'9') || m_alsoAllowed.contains(c); }

    QString typableOnly(const QString &text) const
    {
        QString kept;
        for (QChar c : text) {
            if (typable(c))
                kept.append(c);
        }
        return kept;
    }

    void dropUntypable()
    {
        const QString text = m_box->text();
        const QString kept = typableOnly(text);
        if (kept == text)
            return;
        const int caret = int(typableOnly(text.left(m_box->cursorPosition())).size());
        m_box->setText(kept);
        m_box->setCursorPosition(caret);
    }

    QLineEdit *m_box;
    QWidget *m_next;
    QString m_alsoAllowed;
};

// Replaces the box's text by its normal form, the caret keeping its place among the characters
// that stay.
void applyRule(QLineEdit *box, QString (*normalForm)(const QString &))
{
    const QString typed = box->text();
    const QString normal = normalForm(typed);
    if (normal == typed)
        return;
    const QString trimmed = TrimText(typed);
    const qsizetype cutInFront = trimmed.isEmpty() ? typed.size() : typed.indexOf(trimmed);
    const qsizetype caret = std::clamp<qsizetype>(box->cursorPosition() - cutInFront, 0, normal.size());
    box->setText(normal);
    box->setCursorPosition(int(caret));
}

class AsTyped : public QObject
{
public:
    AsTyped(QLineEdit *box, QString (*normalForm)(const QString &), bool onKeyRelease)
        : QObject(box)
        , m_box(box)
        , m_normalForm(normalForm)
    {
        if (onKeyRelease)
            box->installEventFilter(this);
        // textEdited, not textChanged: a card loaded into the box shows as it was stored.
        connect(box, &QLineEdit::textEdited, this, [this] { applyRule(m_box, m_normalForm); });
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease)
            applyRule(m_box, m_normalForm);
        return false;
    }

private:
    QLineEdit *m_box;
    QString (*m_normalForm)(const QString &);
};

} // namespace

void InstallEnterCycle(const QList<QWidget *> &boxes)
{
    for (qsizetype i = 0; i < boxes.size(); ++i)
        new EnterMover(boxes.at(i), boxes.at((i + 1) % boxes.size()));
}

void InstallEnterMovesTo(QWidget *box, QWidget *next)
{
    new EnterMover(box, next);
}

void InstallDigitFilter(QLineEdit *box, QWidget *next, const QString &alsoAllowed)
{
    new DigitFilter(box, next, alsoAllowed);
}

void InstallYearBoxFilter(QLineEdit *box, QWidget *next)
{
    box->setMaxLength(4);
    InstallDigitFilter(box, next);
}

void InstallUpperCaseAsTyped(QLineEdit *box)
{
    new AsTyped(box, &TrimUpperAZ, true);
}

void ApplyUpperCaseAsTyped(QLineEdit *box)
{
    applyRule(box, &TrimUpperAZ);
}

void InstallTrimmedAsTyped(QLineEdit *box)
{
    new AsTyped(box, &TrimText, false);
}

void ShowBoxText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}
