#include "widgets/Messages.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Message texts keep the exact line breaks of the program's texts; a box shows plain lines.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(u"\r\n"_s, u"\n"_s);
    shown.remove(u'\r');
    return shown;
}

class DesktopHandler : public MessageHandler
{
public:
    bool message(QWidget *parent, MessageKind kind, const QString &text) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(u"Portavel"_s);
        // Texts may repeat what the operator typed: never read them as markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(displayText(text));
        switch (kind) {
        case MessageKind::Notice:
            box.setIcon(QMessageBox::NoIcon);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageKind::Warning:
            box.setWindowTitle(u"Attenzione"_s);
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Error:
            box.setWindowTitle(u"Errore"_s);
            box.setIcon(QMessageBox::Critical);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Information:
            box.setWindowTitle(u"Informazione"_s);
            box.setIcon(QMessageBox::Information);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageKind::Confirmation:
            box.setWindowTitle(u"Conferma"_s);
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        const int answer = box.exec();
        return answer != QMessageBox::No && answer != QMessageBox::Cancel;
    }

    std::optional<QString> input(
        QWidget *parent, const QString &caption, const QString &prompt, const QString &value) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }

    QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    }
};

DesktopHandler desktopHandler;
MessageHandler *currentHandler = &desktopHandler;

} // namespace

void Messages::notice(const QString &text, QWidget *parent)
{
    currentHandler->message(parent, MessageKind::Notice, text);
}

void Messages::warning(const QString &text, QWidget *parent)
{
    currentHandler->message(parent, MessageKind::Warning, text);
}

void Messages::error(const QString &text, QWidget *parent)
{
    currentHandler->message(parent, MessageKind::Error, text);
}

void Messages::information(const QString &text, QWidget *parent)
{
    currentHandler->message(parent, MessageKind::Information, text);
}

void Messages::refuse(const QString &text, bool asWarning, QWidget *parent, QWidget *focus)
{
    if (asWarning)
        warning(text, parent);
    else
        notice(text, parent);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

bool Messages::confirm(const QString &text, QWidget *parent)
{
    return currentHandler->message(parent, MessageKind::Confirmation, text);
}

std::optional<QString> Messages::inputBox(
    const QString &caption, const QString &prompt, const QString &value, QWidget *parent)
{
    return currentHandler->input(parent, caption, prompt, value);
}

QString Messages::openFileName(const QString &caption, const QString &folder, const QString &filter, QWidget *parent)
{
    return currentHandler->openFileName(parent, caption, folder, filter);
}

void Messages::setHandler(MessageHandler *handler)
{
    currentHandler = handler ? handler : &desktopHandler;
}

MessageHandler *Messages::handler()
{
    return currentHandler == &desktopHandler ? nullptr : currentHandler;
}
