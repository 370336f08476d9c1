#include "visits/StampaVisita.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "output/QrCode.h"
#include "output/ReportPrinting.h"
#include "storage/PrivacySettings.h"
#include "storage/StorageError.h"
#include "widgets/Activity.h"
#include "widgets/GradientPanel.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QPushButton>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The caption of each field's row, in stored order.
const char16_t *const RowCaptions[TSchedaVisita::FieldCount] = {
    u"Data ingresso:",
    u"Ora ingresso:",
    u"Registrato da:",
    u"Cognome Visitatore:",
    u"Nome Visitatore:",
    u"Codice fiscale:",
    u"Motivo della visita:",
    u"Numero tessera:",
    u"Tipo documento:",
    u"Numero documento:",
    u"Ente di rilascio:",
    u"Cellulare:",
    u"Note:",
    u"Data uscita:",
    u"Ora uscita:",
    u"Registrato da:",
};

// The name of a field's caption ("lbl") or value ("txt") box in one copy of the card.
QString rowBoxName(const QString &kind, int field, const QString &suffix)
{
    return kind + TSchedaVisita::layout().name(field) + suffix;
}

// Where one copy of the card stands on the sheet, in report units.
struct CopyPlace
{
    QString suffix;
    qreal titleTop;
    qreal rowsTop;
    qreal labelTop;
    QString label;
};

constexpr qreal RowPitch = 18.9;
constexpr qreal CopyRight = 3.8 + 710.6;
// The QR code in each copy's top right corner, its quiet zone included, and its text under it. The
// title and the rows beside them end short of the code by the gap.
constexpr qreal CodeSide = 22 * ReportLayout::UnitsPerMm;
constexpr qreal CodeTextHeight = 11;
constexpr qreal CodeGap = 3.8;
// The privacy notice under each copy: small print, wrapped to the copy's width, at most as many
// lines as leave both copies and the foot on one sheet. Measured narrower than the copy: the printer
// spaces small print a little wider than the screen does.
constexpr qreal NoticeWidth = 650;
constexpr qreal NoticePitch = 11;
constexpr int NoticeMaxLines = 11;

ReportElement arial(ReportElement e, qreal pointSize, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    e.fontFamily = u"Arial"_s;
    e.pointSize = pointSize;
    e.alignment = alignment;
    return e;
}

ReportElement strip(const QString &name, const QRectF &rect, const QColor &fill, qreal pointSize, const QString &text)
{
    ReportElement e = arial(ReportElement::textBox(name, rect, text), pointSize, Qt::AlignCenter);
    e.fill = fill;
    e.frame = true;
    return e;
}

void addCopy(QList<ReportElement> &elements, const CopyPlace &copy, bool withCode)
{
    const qreal codeLeft = CopyRight - CodeSide;
    const qreal codeBottom = copy.titleTop + CodeSide + CodeTextHeight;
    // How far a box that starts at `top` may reach to the right.
    const auto rightAt = [&](qreal top) { return withCode && top < codeBottom ? codeLeft - CodeGap : CopyRight; };
    elements.append(strip(u"txtTitolo"_s + copy.suffix, QRectF(3.8, copy.titleTop, rightAt(copy.titleTop) - 3.8, 21.9),
        Palette::LightSteelBlue, 9, u"SCHEDA RIEPILOGATIVA INGRESSO E USCITA VISITATORE"_s));
    for (int i = 0; i < TSchedaVisita::FieldCount; ++i) {
        const qreal top = copy.rowsTop + i * RowPitch;
        const qreal right = rightAt(top);
        ReportElement frame
            = ReportElement::textBox(u"shpRiga%1"_s.arg(i + 1) + copy.suffix, QRectF(3.8, top, right - 3.8, 17.4));
        frame.frame = true;
        elements.append(frame);
        elements.append(arial(ReportElement::textBox(rowBoxName(u"lbl"_s, i, copy.suffix),
                                  QRectF(7.6, top + 1.9, 142.9, 13.2), QString::fromUtf16(RowCaptions[i])),
            7));
        elements.append(arial(ReportElement::textBox(rowBoxName(u"txt"_s, i, copy.suffix),
                                  QRectF(166.3, top + 1.9, right - 3.8 - 166.3, 13.2)),
            7));
    }
    if (withCode) {
        elements.append(ReportElement::moduleGrid(
            u"imgCodiceQR"_s + copy.suffix, QRectF(codeLeft, copy.titleTop, CodeSide, CodeSide)));
        elements.append(arial(ReportElement::textBox(u"txtCodiceQR"_s + copy.suffix,
                                  QRectF(codeLeft, copy.titleTop + CodeSide, CodeSide, CodeTextHeight)),
            7, Qt::AlignCenter));
    }
    elements.append(ReportElement::line(
        u"linSeparatore"_s + copy.suffix, QPointF(158.7, copy.rowsTop), QPointF(158.7, copy.rowsTop + 300.9)));
    elements.append(strip(u"txtCopia"_s + copy.suffix, QRectF(412.0, copy.labelTop, 302.4, 21.9),
        Palette::LightSteelBlue, 9, copy.label));
}

ReportElement noticeMemo(const QString &suffix, qreal top, const QStringList &lines)
{
    ReportElement e = arial(ReportElement::memo(u"txtInformativa"_s + suffix,
                                QRectF(3.8, top, 710.6, NoticePitch * qreal(lines.size())), NoticePitch, lines),
        7);
    e.padding = 4;
    return e;
}

