#include "clients/Cartella.h"

#include "base/ProgramFolder.h"
#include "clients/ClientFolders.h"
#include "widgets/GradientPanel.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/Screen.h"
#include "widgets/TMisc.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmCartella::TfrmCartella(QWidget *parent)
    : Dialog(u"TfrmCartella"_s, u" Gestione cartella abbinata alla scheda corrente"_s, QSize(520, 300), parent,
        Dialog::Placement::CentreOnScreen)
    , m_lblMemory(MakeHiddenLabel(this, u"lblMemory"_s))
{
    setBackground(Palette::DialogTop, Palette::DialogBottom);
    MakeBanner(this, BannerStyle::List, QRect(14, 14, 492, 46), u"Cartella del Visitatore"_s);

    GradientLook look = WhitePanel;
    look.bottom = Palette::PanelBottom;
    GradientPanel *panel = MakeCard(this, u"shpRiquadro"_s, QRect(14, 72, 492, 144), look);
    MakePicture(panel, u"imgCartella"_s, u":/img/cartella_grande.svg"_s, QRect(16, 32, 96, 80));
    MakeLabel(panel, u"lblTitolo"_s, u"Una cartella per ogni Visitatore"_s, QRect(128, 14, 350, 24),
        { VerdanaFont(11, true), Palette::TitleInk });
    MakeLabel(panel, u"lblSpiegazione"_s,
        u"La cartella è abbinata alla scheda corrente: vi si può conservare qualsiasi file che riguardi il "
        u"Visitatore. Fare clic sul pulsante qui sotto per aprirla."_s,
        QRect(128, 42, 348, 88), { VerdanaFont(9), Palette::HelpInk, Qt::AlignLeft | Qt::AlignTop, true });

    m_btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(14, 236, 160, 44));
    m_btnApriCartella = MakeButton(this, u"btnApriCartella"_s, u"Apri cartella"_s, QRect(346, 236, 160, 44),
        ButtonStyle::Plain, u":/img/ana_cartella.svg"_s);
    m_btnApriCartella->setDefault(true);
    setTabOrder(m_btnApriCartella, m_btnChiudi);
    connect(m_btnApriCartella, &QPushButton::clicked, this, &TfrmCartella::btnApriCartellaClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, &TfrmCartella::btnChiudiClick);
}

void TfrmCartella::setPosition(int position)
{
    m_position = position;
    m_lblMemory->setText(QString::number(position));
}

void TfrmCartella::btnApriCartellaClick()
{
    const QString position = QString::number(m_position);
    const std::optional<QString> folder = ClientFolderPath(position);
    if (!folder || !MakeFolder(*folder)) {
        // A file in the folder's place, or a folder that cannot be made: nothing is opened.
        const QString shown = folder ? *folder : ProgramFolder() + u"Visitatore_"_s + position;
        Messages::error(ClientFolderTexts::folderFailed(QDir::toNativeSeparators(shown)), this);
        return;
    }
    TMisc::Open(QUrl::fromLocalFile(*folder));
    closeDialog(QDialog::Accepted);
}

void TfrmCartella::btnChiudiClick()
{
    closeDialog();
}
