#pragma once
// A rectangle filled with a vertical gradient and an optional border: the screens' backgrounds,
// content panels and framing shapes.

#include <QColor>
#include <QWidget>

class GradientPanel : public QWidget
{
    Q_OBJECT

public:
    explicit GradientPanel(QWidget *parent = nullptr, const QColor &top = Qt::white, const QColor &bottom = Qt::white);

    void setBorder(const QColor &color, int width = 1, int radius = 0);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_top;
    QColor m_bottom;
    QColor m_border;
    int m_borderWidth = 0;
    int m_radius = 0;
};
