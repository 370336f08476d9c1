#pragma once
// The criteria panel panAvvio of the search screens, 833 by 529: the white help box (lblRigo04 to
// lblRigo06), a decorated strip, ten criteria boxes in two columns under their labels with their
// focus frames and Enter cycle, Chiudi (btnAnnulla) and Cerca (btnCerca), the waiting line
// lblAttendere shown while the mouse presses Cerca, and the hidden count lblConta.

#include "widgets/GradientPanel.h"

#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;

class SearchCriteriaPanel : public GradientPanel
{
    Q_OBJECT

public:
    struct Box
    {
        QString name; // txt<Field>; its focus frame is eff<Field>
        QString label;
    };

    // The boxes of a record's fields, "txt" + the field's name, with their labels, in the given order.
    template<typename Record>
    static QList<Box> boxesOf(const QList<typename Record::Field> &fields, const QStringList &labels)
    {
        QList<Box> boxes;
        for (qsizetype i = 0; i < fields.size(); ++i)
            boxes.append({ QStringLiteral("txt") + Record::layout().name(int(fields.at(i))), labels.value(i) });
        return boxes;
    }

    // The boxes in their tab and Enter order; the first goes to the left column, the second to the
    // right, and so on down five rows. `picture` decorates the strip beside the boxes.
    SearchCriteriaPanel(const QList<Box> &boxes, const QString &picture, QWidget *parent);

    // The boxes' texts as typed, in their order.
    QStringList typed() const;
    // The number of boxes the current search counts as filled, kept in lblConta.
    void setFilledCount(int count);

    QLineEdit *firstBox() const { return m_boxes.first(); }
    QPushButton *btnCerca() const { return m_btnCerca; }
    QPushButton *btnAnnulla() const { return m_btnAnnulla; }
    QLabel *lblAttendere() const { return m_lblAttendere; }

Q_SIGNALS:
    void cercaClicked();
    void annullaClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QLineEdit *> m_boxes;
    QPushButton *m_btnAnnulla;
    QPushButton *m_btnCerca;
    QLabel *m_lblAttendere;
    QLabel *m_lblConta;
};
