#pragma once
// TfrmAnagrafica: the client card editor of the registry, one card of the registry file at a time:
// new card, save, browsing the file, the checks of its codes, printing, the card's folder and
// attachments, and the registry's search, instalments-due list and export.

#include "output/ReportLayout.h"
#include "storage/ClientFile.h"
#include "storage/TSchedaAnagrafica.h"
#include "widgets/CardEditor.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

class TfrmAnagrafica : public RecordEditor<TSchedaAnagrafica>
{
    Q_OBJECT

public:
    explicit TfrmAnagrafica(QWidget *parent = nullptr);

    // Every field trimmed into its box or hidden label, nothing of the previous card left.
    void loadCard(const TSchedaAnagrafica &card, int position) override;
    // The card the 45 boxes and six hidden labels describe, every field trimmed.
    TSchedaAnagrafica currentCard() const override;

protected:
    void onShow() override;
    QString recordFilePath() const override { return ClientFilePath(); }
    void saveCard() override { cmdSalvaClick(); }
    void cardStored(int position, bool added) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void cmdNuovoClick();
    void cmdSalvaClick();
    void cmdTrovaClick();
    void cmdCartellaClick();
    void cmdFileClick();
    void cmdStampaClick();
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

    static constexpr std::size_t BoxCount = std::size_t(ClientField::File01);
    std::array<QLineEdit *, BoxCount> m_boxes {};
    std::array<QWidget *, BoxCount> m_controls {};
    // Each box's label without its colon, as messages name the box.
    std::array<QString, BoxCount> m_captions {};
    std::array<QLabel *, TSchedaAnagrafica::FieldCount - BoxCount> m_slots {};
    std::array<QComboBox *, 2> m_provinces {};
    ReportLayout m_repScheda;
};
