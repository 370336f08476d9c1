#include "app/Avvio.h"

#include "app/Info.h"
#include "app/Maker.h"
#include "app/Operatori.h"
#include "app/Splash.h"
#include "base/Clock.h"
#include "base/Session.h"
#include "base/TextFunctions.h"
#include "privacy/Privacy.h"
#include "privacy/Retention.h"
#include "storage/OperatorStore.h"
#include "storage/PrivacySettings.h"
#include "storage/StorageError.h"
#include "visits/StampaEmergenza.h"
#include "visits/UsciteNonRegistrate.h"
#include "widgets/Activity.h"
#include "widgets/ClickableImage.h"
#include "widgets/Help.h"
#include "widgets/Look.h"
#include "widgets/Messages.h"
#include "widgets/Roles.h"
#include "widgets/TMisc.h"

#include <QApplication>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr int tileWidth = 300;
constexpr int tileGap = 30;
constexpr int tileTop = 146;
constexpr int tileHeight = 410;
constexpr int pictureInset = 15;
} // namespace

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : Screen(u"TfrmAvvio"_s, u" Portavel"_s, Screen::Kind::Maximized, QSize(995, 692), parent)
{
    // Title, subtitle and logo are decoration: plain pictures that do not react.
    MakePicture(panel(), u"imgLogo"_s, u":/img/avvio_logo.svg"_s, QRect(205, 14, 90, 90));
    MakePicture(panel(), u"imgTitolo"_s, u":/img/avvio_titolo.svg"_s, QRect(305, 18, 500, 62));
    MakePicture(panel(), u"imgSottotitolo"_s, u":/img/avvio_sottotitolo.svg"_s, QRect(305, 80, 500, 26));

    const int left = (panel()->width() - 3 * tileWidth - 2 * tileGap) / 2;
    addTile(u"Anagrafica"_s, left, [] { return Screen::of(ScreenId::Anagrafica); });
    addTile(u"Registro"_s, left + tileWidth + tileGap, [] { return Screen::of(ScreenId::MenuRegistro); });
    addTile(u"Riepilogo"_s, left + 2 * (tileWidth + tileGap), [] { return Screen::of(ScreenId::MenuRiepilogo); });

    ClickableImage *info = addImage(u"imgInfo"_s, u":/img/icona_info.svg"_s, QRect(12, 12, 56, 56));
    info->setToolTip(u"Informazioni"_s);
    connect(info, &ClickableImage::clicked, this, &TfrmAvvio::imgInfoClick);
    ClickableImage *guida = addImage(u"imgGuida"_s, u":/img/icona_guida.svg"_s, QRect(927, 12, 56, 56));
    guida->setToolTip(u"Guida"_s);
    connect(guida, &ClickableImage::clicked, this, [this] { ShowHelp(this, HelpTopic::Avvio); });
    ClickableImage *crediti = addImage(u"imgSplash"_s, u":/img/icona_crediti.svg"_s, QRect(12, 624, 56, 56));
    crediti->setToolTip(u"Crediti"_s);
    connect(crediti, &ClickableImage::clicked, this, &TfrmAvvio::imgSplashClick);
    ClickableImage *esci = addImage(u"imgEsci"_s, u":/img/icona_esci.svg"_s, QRect(927, 624, 56, 56));
    esci->setToolTip(u"Esci"_s);
    connect(esci, &ClickableImage::clicked, this, &TfrmAvvio::imgEsciClick);
    ClickableImage *emergenza = addImage(u"imgEmergenza"_s, u":/img/icona_emergenza.svg"_s, QRect(859, 12, 56, 56));
    emergenza->setToolTip(u"Stampa immediata dell'elenco delle persone presenti in sede."_s);
    connect(emergenza, &ClickableImage::clicked, this, [this] { PrintEmergencyList(this); });
    m_imgOperatori = addImage(u"imgOperatori"_s, u":/img/icona_operatori.svg"_s, QRect(80, 12, 56, 56));
    m_imgOperatori->setToolTip(u"Gestione degli operatori e dei loro permessi."_s);
    connect(m_imgOperatori, &ClickableImage::clicked, this, &TfrmAvvio::imgOperatoriClick);
    m_imgPrivacy = addImage(u"imgPrivacy"_s, u":/img/icona_privacy.svg"_s, QRect(148, 12, 56, 56));
    m_imgPrivacy->setToolTip(
        u"Conservazione dei dati, informativa, accesso e cancellazione dei dati di una persona."_s);
    connect(m_imgPrivacy, &ClickableImage::clicked, this, &TfrmAvvio::imgPrivacyClick);
    m_imgCambiaOperatore
        = addImage(u"imgCambiaOperatore"_s, u":/img/icona_cambiaoperatore.svg"_s, QRect(859, 624, 56, 56));
    m_imgCambiaOperatore->setToolTip(u"Termina la sessione e torna alla schermata di accesso."_s);
    connect(m_imgCambiaOperatore, &ClickableImage::clicked, this, &TfrmAvvio::imgCambiaOperatoreClick);
    ClickableImage *sito = addImage(u"imgSito"_s, u":/img/banner_sito.svg"_s, QRect(217, 626, 560, 46));
    connect(sito, &ClickableImage::clicked, this, &TfrmAvvio::imgSitoClick);

    m_lblCopiaSicurezza = MakeLabel(panel(), u"lblCopiaSicurezza"_s, QString(), QRect(217, 582, 560, 24),
        { VerdanaFont(9), Palette::HelpInk, Qt::AlignCenter });
    m_backupStatus.setInterval(200);
    connect(&m_backupStatus, &QTimer::timeout, this, &TfrmAvvio::showBackupProgress);
    connect(&m_backup, &QFutureWatcher<BackupOutcome>::finished, this, &TfrmAvvio::backupFinished);
    connect(&m_anonymising, &QFutureWatcher<int>::finished, this, &TfrmAvvio::anonymisingFinished);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &TfrmAvvio::stopDailyBackup);
}

