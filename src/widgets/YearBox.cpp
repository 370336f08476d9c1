#include "widgets/YearBox.h"

#include "base/Clock.h"
#include "base/TextFunctions.h"
#include "storage/VisitFile.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

QLineEdit *MakeYearBox(QWidget *parent, const QString &name, const QRect &geometry, int points)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setFont(VerdanaFont(points, true));
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(u"QLineEdit { color: %1; background: white; border: 1px solid %2; border-radius: 4px; }"_s.arg(
        Palette::YearInk.name(), Palette::CardBorder.name()));
    return box;
}

void ShowThisYear(QLineEdit *box)
{
    box->setText(u"%1"_s.arg(Clock::today().year(), 4, 10, QChar(u'0')));
}

std::optional<QString> TypedYear(QWidget *owner, QLineEdit *box)
{
    const QString typed = box->text();
    if (!IsVisitYear(typed)) {
        Messages::warning(VisitYearWarning(), owner);
        box->setFocus();
        return std::nullopt;
    }
    return TrimText(typed);
}
