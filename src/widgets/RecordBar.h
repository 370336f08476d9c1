#pragma once
// The record bar of both card editors: the four arrows (cmdPrimo, cmdIndietro, cmdAvanti,
// cmdUltimo) with the card's position between them (lblPosizione). It holds the position and asks
// for the step of each arrow pressed; the editor decides where the step leads.

#include "base/RecordStep.h"

#include <QWidget>

#include <optional>

class HintLine;
class QLabel;

class RecordBar : public QWidget
{
    Q_OBJECT

public:
    struct Sizes
    {
        int arrow; // the side of an arrow's picture
        int positionWidth;
        int positionHeight;
    };

    // Laid out from `origin` on `parent`, `height` high, everything centred in that height; each
    // arrow writes its hint on `hints`.
    RecordBar(QWidget *parent, const QPoint &origin, int height, const Sizes &sizes, HintLine *hints);

    // The card's place in its file; nothing for a card not saved yet (an empty lblPosizione).
    std::optional<int> position() const { return m_position; }
    void setPosition(std::optional<int> position);

Q_SIGNALS:
    void stepAsked(RecordArrow arrow);

private:
    std::optional<int> m_position;
    QLabel *m_lblPosizione;
};
