#pragma once
// The title banner across the top of a list screen: a dark blue strip carrying the list's name.

#include <QWidget>

class ListBanner : public QWidget
{
    Q_OBJECT

public:
    // Named imgLogo on every list screen.
    ListBanner(const QString &objectName, const QString &text, const QRect &geometry, QWidget *parent);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
};
