#pragma once
// TfrmRegistro: the visit card editor, one card of the open year file at a time: new card, save,
// browsing the file, the presence lists, the receipt and the exit recorded in one scan.

#include "storage/TSchedaVisita.h"
#include "storage/VisitFile.h"
#include "visits/VisitCardRules.h"
#include "visits/VisitImport.h"
#include "widgets/CardEditor.h"

#include <array>

class ClickableImage;
class QLabel;
class QLineEdit;
class PresenceList;

class TfrmRegistro : public RecordEditor<TSchedaVisita>
{
    Q_OBJECT

public:
    explicit TfrmRegistro(QWidget *parent = nullptr);

    void loadCard(const TSchedaVisita &card, int position) override;
    TSchedaVisita currentCard() const override;
    // Makes the year's visit file the one the editor works on, and names the year in the caption.
    void openYear(const QString &year);
    // Makes this visit file the one the editor works on (the hidden lblFile shows it).
    void setYearFile(const QString &path);
    QString yearFile() const { return m_yearFile; }

protected:
    void onShow() override;
    QString recordFilePath() const override { return m_yearFile; }
    TSchedaVisita asStored(const TSchedaVisita &card) const override { return VisitCardAsStored(card); }
    void saveCard() override { btnSalvaClick(); }
    void cardStored(int position, bool added) override;

private Q_SLOTS:
    void btnNuovoClick();
    void btnSalvaClick();
    void btnTrovaClick();
    void btnNonUscitiClick();
    void btnEntratiOggiClick();
    void btnUscitiOggiClick();
    void btnStampaClick();
    void btnExcelClick();
    void txtUscitaRapidaEnter();
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
    // Opens the client search for the role and copies what the chosen card brings for it.
    void importFromRegistry(ImportRole role);
    // Opens a presence list on the open year file and loads the card chosen in it, if any.
    void showPresenceList(PresenceList &list);
    // Puts the card of a scanned receipt on screen, unless the card being typed is kept.
    void showScannedCard(const TSchedaVisita &card, int position);

    std::array<QLineEdit *, TSchedaVisita::FieldCount> m_boxes {};
    // Each box's label without its colon, as messages name the box.
    std::array<QString, TSchedaVisita::FieldCount> m_captions {};
    QString m_yearFile;
    QLabel *m_lblFile = nullptr;
    QLineEdit *m_txtUscitaRapida = nullptr;
};