TfrmAvvio::~TfrmAvvio()
{
    stopDailyBackup();
}

void TfrmAvvio::startDailyBackup()
{
    if (m_backup.isRunning())
        return;
    m_backupDay = Clock::today();
    // Asked before the copy starts: once it has, today's folder is there.
    const bool firstLoginOfDay = !IsDayCopied(m_backupDay);
    m_backupProgress.reset();
    m_backup.setFuture(QtConcurrent::run([this, day = m_backupDay] {
        const WorkProgress::Scope scope(m_backupProgress);
        return BackUpArchives(day);
    }));
    showBackupProgress();
    m_backupStatus.start();
    // At the day's first login (and once a day however often the day's copy fails), over the start
    // menu once the login is done: visits left open on earlier days.
    if (firstLoginOfDay && m_exitsOfferedDay != m_backupDay) {
        m_exitsOfferedDay = m_backupDay;
        QTimer::singleShot(
            0, this, [this] { TfrmUsciteNonRegistrate::showFor(this, TfrmUsciteNonRegistrate::Opening::AtLogin); });
    }
}

void TfrmAvvio::stopDailyBackup()
{
    if (m_anonymising.isRunning()) {
        // Stops between two cards: those written stay anonymous, the rest wait for the next login.
        m_anonymisingProgress.cancel();
        m_anonymising.waitForFinished();
    }
    if (!m_backup.isRunning())
        return;
    m_backupProgress.cancel();
    m_backup.waitForFinished();
}

void TfrmAvvio::startDailyAnonymising()
{
    if (m_anonymising.isRunning())
        return;
    PrivacySettings settings;
    try {
        settings = PrivacySettings::read();
    } catch (const StorageError &) {
        return;
    }
    const QDate today = Clock::today();
    if (!settings.months || *settings.months < 1 || settings.lastAutomaticRun == today)
        return;
    m_cutOff = RetentionCutOff(today, *settings.months);
    m_anonymisingProgress.reset();
    m_anonymising.setFuture(QtConcurrent::run([this, cutOff = m_cutOff] {
        const WorkProgress::Scope scope(m_anonymisingProgress);
        return AnonymiseDueVisits(cutOff);
    }));
}

void TfrmAvvio::anonymisingFinished()
{
    int done = 0;
    try {
        done = m_anonymising.result();
        PrivacySettings settings = PrivacySettings::read();
        settings.lastAutomaticRun = Clock::today();
        settings.lastAutomaticCount = done;
        settings.write();
    } catch (const WorkCancelled &) {
        return;
    } catch (const StorageError &error) {
        QWidget *over = QApplication::activeWindow();
        Messages::warning(PrivacyFailureText(error.file()), over ? over : this);
        return;
    }
    RecordActivity(u"anonimizzazione"_s, DateText(m_cutOff) + u' ' + QString::number(done), this);
}

