#include "app/Info.h"

#include "app/Maker.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/TMisc.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmInfo::TfrmInfo(QWidget *parent)
    : Dialog(u"TfrmInfo"_s, u" Informazioni su Portavel"_s, QSize(473, 579), parent, Dialog::Placement::CentreOnScreen)
{
    setBackground(Qt::black, Qt::white);

    GradientPanel *box = MakeCard(this, u"shpLogo"_s, QRect(16, 16, 441, 474), WhitePanel);
    MakePicture(box, u"imgLogo"_s, u":/img/info_logo.svg"_s, QRect(14, 14, 413, 380));
    auto *imgEmail = new ClickableImage(u"imgEmail"_s, u":/img/icona_email.svg"_s, QRect(38, 406, 40, 40), box);
    auto *lnkWeb = new LinkLabel(u"lnkWeb"_s, MakerEmailAddress(), QRect(88, 410, 320, 32), box);
    lnkWeb->attachIcon(imgEmail);

    QPushButton *btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(161, 514, 150, 40));
    btnChiudi->setDefault(true);

    connect(lnkWeb, &ClickableLabel::clicked, this, &TfrmInfo::lnkWebClick);
    connect(btnChiudi, &QPushButton::clicked, this, [this] { closeDialog(); });
}

void TfrmInfo::lnkWebClick()
{
    // Subject and body as written: the mail program takes them from the address.
    TMisc::Open(QUrl(u"mailto:"_s + MakerEmailAddress() + u"?subject=Software Portavel&body="_s
            + u"Salve, desidererei avere le seguenti informazioni sul software in oggetto:"_s,
        QUrl::TolerantMode));
}
