#include "widgets/CardEditor.h"

#include "storage/StorageError.h"
#include "widgets/HintLine.h"

#include <QKeySequence>
#include <QResizeEvent>
#include <QShortcut>

namespace {
constexpr int HintHeight = 28;
}

CardEditor::CardEditor(const QString &className, const QString &caption, const QString &readyHint, QWidget *parent)
    : Screen(className, caption, Screen::Kind::Maximized, QSize(995, 692), parent)
    , m_panInfo(new HintLine(this, QRect(0, height() - HintHeight, width(), HintHeight), readyHint))
{
    m_panInfo->addBackground(this);
    m_panInfo->addBackground(panel());
    connect(
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, this, [this] { saveCard(); });
}

void CardEditor::makeRecordBar(QWidget *parent, const QPoint &origin, int height, const RecordBar::Sizes &sizes)
{
    m_bar = new RecordBar(parent, origin, height, sizes, m_panInfo);
    connect(m_bar, &RecordBar::stepAsked, this, [this](RecordArrow arrow) { stepTo(arrow); });
}

bool CardEditor::mayLeaveCard()
{
    return !cardChanged() || Messages::confirm(ArchiveTexts::unsavedChanges(), this);
}

void CardEditor::refuseSave(bool warning, const QString &message, QWidget *focus)
{
    Messages::refuse(message, warning, this, focus);
}

void CardEditor::runFileAction(const std::function<void()> &action)
{
    try {
        action();
    } catch (const StorageError &) {
        Messages::error(AccessFailureText(), this);
    }
}

void CardEditor::onClose()
{
    if (Screen *avvio = Screen::of(ScreenId::Avvio))
        switchTo(avvio);
}

void CardEditor::resizeEvent(QResizeEvent *event)
{
    Screen::resizeEvent(event);
    m_panInfo->setGeometry(0, height() - HintHeight, width(), HintHeight);
}
