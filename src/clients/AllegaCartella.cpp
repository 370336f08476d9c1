#include "clients/AllegaCartella.h"

#include "base/TextFunctions.h"
#include "clients/ClientCardLabels.h"
#include "storage/StorableText.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/Screen.h"
#include "widgets/StorableBoxes.h"
#include "widgets/TMisc.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 14;
constexpr int Inner = 692;
constexpr int SlotHeight = 116;
constexpr int SlotPitch = 124;
constexpr int BoxHeight = 28;

QString slotName(const QString &kind, int index)
{
    return kind + u"%1"_s.arg(index + 1, 2, 10, QLatin1Char('0'));
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QRect &geometry, bool fileName)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(VerdanaFont(10, fileName));
    if (fileName) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setStyleSheet(u"QLineEdit { background: %1; color: %2; border: 1px solid %3; padding: 0 4px; }"_s.arg(
            Palette::ReadOnlyFill.name(), Palette::ReadOnlyInk.name(), Palette::ReadOnlyBorder.name()));
    } else {
        box->setMaxLength(250);
        box->setStyleSheet(EditBoxStyle());
    }
    return box;
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(QWidget *parent)
    : Dialog(u"TfrmAllegaCartella"_s, u" Allega file"_s, QSize(720, 594), parent, Dialog::Placement::CentreOnScreen)
    , m_lblMemory(MakeHiddenLabel(this, u"lblMemory"_s))
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    MakeBanner(this, BannerStyle::List, QRect(Margin, Margin, Inner, 46), u"Allega file alla scheda corrente"_s);

    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    GradientPanel *help = MakeCard(this, u"shpIstruzioni"_s, QRect(Margin, 70, Inner, 84), look);
    MakePicture(help, u"imgIstruzioni"_s, u":/img/allegati_grande.svg"_s, QRect(12, 8, 68, 68));
    MakeLabel(help, u"lblIstruzioni"_s,
        u"Scegliere i file da allegare con i pulsanti \u00abSfoglia...\u00bb, poi fare clic su \u00abApplica e "
        u"chiudi\u00bb e infine sul pulsante di salvataggio della scheda. Il pulsante \u00abApri\u00bb apre il "
        u"file allegato."_s,
        QRect(92, 8, Inner - 104, 68), { VerdanaFont(9), Palette::HelpInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    for (int i = 0; i < 3; ++i)
        buildSlot(i, 164 + i * SlotPitch);

    const int buttonsTop = 164 + 3 * SlotPitch + 4;
    m_btnAnnulla = MakeButton(this, u"btnAnnulla"_s, u"Annulla"_s, QRect(Margin, buttonsTop, 180, 44));
    m_btnApplica
        = MakeButton(this, u"btnApplica"_s, u"Applica e chiudi"_s, QRect(Margin + Inner - 180, buttonsTop, 180, 44));
    m_btnApplica->setDefault(true);
    connect(m_btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(m_btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

void TfrmAllegaCartella::buildSlot(int index, int top)
{
    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    GradientPanel *card
        = MakeCard(this, slotName(u"shpAllegato"_s, index), QRect(Margin, top, Inner, SlotHeight), look);
    const LabelLook labelLook { VerdanaFont(8, true), Palette::Navy };
    const int boxWidth = Inner - 24 - (110 + 6 + 80 + 8 + 28 + 4);

    MakeLabel(card, QString(), ClientFieldLabel(ClientField(int(ClientField::File01) + index)),
        QRect(12, 8, boxWidth, 16), labelLook);
    SlotRow &row = m_rows[std::size_t(index)];
    row.file = makeBox(card, slotName(u"txtFile"_s, index), QRect(12, 26, boxWidth, BoxHeight), true);
    int x = 12 + boxWidth + 6;
    row.browse = MakeButton(card, slotName(u"btnSfoglia"_s, index), u"Sfoglia..."_s, QRect(x, 26, 110, BoxHeight));
    x += 110 + 6;
    row.open = MakeButton(card, slotName(u"btnApri"_s, index), u"Apri"_s, QRect(x, 26, 80, BoxHeight));
    row.open->setEnabled(false);
    x += 80 + 8;
    row.eraser
        = new ClickableImage(slotName(u"imgCancella"_s, index), u":/img/gomma.svg"_s, QRect(x, 26, 28, 28), card);
    row.eraser->setToolTip(u"Cancella il nome del file"_s);

    const QString descriptionLabel = ClientFieldLabel(ClientField(int(ClientField::Desc01) + index));
    MakeLabel(card, QString(), descriptionLabel, QRect(12, 60, Inner - 24, 16), labelLook);
    row.descriptionCaption = CaptionOfLabel(descriptionLabel);
    row.description = makeBox(card, slotName(u"txtDesc"_s, index), QRect(12, 78, Inner - 24, BoxHeight), false);

    QPushButton *open = row.open;
    connect(row.file, &QLineEdit::textChanged, open,
        [open](const QString &text) { open->setEnabled(!TrimText(text).isEmpty()); });
    connect(row.browse, &QPushButton::clicked, this, [this, index] { btnSfogliaClick(index); });
    connect(row.open, &QPushButton::clicked, this, [this, index] { btnApriClick(index); });
    connect(row.eraser, &ClickableImage::clicked, this, [this, index] { imgCancellaClick(index); });
}

void TfrmAllegaCartella::setOpenedByEditor()
{
    m_openedByEditor = true;
    m_lblMemory->setText(u"anagrafica"_s);
}

void TfrmAllegaCartella::setSlots(const AttachmentSlots &slots)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        ShowBoxText(m_rows[i].file, slots[i].file);
        ShowBoxText(m_rows[i].description, slots[i].description);
    }
}

void TfrmAllegaCartella::btnSfogliaClick(int index)
{
    QLineEdit *fileBox = m_rows[std::size_t(index)].file;
    const QString chosen
        = Messages::openFileName(u"Selezionare il file da allegare:"_s, QString(), u"Tutti i file (*)"_s, this);
    if (chosen.isEmpty())
        return;
    // Only the plain name is kept: nothing is ever written outside the attachments folder.
    const QString name = AttachmentName(chosen);
    if (name.isEmpty() || !AttachmentNameFits(name)) {
        Messages::warning(ClientFolderTexts::nameDoesNotFit(name.isEmpty() ? chosen : name), this);
        return;
    }
    const QString before = fileBox->text();
    ShowBoxText(fileBox, name);
    if (IsFiledAlready(chosen, name))
        return;
    if (QFileInfo::exists(AttachmentsFolder() + name) && !Messages::confirm(ClientFolderTexts::replaceExisting(), this))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool filed = FileAttachment(chosen, name);
    QGuiApplication::restoreOverrideCursor();
    if (!filed) {
        // The slot goes back to what it named before, so nobody believes the document is filed.
        ShowBoxText(fileBox, before);
        Messages::warning(ClientFolderTexts::copyFailed(name), this);
    }
}

void TfrmAllegaCartella::btnApriClick(int index)
{
    const QString name = AttachmentName(TrimmedText(m_rows[std::size_t(index)].file));
    if (!name.isEmpty())
        TMisc::Open(QUrl::fromLocalFile(AttachmentsFolder() + name));
}

void TfrmAllegaCartella::imgCancellaClick(int index)
{
    m_rows[std::size_t(index)].file->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    if (!m_openedByEditor)
        return;
    // The editor keeps the descriptions in hidden labels and stores them as they are, so what the
    // archive cannot hold is settled here, where the operator typed it. File names need no such
    // check: a name the archive cannot hold is never filed.
    QList<CaptionedBox> descriptions;
    for (const SlotRow &row : m_rows)
        descriptions.append({ row.description, row.description, row.descriptionCaption });
    if (!CheckStorableBoxes(this, descriptions))
        return;
    AttachmentSlots slots;
    for (std::size_t i = 0; i < slots.size(); ++i)
        slots[i] = { TrimmedText(m_rows[i].file), TrimmedText(m_rows[i].description) };
    m_applied = slots;
    closeDialog(QDialog::Accepted);
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    closeDialog();
}