// Without a notice the sheet is as it always was; with one, each copy has it under its card and
// the second copy moves down to make room. With the code, each copy carries it in its top right
// corner and the boxes beside it are shorter; nothing moves.
ReportLayout buildRepDocumento(QStringList notice = {}, bool withCode = false)
{
    if (notice.size() > NoticeMaxLines) {
        notice = notice.mid(0, NoticeMaxLines);
        notice.last() += u" ..."_s;
    }
    const qreal noticeHeight = NoticePitch * qreal(notice.size());
    const qreal cutAt = notice.isEmpty() ? 385.5 : 362.0 + noticeHeight + 10;
    const qreal shift = cutAt - 385.5;
    ReportLayout layout(u"Scheda Visitatore"_s, QPageLayout::Portrait);
    ReportBand &page = layout.addBand(u"Pagina"_s, layout.printableSize().height());
    addCopy(page.elements, { u"_A"_s, 3.8, 26.5, 336.4, u"COPIA PER VISITATORE"_s }, withCode);
    ReportElement cut = ReportElement::line(u"linTaglio"_s, QPointF(0, cutAt), QPointF(718.1, cutAt));
    cut.arrowAtStart = true;
    cut.arrowAtEnd = true;
    page.elements.append(cut);
    addCopy(page.elements, { u"_B"_s, 412.0 + shift, 434.6 + shift, 744.6 + shift, u"COPIA PER ENTE"_s }, withCode);
    if (!notice.isEmpty()) {
        page.elements.append(noticeMemo(u"_A"_s, 362.0, notice));
        page.elements.append(noticeMemo(u"_B"_s, 770.5 + shift, notice));
    }
    page.elements.append(
        strip(u"txtCalce"_s, QRectF(3.8, 1020.4731, 710.6, 21.9), Palette::Gold, 8, u"Data e ora stampa"_s));
    return layout;
}

} // namespace

TfrmStampaVisita::TfrmStampaVisita(QWidget *parent)
    : Dialog(
        u"TfrmStampaVisita"_s, u" Stampa scheda corrente"_s, QSize(364, 287), parent, Dialog::Placement::CentreOnOwner)
    , m_repDocumento(buildRepDocumento())
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    GradientPanel *panel = MakeCard(this, u"panStampante"_s, QRect(14, 14, 336, 198), WhitePanel);
    MakePicture(panel, u"imgStampante"_s, u":/img/stampante.svg"_s, QRect(88, 31, 160, 136));

    m_btnAnnulla = MakeButton(this, u"btnAnnulla"_s, u"Annulla"_s, QRect(14, 228, 160, 40));
    m_btnStampa = MakeButton(this, u"btnStampa"_s, u"Stampa"_s, QRect(190, 228, 160, 40));
    m_btnStampa->setDefault(true);
    setTabOrder(m_btnStampa, m_btnAnnulla);

    connect(m_btnAnnulla, &QPushButton::clicked, this, &TfrmStampaVisita::btnAnnullaClick);
    connect(m_btnStampa, &QPushButton::clicked, this, &TfrmStampaVisita::btnStampaClick);
}

void TfrmStampaVisita::setCard(const TSchedaVisita &card)
{
    m_card = card;
}

void TfrmStampaVisita::setPlace(const QString &fileName, std::optional<int> position)
{
    m_printedAs = position ? u"ricevuta %1 %2"_s.arg(fileName).arg(*position) : u"ricevuta "_s + fileName;
    // Until it is saved a card has no position, and a code naming another card's place would mislead.
    static const QRegularExpression yearFile(u"^([0-9]{4})\\.vis$"_s);
    const QRegularExpressionMatch year = yearFile.match(fileName);
    m_codeText = position && year.hasMatch() ? u"PV:%1:%2"_s.arg(year.captured(1)).arg(*position) : QString();
}

void TfrmStampaVisita::fillReport(const QString &codeText)
{
    const QList<QBitArray> code = QrCodeModules(codeText.toLatin1());
    for (const QString &suffix : { u"_A"_s, u"_B"_s }) {
        for (int i = 0; i < TSchedaVisita::FieldCount; ++i)
            m_repDocumento.setText(rowBoxName(u"txt"_s, i, suffix), m_card.field(i));
        if (ReportElement *grid = m_repDocumento.element(u"imgCodiceQR"_s + suffix))
            grid->modules = code;
        m_repDocumento.setText(u"txtCodiceQR"_s + suffix, codeText);
    }
    m_repDocumento.setText(u"txtCalce"_s, PrintedAtText(Clock::now()));
}

void TfrmStampaVisita::btnStampaClick()
{
    // The office's notice as it stands now: another desk may have changed it.
    try {
        const PrivacySettings settings = PrivacySettings::read();
        m_repDocumento = buildRepDocumento(settings.printNotice
                ? WrapReportText(PrivacySettings::readNotice(), u"Arial"_s, 7, NoticeWidth)
                : QStringList(),
            !m_codeText.isEmpty());
    } catch (const StorageError &) {
        // Printed without the notice the office asked for, it would be a receipt it must not give.
        Messages::warning(AccessFailureText(), this);
        return;
    }
    m_repDocumento.setOrientation(QPageLayout::Portrait);
    fillReport(m_codeText);
    // A failed print leaves the dialog open, with the error shown, so the operator can retry.
    const PrintOutcome outcome = PrintReport(this, m_repDocumento);
    if (outcome == PrintOutcome::Printed)
        RecordActivity(u"stampa"_s, m_printedAs, this);
    if (outcome != PrintOutcome::Failed)
        closeDialog();
}

void TfrmStampaVisita::btnAnnullaClick()
{
    closeDialog();
}
