#pragma once
// TfrmAnagrafica: the client card editor of the registry, one card of the registry file at a time:
// new card, save, browsing the file, the checks of its codes, printing, the card's folder and
// attachments, and the registry's search, instalments-due list and export.

#include "base/RecordBar.h"
#include "output/ReportLayout.h"
#include "storage/ClientFile.h"
#include "storage/TSchedaAnagrafica.h"
#include "widgets/Screen.h"

#include <array>
#include <functional>
#include <optional>

class ClickableImage;
class HintLine;
class QComboBox;
class QLabel;
class QLineEdit;

class TfrmAnagrafica : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);

    // Puts a stored card and its 1-based position on screen in one step: every field trimmed
    // into its box or hidden label, nothing of the previous card left (moves and hand-overs).
    void loadCard(const TSchedaAnagrafica &card, int position);
    // The card the 45 boxes and six hidden labels describe, every field trimmed.
    TSchedaAnagrafica currentCard() const;

protected:
    void onShow() override;
    bool mayClose() override;
    void onClose() override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdCartellaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsportaClick();
    void cmdScadutiClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void btnCodFiscClick();
    void btnIvaClick();
    void btnEmailClick();
    void btnIbanClick();
    void btnCartaClick();

private:
    void buildToolbar();
    void buildCard();
    void installTypingRules();

    QLineEdit *box(ClientField field) const { return m_boxes[std::size_t(field)]; }
    // The control that takes the focus for a field: its box, or the province box around it.
    QWidget *control(ClientField field) const { return m_controls[std::size_t(field)]; }
    QLabel *slotLabel(ClientField field) const;

    void clearCard();
    // True when the card on screen may be replaced or left: unchanged, or the operator agrees.
    bool mayLeaveCard();
    // Runs one action on the registry file; any access failure ends it with the one fixed message.
    void withClientFile(ClientFile::Access access, const std::function<void(ClientFile &file)> &action);
    // One press of a record-bar arrow: where `step` leads in the file as it is now, put on screen.
    void showStep(const std::function<RecordStep(int count)> &step);

    static constexpr std::size_t BoxCount = std::size_t(ClientField::File01);
    std::array<QLineEdit *, BoxCount> m_boxes {};
    std::array<QWidget *, BoxCount> m_controls {};
    // Each box's label without its colon, as messages name the box.
    std::array<QString, BoxCount> m_captions {};
    std::array<QLabel *, TSchedaAnagrafica::FieldCount - BoxCount> m_slots {};
    std::array<QComboBox *, 2> m_provinces {};
    QLabel *m_lblPosizione = nullptr;
    HintLine *m_panInfo = nullptr;
    // The card as it was last loaded, saved or started; the attachment slots are part of it.
    TSchedaAnagrafica m_lastCard;
    ReportLayout m_repScheda;
};
