#include "widgets/ListBanner.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

ListBanner::ListBanner(const QString &objectName, const QString &text, const QRect &geometry, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
{
    setObjectName(objectName);
    setGeometry(geometry);
    setAccessibleName(text);
}

void ListBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QPainterPath outline;
    outline.addRoundedRect(box, 6, 6);
    QLinearGradient fill(0, 0, width(), 0);
    fill.setColorAt(0, QColor(14, 34, 74));
    fill.setColorAt(0.55, QColor(34, 78, 138));
    fill.setColorAt(1, QColor(92, 140, 196));
    painter.fillPath(outline, fill);

    // A soft sheen on the upper half.
    QLinearGradient sheen(0, 0, 0, height());
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 12));
    sheen.setColorAt(0.51, QColor(255, 255, 255, 0));
    painter.fillPath(outline, sheen);

    // A gold accent bar before the title.
    const qreal barHeight = height() * 0.5;
    painter.fillRect(QRectF(18, (height() - barHeight) / 2, 5, barHeight), QColor(255, 196, 0));

    QFont font(u"Verdana"_s, 17, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    const QRectF textBox = QRectF(rect()).adjusted(36, 0, -16, 0);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(textBox.translated(1.5, 1.5), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    painter.setPen(Qt::white);
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, m_text);

    painter.setPen(QPen(QColor(8, 20, 48), 1));
    painter.drawPath(outline);
}
