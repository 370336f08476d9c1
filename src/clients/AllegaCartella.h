#pragma once
// TfrmAllegaCartella: the three attachment slots of the client card on screen. Sfoglia files a
// chosen document into the shared attachments folder; "Applica e chiudi" hands the six names and
// descriptions back to the editor that opened it, which stores them with its next save.

#include "clients/ClientFolders.h"
#include "widgets/Dialog.h"

#include <array>
#include <optional>

class ClickableImage;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmAllegaCartella : public Dialog
{
    Q_OBJECT

public:
    explicit TfrmAllegaCartella(QWidget *parent = nullptr);

    // Opened by the client card editor, which takes what Applica hands back (the hidden lblMemory
    // then reads "anagrafica"); opened otherwise, Applica does nothing.
    void setOpenedByEditor();
    // The card's slots, shown in the name and description boxes.
    void setSlots(const AttachmentSlots &slots);
    // The six values, trimmed, once "Applica e chiudi" has closed the dialog; nothing otherwise.
    const std::optional<AttachmentSlots> &appliedSlots() const { return m_applied; }

private:
    struct SlotRow
    {
        QLineEdit *file = nullptr;
        QLineEdit *description = nullptr;
        QString descriptionCaption; // its label without the colon, as messages name it
        QPushButton *browse = nullptr;
        QPushButton *open = nullptr;
        ClickableImage *eraser = nullptr;
    };

    void buildSlot(int index, int top);
    void btnSfogliaClick(int index);
    void btnApriClick(int index);
    void imgCancellaClick(int index);
    void btnApplicaClick();
    void btnAnnullaClick();

    std::array<SlotRow, 3> m_rows {};
    QLabel *m_lblMemory;
    bool m_openedByEditor = false;
    QPushButton *m_btnApplica = nullptr;
    QPushButton *m_btnAnnulla = nullptr;
    std::optional<AttachmentSlots> m_applied;
};
