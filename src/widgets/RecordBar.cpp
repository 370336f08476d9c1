#include "widgets/RecordBar.h"

#include "widgets/ClickableImage.h"
#include "widgets/HintLine.h"
#include "widgets/Look.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

constexpr int Gap = 6;

struct Arrow
{
    RecordArrow arrow;
    const char16_t *name;
    const char16_t *icon;
    const char16_t *hint;
};

const Arrow Before[] = {
    { RecordArrow::First, u"cmdPrimo", u":/img/reg_primo.svg", u"Visualizza la prima scheda in archivio." },
    { RecordArrow::Previous, u"cmdIndietro", u":/img/reg_indietro.svg",
        u"Visualizza la scheda precedente in archivio." },
};
const Arrow After[] = {
    { RecordArrow::Next, u"cmdAvanti", u":/img/reg_avanti.svg", u"Visualizza la scheda successiva in archivio." },
    { RecordArrow::Last, u"cmdUltimo", u":/img/reg_ultimo.svg", u"Visualizza l'ultima scheda in archivio." },
};

} // namespace

RecordBar::RecordBar(QWidget *parent, const QPoint &origin, int height, const Sizes &sizes, HintLine *hints)
    : QWidget(parent)
{
    setObjectName(u"panRecordBar"_s);
    const int width = 4 * (sizes.arrow + Gap) + sizes.positionWidth;
    setGeometry(QRect(origin, QSize(width, height)));
    hints->addBackground(this);

    int x = 0;
    const auto addArrows = [&](const auto &arrows) {
        for (const Arrow &a : arrows) {
            auto *image = new ClickableImage(QString::fromUtf16(a.name), QString::fromUtf16(a.icon),
                QRect(x, (height - sizes.arrow) / 2, sizes.arrow, sizes.arrow), this);
            image->setAttribute(Qt::WA_TranslucentBackground);
            hints->addHint(image, QString::fromUtf16(a.hint));
            connect(image, &ClickableImage::clicked, this, [this, arrow = a.arrow] { Q_EMIT stepAsked(arrow); });
            x += sizes.arrow + Gap;
        }
    };
    addArrows(Before);
    m_lblPosizione = new QLabel(this);
    m_lblPosizione->setObjectName(u"lblPosizione"_s);
    m_lblPosizione->setGeometry(x, (height - sizes.positionHeight) / 2, sizes.positionWidth, sizes.positionHeight);
    m_lblPosizione->setAlignment(Qt::AlignCenter);
    m_lblPosizione->setFont(VerdanaFont(12, true));
    m_lblPosizione->setStyleSheet(
        u"QLabel { background: white; color: %1; border: 1px solid %2; border-radius: 4px; }"_s.arg(
            Palette::Navy.name(), Palette::SteelBlue.name()));
    x += sizes.positionWidth + Gap;
    addArrows(After);
}

void RecordBar::setPosition(std::optional<int> position)
{
    // No record sits at 0 or below: such a card has no place yet.
    m_position = position && *position > 0 ? position : std::nullopt;
    m_lblPosizione->setText(m_position ? QString::number(*m_position) : QString());
}
