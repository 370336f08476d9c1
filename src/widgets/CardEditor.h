#pragma once
// The frame both card editors share: the hint line along the bottom, the record bar and where its
// arrows lead, the one guarded block around each file action, the save that overwrites the card
// at its place or adds it, the question before a changed card is dropped, and Ctrl+S. Each editor
// says which file it works on and how its boxes show a card.

#include "base/RecordStep.h"
#include "storage/RecordFile.h"
#include "widgets/Messages.h"
#include "widgets/RecordBar.h"
#include "widgets/Screen.h"

#include <functional>
#include <optional>

class HintLine;

class CardEditor : public Screen
{
    Q_OBJECT

public:
    // The card's place in its file; nothing for a card not saved yet.
    std::optional<int> position() const { return m_bar ? m_bar->position() : std::nullopt; }

protected:
    CardEditor(const QString &className, const QString &caption, const QString &readyHint, QWidget *parent);

    HintLine *hintLine() const { return m_panInfo; }
    RecordBar *recordBar() const { return m_bar; }
    // The record bar, at `origin` on one of the editor's cards.
    void makeRecordBar(QWidget *parent, const QPoint &origin, int height, const RecordBar::Sizes &sizes);

    // Whether the card on screen differs from the one last loaded, saved or started.
    virtual bool cardChanged() const = 0;
    // True when the card on screen may be replaced or left: unchanged, or the operator agrees.
    bool mayLeaveCard();
    virtual void stepTo(RecordArrow arrow) = 0;
    // The save button's action, also on Ctrl+S.
    virtual void saveCard() = 0;

    // A save check refused the card: its message as a warning or a notice, then the focus on the
    // box it names, if any.
    void refuseSave(bool warning, const QString &message, QWidget *focus);
    // Runs one file action; any access failure ends it with the one fixed message.
    void runFileAction(const std::function<void()> &action);

    bool mayClose() override { return mayLeaveCard(); }
    void onClose() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    HintLine *m_panInfo;
    RecordBar *m_bar = nullptr;
};

// A card editor of one record type.
template<typename Record> class RecordEditor : public CardEditor
{
public:
    // Puts a stored card and its 1-based position on screen in one step (moves and hand-overs); with
    // position 0 the card is one not saved yet.
    virtual void loadCard(const Record &card, int position) = 0;
    // The card the boxes describe, every field trimmed.
    virtual Record currentCard() const = 0;

protected:
    using CardEditor::CardEditor;
    using File = RecordFile<Record>;

    // Where a saved card goes whose place the file no longer has: the write fails as the file
    // does, or the card is added so the operator's work is kept.
    enum class PastTheEnd { Fails, Added };

    virtual QString recordFilePath() const = 0;
    // The card as a save would store it, to compare with the last one loaded, saved or started.
    virtual Record asStored(const Record &card) const { return card; }

    // The card on screen, as a save would store it, becomes the one to compare with.
    void rememberCard() { m_lastCard = asStored(currentCard()); }
    bool cardChanged() const override { return asStored(currentCard()) != m_lastCard; }

    // Runs one file action on the editor's file, opened as `access` asks.
    void withFile(typename File::Access access, const std::function<void(File &file)> &action)
    {
        runFileAction([&] {
            File file;
            file.open(recordFilePath(), access);
            action(file);
        });
    }

    void stepTo(RecordArrow arrow) override
    {
        withFile(File::Access::Read, [&](File &file) {
            const RecordStep step = ArrowStep(arrow, position().value_or(0), file.count());
            if (step.action == RecordStep::Action::Load) {
                if (mayLeaveCard())
                    loadCard(file.readAt(step.position), step.position);
            } else if (step.clearsPosition()) {
                recordBar()->setPosition(std::nullopt);
            }
            file.close();
            if (step.action == RecordStep::Action::EmptyArchive)
                Messages::information(ArchiveTexts::emptyArchive(), this);
        });
    }

    // Overwrites the stored card at its place, or adds a new one and shows its position; then says
    // which was done.
    void storeCard(const Record &card, PastTheEnd pastTheEnd)
    {
        const std::optional<int> shown = position();
        std::optional<int> stored;
        bool added = false;
        withFile(File::Access::ReadWrite, [&](File &file) {
            if (shown && (pastTheEnd == PastTheEnd::Fails || *shown <= file.count())) {
                file.writeAt(*shown, card);
                stored = *shown;
                rememberCard();
                file.close();
                Messages::information(ArchiveTexts::changesSaved(), this);
            } else {
                // The card is on the disk once the append returns: it has its position even if
                // closing then fails, so a second save overwrites it instead of adding it again.
                stored = file.append(card);
                added = true;
                recordBar()->setPosition(*stored);
                rememberCard();
                file.close();
                Messages::information(ArchiveTexts::inserted(), this);
            }
        });
        // Once the file is closed: the register's own trouble never touches the card.
        if (stored)
            cardStored(*stored, added);
    }
    // A card was written at `position`, added or overwritten: the editor records it.
    virtual void cardStored(int position, bool added) = 0;

    // The card a list or a search handed back, if any, replaces the one on screen when it may.
    void takeChosen(const std::optional<StoredRecord<Record>> &chosen)
    {
        if (chosen && mayLeaveCard())
            loadCard(chosen->card, chosen->position);
    }

private:
    // The card as it was last loaded, saved or started, in its stored form.
    Record m_lastCard;
};
