#pragma once
// TfrmAvvio: the start menu. Three tiles lead to the registry, the visit register and the
// summaries; closing it ends the program. The day's copy of the archives runs behind it, with its
// status line lblCopiaSicurezza.

#include "base/WorkProgress.h"
#include "storage/ArchiveBackup.h"
#include "widgets/Screen.h"

#include <QFutureWatcher>
#include <QTimer>

class ClickableImage;
class QLabel;

class TfrmAvvio : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAvvio(QWidget *parent = nullptr);
    ~TfrmAvvio() override;

    // Starts the day's copy of the archives on a worker thread, unless one is running.
    void startDailyBackup();
    // Stops a running copy and waits for it: its unfinished day folder is removed, so the next
    // login tries again.
    void stopDailyBackup();

protected:
    void onShow() override;
    void onClose() override;

private:
    // One tile: its picture, title button and description, all leading to the same screen.
    void addTile(const QString &field, int x, Screen *(*target)());
    ClickableImage *addImage(const QString &name, const QString &resource, const QRect &geometry);

    void imgEsciClick();
    void imgSitoClick();
    void imgInfoClick();
    void imgSplashClick();
    void imgOperatoriClick();
    void imgCambiaOperatoreClick();
    void imgPrivacyClick();
    void showBackupProgress();
    void backupFinished();
    // Once a day, after the day's copy: visits older than the office keeps them become anonymous,
    // on a worker thread.
    void startDailyAnonymising();
    void anonymisingFinished();

    ClickableImage *m_imgOperatori;
    ClickableImage *m_imgCambiaOperatore;
    ClickableImage *m_imgPrivacy;
    QLabel *m_lblCopiaSicurezza;
    WorkProgress m_backupProgress;
    QFutureWatcher<BackupOutcome> m_backup;
    QTimer m_backupStatus;
    QDate m_backupDay;
    QDate m_exitsOfferedDay;
    WorkProgress m_anonymisingProgress;
    QFutureWatcher<int> m_anonymising;
    QDate m_cutOff;
};