void TfrmAvvio::showBackupProgress()
{
    // 100 only once the copy is whole: the last reads check it.
    const int percent = std::min(99, m_backupProgress.permille() / 10);
    m_lblCopiaSicurezza->setText(u"Copia di sicurezza in corso... %1%"_s.arg(percent));
}

void TfrmAvvio::backupFinished()
{
    m_backupStatus.stop();
    m_lblCopiaSicurezza->clear();
    switch (m_backup.result()) {
    case BackupOutcome::Done:
        m_lblCopiaSicurezza->setText(
            u"Copia di sicurezza del "_s + m_backupDay.toString(u"dd/MM/yyyy"_s) + u" completata."_s);
        RecordActivity(u"copia_sicurezza"_s, m_backupDay.toString(u"yyyy-MM-dd"_s), this);
        break;
    case BackupOutcome::Failed: {
        RecordActivity(u"copia_sicurezza"_s, u"non riuscita"_s, this);
        // Over whatever the operator is working on: a failure must not go unseen.
        QWidget *over = QApplication::activeWindow();
        Messages::warning(
            u"Attenzione: non è stato possibile eseguire la copia di sicurezza degli archivi."_s, over ? over : this);
        break;
    }
    case BackupOutcome::AlreadyDone:
    case BackupOutcome::Stopped:
        break;
    }
    // Never without the day's copy: anonymising cannot be undone, the copy keeps what it changed.
    if (m_backup.result() == BackupOutcome::Done || m_backup.result() == BackupOutcome::AlreadyDone)
        startDailyAnonymising();
}

void TfrmAvvio::addTile(const QString &field, int x, Screen *(*target)())
{
    MakeCard(panel(), u"shp"_s + field, QRect(x, tileTop, tileWidth, tileHeight), TileCard);

    const QString lower = field.toLower();
    const int inner = x + pictureInset;
    const int innerWidth = tileWidth - 2 * pictureInset;
    ClickableImage *images[] = {
        addImage(u"img"_s + field, u":/img/tile_"_s + lower + u".svg"_s, QRect(inner, tileTop + 16, innerWidth, 200)),
        addImage(u"btn"_s + field, u":/img/btn_"_s + lower + u".svg"_s, QRect(inner, tileTop + 236, innerWidth, 50)),
        addImage(u"inf"_s + field, u":/img/inf_"_s + lower + u".svg"_s, QRect(inner, tileTop + 304, innerWidth, 76)),
    };
    for (ClickableImage *image : images)
        connect(image, &ClickableImage::clicked, this, [this, target] { switchTo(target()); });
}

ClickableImage *TfrmAvvio::addImage(const QString &name, const QString &resource, const QRect &geometry)
{
    return new ClickableImage(name, resource, geometry, panel());
}

void TfrmAvvio::imgEsciClick()
{
    QApplication::quit();
}

void TfrmAvvio::imgSitoClick()
{
    TMisc::Open(QUrl(MakerWebAddress()));
}

void TfrmAvvio::imgInfoClick()
{
    TfrmInfo dlg(this);
    dlg.exec();
}

void TfrmAvvio::imgSplashClick()
{
    TfrmSplash dlg(this);
    dlg.exec();
}

void TfrmAvvio::onShow()
{
    ApplyRole(m_imgOperatori);
    ApplyRole(m_imgPrivacy);
    // Without operators there is nobody to change: the start menu stays as it always was.
    m_imgCambiaOperatore->setVisible(OperatorStore::configured());
}

void TfrmAvvio::imgOperatoriClick()
{
    TfrmOperatori dlg(this);
    dlg.exec();
    onShow();
}

void TfrmAvvio::imgPrivacyClick()
{
    TfrmPrivacy dlg(this);
    dlg.exec();
}

void TfrmAvvio::imgCambiaOperatoreClick()
{
    RecordActivity(u"cambio_operatore"_s, QString(), this);
    Session::logOut();
    // The login emptied its boxes when this operator came in.
    switchTo(Screen::of(ScreenId::Password));
}

void TfrmAvvio::onClose()
{
    QApplication::quit();
}
