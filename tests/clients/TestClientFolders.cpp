#include "FileSizeLimit.h"
#include "MessageRecorder.h"
#include "TestHelpers.h"

#include "clients/AllegaCartella.h"
#include "clients/Cartella.h"
#include "clients/ClientFolders.h"
#include "widgets/ClickableImage.h"
#include "widgets/TMisc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(MessageKind)

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

// The card's folder and its attachments: the paths, the copy into the attachments folder and the
// two dialogs, with the failures the operator must hear about.
class TestClientFolders : public QObject
{
    Q_OBJECT

private:
    std::optional<TempProgramFolder> m_folder;
    std::optional<QTemporaryDir> m_outside; // where the operator's documents come from
    std::unique_ptr<MessageRecorder> m_messages;
    QList<QUrl> m_opened;

    QString program(const QString &name) const { return m_folder->file(name); }
    QString attachments(const QString &name = QString()) const { return program(u"Documenti_Allegati/"_s + name); }
    QString outside(const QString &name) const { return m_outside->filePath(name); }

    static QPushButton *button(QWidget *dialog, const QString &name) { return dialog->findChild<QPushButton *>(name); }
    static QLineEdit *edit(QWidget *dialog, const QString &name) { return dialog->findChild<QLineEdit *>(name); }

private Q_SLOTS:
    void init()
    {
        m_folder.emplace();
        m_outside.emplace();
        m_messages = std::make_unique<MessageRecorder>();
        m_opened.clear();
        TMisc::setOpener([this](const QUrl &url) { m_opened.append(url); });
    }

    void cleanup()
    {
        TMisc::setOpener({});
        m_messages.reset();
        m_outside.reset();
        m_folder.reset();
    }

