#pragma once
// TfrmRegistro: the visit card editor, one card of the open year file at a time: new card, save,
// browsing the file, the presence lists and the receipt.

#include "base/RecordBar.h"
#include "visits/VisitCardRules.h"
#include "storage/TSchedaVisita.h"
#include "storage/VisitFile.h"
#include "widgets/Screen.h"

#include <array>
#include <functional>
#include <optional>

class ClickableImage;
class HintLine;
class QLabel;
class QLineEdit;
class PresenceList;
class QPushButton;

class TfrmRegistro : public Screen
{
    Q_OBJECT

public:
    explicit TfrmRegistro(QWidget *parent = nullptr);

    // Puts a stored card and its 1-based position on screen in one step (the hand-over of the
    // lists and of the search).
    void loadCard(const TSchedaVisita &card, int position);
    // The card the sixteen boxes describe, every field trimmed.
    TSchedaVisita currentCard() const;
    // Makes the year's visit file the one the editor works on, and names the year in the caption.
    void openYear(const QString &year);
    // The open year file (the hidden lblFile, trimmed), read afresh at every use.
    QString yearFile() const;

protected:
    void onShow() override;
    bool mayClose() override;
    void onClose() override;
    void resizeEvent(QResizeEvent *event) override;

private Q_SLOTS:
    void btnNuovoClick();
    void btnSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void btnTrovaClick();
    void btnNonUscitiClick();
    void btnEntratiOggiClick();
    void btnUscitiOggiClick();
    void btnStampaClick();
    void btnExcelClick();
    void btnGuidaClick();
    void btnEsciClick();
    void impDataEntClick();
    void impOraEntClick();
    void impDataUscClick();
    void impOraUscitaClick();
    void impCodFiscClick();
    void impVisitatoreClick();
    void impOperatoreEntClick();
    void impOperatoreUscitaClick();

private:
    void buildRecordBar();
    void buildButtons();
    void buildSections();
    ClickableImage *makeImage(QWidget *parent, const QString &name, const QString &icon, const QRect &geometry);

    QLineEdit *box(VisitField field) const { return m_boxes[std::size_t(field)]; }
    void newCard();
    // The card on screen, as a save would store it, becomes the one to compare with.
    void rememberCard();
    // True when the card on screen may be replaced or left: unchanged, or the operator agrees.
    bool mayLeaveCard();
    // Opens the client search with the mode word and copies what the chosen card brings for it.
    void importFromRegistry(const QString &mode);
    // Opens a presence list on the open year file and loads the card chosen in it, if any.
    void showPresenceList(PresenceList &list);
    // Runs one file action on the year file; any access failure ends it with the one fixed message.
    void withVisitFile(VisitFile::Access access, const std::function<void(VisitFile &file)> &action);
    // One press of a record-bar arrow: where `step` leads in the file as it is now, put on screen.
    void showStep(const std::function<RecordStep(int count)> &step);

    std::array<QLineEdit *, TSchedaVisita::FieldCount> m_boxes {};
    // Each box's label without its colon, as messages name the box.
    std::array<QString, TSchedaVisita::FieldCount> m_captions {};
    QLabel *m_lblFile = nullptr;
    QLabel *m_lblPosizione = nullptr;
    HintLine *m_panInfo = nullptr;
    // The card as it was last loaded, saved or started, in its stored form.
    TSchedaVisita m_lastCard;
};
