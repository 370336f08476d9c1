#pragma once
// The status line at the bottom of a screen: each button and clickable image writes its own hint
// while the mouse moves over it, the background empties it. Each time its window is shown the line
// starts again from its first text, never from the hint last left there.

#include <QLabel>

class HintLine : public QLabel
{
    Q_OBJECT

public:
    HintLine(QWidget *parent, const QRect &geometry, const QString &initialText);

    void addHint(QWidget *control, const QString &hint);
    QString hint(QWidget *control) const { return m_hints.value(control); }
    // The window's background, its shapes and panels: moving over them empties the line.
    void addBackground(QWidget *background);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool overBackground(QObject *background, QEvent *event) const;

    QString m_initialText;
    QWidget *m_window = nullptr;
    QHash<QObject *, QString> m_hints;
    QList<QObject *> m_backgrounds;
};
