#pragma once
// Records every message the program shows and answers from a script, so windows run headless.

#include "widgets/Messages.h"

#include <QList>
#include <QStringList>

struct RecordedMessage
{
    MessageKind kind;
    QString text;
};

class MessageRecorder : public MessageHandler
{
public:
    // A recorder made while another records takes over until it goes.
    MessageRecorder()
        : m_previous(Messages::handler())
    {
        Messages::setHandler(this);
    }
    ~MessageRecorder() override { Messages::setHandler(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    bool message(QWidget *, MessageKind kind, const QString &text) override
    {
        messages.append({ kind, text });
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &prompt, const QString &) override
    {
        prompts.append(prompt);
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }

    int count() const { return int(messages.size()); }
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    MessageKind lastKind() const { return messages.isEmpty() ? MessageKind::Notice : messages.last().kind; }

    QList<RecordedMessage> messages;
    QList<bool> answers; // for confirmations and typed boxes, in order; true when empty
    QList<std::optional<QString>> inputs;
    QStringList prompts;
    QStringList fileNames;

private:
    MessageHandler *m_previous;
};
