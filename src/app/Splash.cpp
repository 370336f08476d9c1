#include "app/Splash.h"

#include "app/Maker.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/TMisc.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmSplash::TfrmSplash(QWidget *parent)
    : Dialog(u"TfrmSplash"_s, u" Portavel - realizzato da "_s + MakerName(), QSize(661, 467), parent,
        Dialog::Placement::CentreOnOwner)
{
    setBackground(Qt::white, Palette::CreditsBottom);

    MakePicture(this, u"imgLogo"_s, u":/img/crediti.svg"_s, QRect(18, 14, 625, 380));
    // The link keeps to a white card: the foot of the window is too dark for a dark blue link.
    GradientPanel *card = MakeCard(this, u"shpWeb"_s, QRect(18, 404, 300, 52), WhitePanel);
    auto *imgWeb = new ClickableImage(u"imgWeb"_s, u":/img/icona_web.svg"_s, QRect(10, 6, 40, 40), card);
    QString shown = MakerWebAddress();
    shown.remove(u"https://"_s);
    auto *lnkWeb = new LinkLabel(u"lnkWeb"_s, shown, QRect(58, 10, 236, 32), card);
    lnkWeb->attachIcon(imgWeb);

    QPushButton *btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(493, 410, 150, 40));
    btnChiudi->setDefault(true);

    connect(lnkWeb, &ClickableLabel::clicked, this, [] { TMisc::Open(QUrl(MakerWebAddress())); });
    connect(btnChiudi, &QPushButton::clicked, this, [this] { closeDialog(); });
}
