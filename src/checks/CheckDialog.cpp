#include "checks/CheckDialog.h"

#include "base/TextFunctions.h"
#include "widgets/GradientPanel.h"
#include "widgets/KeyRules.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 14;
constexpr int BannerHeight = 46;
constexpr int PanelPadding = 16;
constexpr int PictureSize = 72;
constexpr int BoxHeight = 44;
constexpr int ButtonWidth = 150;
constexpr int ButtonHeight = 40;
constexpr int MinimumWidth = 540;

QFont boxFont()
{
    return QFont(u"Courier New"_s, 20, QFont::Bold);
}

int boxWidth(int shownCharacters)
{
    const QFontMetrics metrics(boxFont());
    // Room for the frame and the inner margins besides the characters themselves.
    return metrics.horizontalAdvance(u'W') * shownCharacters + 30;
}

int panelWidth(int shownCharacters)
{
    return PanelPadding + PictureSize + PanelPadding + boxWidth(shownCharacters) + PanelPadding;
}

QSize clientSize(int shownCharacters)
{
    const int width = std::max(MinimumWidth, panelWidth(shownCharacters) + 2 * Margin);
    return QSize(width, 272);
}

} // namespace

CheckDialog::CheckDialog(const Design &design, QWidget *parent)
    : Dialog(
        design.className, design.caption, clientSize(design.shownCharacters), parent, Dialog::Placement::CentreOnScreen)
    , m_upperCaseAsTyped(design.typing == Typing::UpperCaseAsTyped || design.typing == Typing::DigitsUpperCaseAsTyped)
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    const int inner = width() - 2 * Margin;
    MakeBanner(this, BannerStyle::List, QRect(Margin, Margin, inner, BannerHeight), TrimText(design.caption));

    const int panelTop = Margin + BannerHeight + 12;
    GradientLook panelLook = WhitePanel;
    panelLook.bottom = Palette::PanelBottom;
    GradientPanel *panel = MakeCard(this, u"shpRiquadro"_s, QRect(Margin, panelTop, inner, 132), panelLook);
    MakePicture(panel, u"imgControllo"_s, design.picture,
        QRect(PanelPadding, (panel->height() - PictureSize) / 2, PictureSize, PictureSize));

    const int textLeft = PanelPadding + PictureSize + PanelPadding;
    m_lblTitolo = MakeLabel(panel, u"lblTitolo"_s, design.instruction,
        QRect(textLeft, 10, panel->width() - textLeft - PanelPadding, 48),
        { QFont(u"Arial"_s, 12), Palette::CheckInk, Qt::AlignLeft | Qt::AlignVCenter, true });

    m_box = new QLineEdit(panel);
    m_box->setObjectName(design.boxName);
    m_box->setFont(boxFont());
    m_box->setMaxLength(design.maxLength);
    m_box->setGeometry(textLeft, 68, boxWidth(design.shownCharacters), BoxHeight);
    m_box->setStyleSheet(u"QLineEdit { color: %1; background: white; border: 1px solid %2;"
                         " border-radius: 3px; padding: 0 6px; }"
                         "QLineEdit:focus { border: 2px solid %3; background: %4; }"_s.arg(Palette::CheckBoxInk.name(),
                             Palette::BoxBorder.name(), Palette::FocusGold.name(), Palette::CheckBoxFocusFill.name()));

    const int buttonTop = panelTop + panel->height() + 14;
    m_btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(Margin, buttonTop, ButtonWidth, ButtonHeight));
    m_btnControlla = MakeButton(this, u"btnControlla"_s, u"Controlla"_s,
        QRect(width() - Margin - ButtonWidth, buttonTop, ButtonWidth, ButtonHeight));
    setTabOrder(m_box, m_btnControlla);
    setTabOrder(m_btnControlla, m_btnChiudi);

    // Enter only moves to Controlla: the check runs when the operator presses it.
    if (design.typing == Typing::DigitsOnly || design.typing == Typing::DigitsUpperCaseAsTyped)
        InstallDigitFilter(m_box, m_btnControlla);
    else
        InstallEnterMovesTo(m_box, m_btnControlla);

    if (m_upperCaseAsTyped)
        InstallUpperCaseAsTyped(m_box);
    connect(m_btnControlla, &QPushButton::clicked, this, &CheckDialog::btnControllaClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, &CheckDialog::btnChiudiClick);
}

void CheckDialog::setValue(const QString &text)
{
    // A value handed in whole is judged whole: cut to the box's length it could pass as valid.
    m_box->setMaxLength(std::max(m_box->maxLength(), int(text.size())));
    ShowBoxText(m_box, text);
    if (m_upperCaseAsTyped)
        ApplyUpperCaseAsTyped(m_box);
}

QString CheckDialog::value() const
{
    return m_box->text();
}

void CheckDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    if (!event->spontaneous())
        m_box->setFocus(Qt::OtherFocusReason);
}

void CheckDialog::btnControllaClick()
{
    const Verdict verdict = check(m_box->text());
    if (verdict.message.kind == CheckMessage::Kind::Information)
        Messages::information(verdict.message.text, this);
    else
        Messages::warning(verdict.message.text, this);
    if (verdict.staysOpen) {
        m_box->setFocus(Qt::OtherFocusReason);
        return;
    }
    closeDialog(QDialog::Accepted);
}

void CheckDialog::btnChiudiClick()
{
    closeDialog(QDialog::Rejected);
}
