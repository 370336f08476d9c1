#include "app/Guida.h"

#include "base/ProgramFolder.h"
#include "widgets/ClickableImage.h"
#include "widgets/GradientPanel.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "widgets/TMisc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TfrmGuida::TfrmGuida(QWidget *parent)
    : Dialog(u"TfrmGuida"_s, u" Guida all'utilizzo del software"_s, QSize(670, 572), parent,
        Dialog::Placement::CentreOnScreen)
{
    setBackground(Qt::white, Palette::HelpBottom);

    GradientPanel *top = MakeCard(this, u"shpLogo"_s, QRect(12, 12, 646, 72), WhitePanel);
    MakePicture(top, u"imgLogo"_s, u":/img/guida_banner.svg"_s, QRect(8, 6, 630, 60));

    QFont titleFont(u"Arial"_s, 16);
    titleFont.setBold(true);
    m_lblTitolo = MakeLabel(
        this, u"lblTitolo"_s, u"Argomento della guida."_s, QRect(22, 96, 626, 32), { titleFont, Palette::Crimson });

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(u"txtGuida"_s);
    m_txtGuida->setGeometry(22, 134, 625, 350);
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setFont(VerdanaFont(12, true));
    m_txtGuida->setStyleSheet(
        u"QPlainTextEdit { color: %1; background: white; border: 1px solid %2; border-radius: 4px; padding: 6px; }"_s
            .arg(Palette::HelpInk.name(), Palette::HelpBoxBorder.name()));

    auto *imgPDF = new ClickableImage(u"imgPDF"_s, u":/img/icona_pdf.svg"_s, QRect(22, 506, 40, 40), this);
    auto *lnkWeb = new LinkLabel(u"lnkWeb"_s, u"Visualizza guida in formato PDF"_s, QRect(70, 510, 330, 32), this);
    lnkWeb->attachIcon(imgPDF);

    m_btnChiudi = MakeButton(this, u"btnChiudi"_s, u"Chiudi"_s, QRect(498, 506, 150, 40));
    m_btnChiudi->setDefault(true);

    connect(lnkWeb, &ClickableLabel::clicked, this, &TfrmGuida::lnkWebClick);
    connect(m_btnChiudi, &QPushButton::clicked, this, [this] { closeDialog(); });
}

void TfrmGuida::showTopic(HelpTopic topic)
{
    m_lblTitolo->setText(HelpTitle(topic));
    m_txtGuida->setPlainText(HelpText(topic));
}

void TfrmGuida::open(QWidget *owner, HelpTopic topic)
{
    TfrmGuida dlg(owner);
    dlg.showTopic(topic);
    dlg.exec();
}

void TfrmGuida::lnkWebClick()
{
    // Without the guide the desktop would only answer with an error of its own.
    QString guide = ProgramFolder() + u"Guida.pdf"_s;
    // An installed program finds its guide with its documentation.
    if (!QFileInfo(guide).isFile())
        guide = QDir::fromNativeSeparators(QCoreApplication::applicationDirPath())
            + u"/../share/doc/portavel/Guida.pdf"_s;
    if (QFileInfo(guide).isFile())
        TMisc::Open(QUrl::fromLocalFile(guide));
}