    void clientFolderPath_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("folder"); // empty: no folder at all
        QTest::newRow("third card") << u"3"_s << u"Visitatore_3"_s;
        QTest::newRow("trimmed") << u" 12 "_s << u"Visitatore_12"_s;
        QTest::newRow("blank") << u"  "_s << QString();
        QTest::newRow("a path") << u"../x"_s << QString();
        QTest::newRow("a separator") << u"1/2"_s << QString();
        QTest::newRow("a sign") << u"-1"_s << QString();
    }

    void clientFolderPath()
    {
        QFETCH(QString, position);
        QFETCH(QString, folder);
        const std::optional<QString> path = ClientFolderPath(position);
        QCOMPARE(path.has_value(), !folder.isEmpty());
        if (path)
            QCOMPARE(*path, program(folder));
    }

    void attachmentName_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("name");
        QTest::newRow("a path") << u"/home/desk/contratto.pdf"_s << u"contratto.pdf"_s;
        QTest::newRow("a Windows path") << u"C:\\Documenti\\carta.jpg"_s << u"carta.jpg"_s;
        QTest::newRow("climbing up") << u"../../etc/passwd"_s << u"passwd"_s;
        QTest::newRow("climbing up with backslashes") << u"..\\..\\fuori.txt"_s << u"fuori.txt"_s;
        QTest::newRow("plain name") << u"nota.txt"_s << u"nota.txt"_s;
        QTest::newRow("two dots") << u"/tmp/.."_s << QString();
        QTest::newRow("one dot") << u"."_s << QString();
        QTest::newRow("a folder") << u"/tmp/"_s << QString();
    }

    void attachmentName()
    {
        QFETCH(QString, chosen);
        QTEST(AttachmentName(chosen), "name");
    }

    void attachmentNameFits_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        QTest::newRow("plain") << u"contratto.pdf"_s << true;
        QTest::newRow("Windows-1252 letters") << u"caffè € 1.pdf"_s << true;
        QTest::newRow("outside Windows-1252") << u"\u65e5\u672c.pdf"_s << false;
        QTest::newRow("250 characters") << QString(246, u'a') + u".pdf"_s << true;
        QTest::newRow("251 characters") << QString(247, u'a') + u".pdf"_s << false;
    }

    void attachmentNameFits()
    {
        QFETCH(QString, name);
        QTEST(AttachmentNameFits(name), "fits");
    }

    // Apri cartella creates the card's folder the first time and opens it; later it opens it again
    // with what it holds.
    void folderDialogCreatesAndOpens()
    {
        for (int round = 0; round < 2; ++round) {
            TfrmCartella dialog;
            dialog.setPosition(3);
            dialog.show();
            button(&dialog, u"btnApriCartella"_s)->click();
            QVERIFY(!dialog.isVisible());
            QVERIFY(QFileInfo(program(u"Visitatore_3"_s)).isDir());
            QCOMPARE(m_opened.size(), round + 1);
            QCOMPARE(m_opened.last(), QUrl::fromLocalFile(program(u"Visitatore_3"_s)));
            if (round == 0)
                QVERIFY(writeFile(program(u"Visitatore_3/nota.txt"_s), "nota"));
        }
        QCOMPARE(FileBytes(program(u"Visitatore_3/nota.txt"_s)), QByteArray("nota"));
        QCOMPARE(m_messages->count(), 0);
    }

    // A file where the folder should be: one clear error, nothing opened, the file untouched.
    void folderDialogWithAFileInTheWay()
    {
        QVERIFY(writeFile(program(u"Visitatore_4"_s), "non una cartella"));
        TfrmCartella dialog;
        dialog.setPosition(4);
        dialog.show();
        button(&dialog, u"btnApriCartella"_s)->click();
        QCOMPARE(m_messages->count(), 1);
        QCOMPARE(m_messages->lastKind(), MessageKind::Error);
        QVERIFY(m_messages->lastText().startsWith(u"Attenzione: non è stato possibile creare la cartella "_s));
        QVERIFY(m_messages->lastText().contains(u"Visitatore_4"_s));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(FileBytes(program(u"Visitatore_4"_s)), QByteArray("non una cartella"));
    }

    void folderDialogCloses()
    {
        TfrmCartella dialog;
        dialog.setPosition(5);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u" Gestione cartella abbinata alla scheda corrente"_s);
        QCOMPARE(button(&dialog, u"btnApriCartella"_s)->text(), u"Apri cartella"_s);
        QCOMPARE(dialog.findChild<QLabel *>(u"lblMemory"_s)->text(), u"5"_s);
        QVERIFY(!dialog.findChild<QLabel *>(u"lblMemory"_s)->isVisible());
        button(&dialog, u"btnChiudi"_s)->click();
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_opened.isEmpty());
        QVERIFY(!QFile::exists(program(u"Visitatore_5"_s)));
    }

    // The rows of the dialog and the Apri buttons, enabled while their name box holds a name.
    void attachmentRows()
    {
        TfrmAllegaCartella dialog;
        QCOMPARE(dialog.windowTitle(), u" Allega file"_s);
        QCOMPARE(button(&dialog, u"btnApplica"_s)->text(), u"Applica e chiudi"_s);
        QCOMPARE(button(&dialog, u"btnAnnulla"_s)->text(), u"Annulla"_s);
        for (int i = 1; i <= 3; ++i) {
            const QString n = u"0%1"_s.arg(i);
            QVERIFY(edit(&dialog, u"txtFile"_s + n)->isReadOnly());
            QVERIFY(!edit(&dialog, u"txtDesc"_s + n)->isReadOnly());
            QCOMPARE(button(&dialog, u"btnSfoglia"_s + n)->text(), u"Sfoglia..."_s);
            QCOMPARE(button(&dialog, u"btnApri"_s + n)->text(), u"Apri"_s);
            QVERIFY(!button(&dialog, u"btnApri"_s + n)->isEnabled());
            QVERIFY(dialog.findChild<ClickableImage *>(u"imgCancella"_s + n));
            bool labelled = false;
            for (QLabel *label : dialog.findChildren<QLabel *>())
                labelled = labelled || label->text() == u"Descrizione %1° file allegato:"_s.arg(i);
            QVERIFY(labelled);
        }
        dialog.setSlots({ { { u"  "_s, u"a"_s }, { u"b.pdf"_s, QString() }, { QString(), QString() } } });
        QVERIFY(!button(&dialog, u"btnApri01"_s)->isEnabled());
        QVERIFY(button(&dialog, u"btnApri02"_s)->isEnabled());
        dialog.show();
        QTest::mouseClick(dialog.findChild<ClickableImage *>(u"imgCancella02"_s), Qt::LeftButton);
        QCOMPARE(edit(&dialog, u"txtFile02"_s)->text(), QString());
        QVERIFY(!button(&dialog, u"btnApri02"_s)->isEnabled());
        QVERIFY(m_opened.isEmpty());
    }

    // Sfoglia copies the chosen document into the attachments folder under its own name, and Apri
    // opens that very file, whatever signs its name holds.
    void browseFilesTheDocument_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << u"contratto.pdf"_s;
        QTest::newRow("double quotes") << u"contratto \"firmato\".pdf"_s;
    }
    void browseFilesTheDocument()
    {
        QFETCH(QString, name);
        const QByteArray content(300000, 'p');
        QVERIFY(writeFile(outside(name), content));
        m_messages->fileNames = { outside(name) };
        TfrmAllegaCartella dialog;
        dialog.show();
        button(&dialog, u"btnSfoglia02"_s)->click();
        QCOMPARE(edit(&dialog, u"txtFile02"_s)->text(), name);
        QVERIFY(button(&dialog, u"btnApri02"_s)->isEnabled());
        QCOMPARE(FileBytes(attachments(name)), content);
        QCOMPARE(entriesOf(attachments()), QStringList { name });
        QCOMPARE(m_messages->count(), 0);

        button(&dialog, u"btnApri02"_s)->click();
        QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(attachments(name)) });
        QVERIFY(QFileInfo(m_opened.first().toLocalFile()).isFile());
    }

    void browseCancelledChangesNothing()
    {
        TfrmAllegaCartella dialog;
        dialog.setSlots({ { { u"vecchio.pdf"_s, QString() }, {}, {} } });
        dialog.show();
        button(&dialog, u"btnSfoglia01"_s)->click();
        QCOMPARE(edit(&dialog, u"txtFile01"_s)->text(), u"vecchio.pdf"_s);
        QVERIFY(!QFile::exists(attachments()));
        QCOMPARE(m_messages->count(), 0);
    }

    // A document of the same name is replaced only when the operator says yes.
    void replaceQuestion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }

    void replaceQuestion()
    {
        QFETCH(bool, yes);
        QVERIFY(QDir().mkpath(attachments()));
        QVERIFY(writeFile(attachments(u"contratto.pdf"_s), "di un'altra scheda"));
        QVERIFY(writeFile(outside(u"contratto.pdf"_s), "nuovo"));
        m_messages->fileNames = { outside(u"contratto.pdf"_s) };
        m_messages->answers = { yes };
        TfrmAllegaCartella dialog;
        dialog.show();
        button(&dialog, u"btnSfoglia03"_s)->click();
        QCOMPARE(m_messages->count(), 1);
        QCOMPARE(m_messages->lastKind(), MessageKind::Confirmation);
        QCOMPARE(m_messages->lastText(),
            u"Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\nSi "
            u"vuole sovrascrivere il file esistente?"_s);
        QCOMPARE(edit(&dialog, u"txtFile03"_s)->text(), u"contratto.pdf"_s);
        QCOMPARE(
            FileBytes(attachments(u"contratto.pdf"_s)), yes ? QByteArray("nuovo") : QByteArray("di un'altra scheda"));
        QCOMPARE(entriesOf(attachments()), QStringList { u"contratto.pdf"_s });
    }

    // A copy that fails is told to the operator, the slot goes back to what it named, and the
    // attachments folder holds neither a half file nor a damaged earlier one.
    void failedCopy_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("disk full while replacing") << u"full"_s;
        QTest::newRow("disk full, new name") << u"full, new"_s;
        QTest::newRow("document gone") << u"gone"_s;
        QTest::newRow("a file where the folder should be") << u"no folder"_s;
    }

    void failedCopy()
    {
        QFETCH(QString, how);
        const QByteArray earlier(2000, 'e');
        const QString chosen = outside(how == u"full, new"_s ? u"nuovo.pdf"_s : u"contratto.pdf"_s);
        if (how == u"no folder"_s) {
            QVERIFY(writeFile(program(u"Documenti_Allegati"_s), "un file"));
        } else {
            QVERIFY(QDir().mkpath(attachments()));
            QVERIFY(writeFile(attachments(u"contratto.pdf"_s), earlier));
        }
        if (how != u"gone"_s)
            QVERIFY(writeFile(chosen, QByteArray(100000, 'n')));
        m_messages->fileNames = { chosen };
        TfrmAllegaCartella dialog;
        dialog.setSlots({ { { u"vecchio.pdf"_s, u"Vecchio"_s }, {}, {} } });
        dialog.show();
        {
            std::optional<FileSizeLimit> limit;
            if (how.startsWith(u"full"_s))
                limit.emplace(10000);
            button(&dialog, u"btnSfoglia01"_s)->click();
        }
        QCOMPARE(m_messages->messages.last().kind, MessageKind::Warning);
        const QString name = QFileInfo(chosen).fileName();
        QCOMPARE(m_messages->lastText(),
            u"Attenzione: non è stato possibile copiare il file "_s + name
                + u" nella cartella dei documenti allegati, quindi il file non è stato allegato alla scheda.\n\r\n\r"
                  u"Accertarsi che il file esista ancora, che il disco non sia pieno e di possedere i privilegi di "
                  u"scrittura nella cartella di installazione del programma."_s);
        QCOMPARE(edit(&dialog, u"txtFile01"_s)->text(), u"vecchio.pdf"_s);
        if (how == u"no folder"_s) {
            QCOMPARE(FileBytes(program(u"Documenti_Allegati"_s)), QByteArray("un file"));
        } else {
            QCOMPARE(entriesOf(attachments()), QStringList { u"contratto.pdf"_s });
            QCOMPARE(FileBytes(attachments(u"contratto.pdf"_s)), earlier);
        }
    }

    // Whatever the chosen name holds, the copy lands inside the attachments folder under its
    // plain name, and nothing is written anywhere else.
    void nameCannotLeadOutside()
    {
        const QString strange = u"..\\..\\fuori.txt"_s; // a legal file name here, a path elsewhere
        QVERIFY(writeFile(outside(strange), "dentro"));
        m_messages->fileNames = { outside(strange) };
        TfrmAllegaCartella dialog;
        dialog.show();
        button(&dialog, u"btnSfoglia01"_s)->click();
        QCOMPARE(m_messages->count(), 0);
        QCOMPARE(edit(&dialog, u"txtFile01"_s)->text(), u"fuori.txt"_s);
        QCOMPARE(FileBytes(attachments(u"fuori.txt"_s)), QByteArray("dentro"));
        QCOMPARE(entriesOf(m_folder->path()), QStringList { u"Documenti_Allegati"_s });

        // A name loaded from a damaged card opens only inside the folder too.
        dialog.setSlots({ { { u"../../segreto.txt"_s, QString() }, {}, {} } });
        button(&dialog, u"btnApri01"_s)->click();
        QCOMPARE(m_opened, QList<QUrl> { QUrl::fromLocalFile(attachments(u"segreto.txt"_s)) });
    }

    // A name the card could not hold as it is would point at no file once saved: refused.
    void nameTheCardCannotHold()
    {
        const QString name = u"\u65e5\u672c.pdf"_s;
        QVERIFY(writeFile(outside(name), "x"));
        m_messages->fileNames = { outside(name) };
        TfrmAllegaCartella dialog;
        dialog.show();
        button(&dialog, u"btnSfoglia01"_s)->click();
        QCOMPARE(m_messages->count(), 1);
        QCOMPARE(m_messages->lastKind(), MessageKind::Warning);
        QCOMPARE(m_messages->lastText(),
            u"Attenzione: il nome del file "_s + name
                + u" contiene caratteri non ammessi o è troppo lungo per essere registrato nella scheda.\n\r\n\r"
                  u"Rinominare il file e allegarlo di nuovo."_s);
        QCOMPARE(edit(&dialog, u"txtFile01"_s)->text(), QString());
        QVERIFY(!QFile::exists(attachments()));
    }

    // A document chosen from the attachments folder itself is already filed: no question, no copy.
    void chosenFromTheAttachmentsFolder()
    {
        QVERIFY(QDir().mkpath(attachments()));
        QVERIFY(writeFile(attachments(u"gia.pdf"_s), "filed"));
        m_messages->fileNames = { attachments(u"gia.pdf"_s) };
        TfrmAllegaCartella dialog;
        dialog.show();
        button(&dialog, u"btnSfoglia02"_s)->click();
        QCOMPARE(m_messages->count(), 0);
        QCOMPARE(edit(&dialog, u"txtFile02"_s)->text(), u"gia.pdf"_s);
        QCOMPARE(FileBytes(attachments(u"gia.pdf"_s)), QByteArray("filed"));
        QCOMPARE(entriesOf(attachments()), QStringList { u"gia.pdf"_s });
    }

    // "Applica e chiudi" hands back the six values, trimmed, only to the client card editor;
    // Annulla hands back nothing, and files already copied stay.
    void applyAndCancel_data()
    {
        QTest::addColumn<bool>("byEditor");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("applied");
        QTest::newRow("apply") << true << u"btnApplica"_s << true;
        QTest::newRow("apply, not opened by the editor") << false << u"btnApplica"_s << false;
        QTest::newRow("cancel") << true << u"btnAnnulla"_s << false;
    }

    void applyAndCancel()
    {
        QFETCH(bool, byEditor);
        QFETCH(QString, button);
        QFETCH(bool, applied);
        QVERIFY(writeFile(outside(u"foto.jpg"_s), "jpg"));
        m_messages->fileNames = { outside(u"foto.jpg"_s) };
        TfrmAllegaCartella dialog;
        if (byEditor)
            dialog.setOpenedByEditor();
        dialog.setSlots({ { { u"a.pdf"_s, u"A"_s }, { QString(), QString() }, { u"c.pdf"_s, u"C"_s } } });
        dialog.show();
        TestClientFolders::button(&dialog, u"btnSfoglia02"_s)->click();
        edit(&dialog, u"txtDesc02"_s)->setText(u"  Foto  "_s);
        QTest::mouseClick(dialog.findChild<ClickableImage *>(u"imgCancella01"_s), Qt::LeftButton);
        TestClientFolders::button(&dialog, button)->click();

        QCOMPARE(dialog.appliedSlots().has_value(), applied);
        if (applied) {
            const AttachmentSlots expected { { { QString(), u"A"_s }, { u"foto.jpg"_s, u"Foto"_s },
                { u"c.pdf"_s, u"C"_s } } };
            QCOMPARE(*dialog.appliedSlots(), expected);
        }
        // Applica in a dialog the editor did not open does nothing: the dialog stays.
        QCOMPARE(dialog.isVisible(), !byEditor);
        QCOMPARE(FileBytes(attachments(u"foto.jpg"_s)), QByteArray("jpg"));
    }
};

QTEST_MAIN(TestClientFolders)
#include "TestClientFolders.moc"
