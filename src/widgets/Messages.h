#pragma once
// The one way windows talk to the operator through message boxes, the input box and the
// open-file dialog. Tests install a handler that records what was shown and answers from a script.

#include <QString>
#include <optional>

class QWidget;

enum class MessageKind { Notice, Warning, Error, Information, Confirmation };

class MessageHandler
{
public:
    virtual ~MessageHandler() = default;
    // true for OK or Yes, false for Cancel or No.
    virtual bool message(QWidget *parent, MessageKind kind, const QString &text) = 0;
    virtual std::optional<QString> input(
        QWidget *parent, const QString &caption, const QString &prompt, const QString &value)
        = 0;
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
        = 0;
};

class Messages
{
public:
    // Plain notice: the text and one OK button.
    static void notice(const QString &text, QWidget *parent = nullptr);
    // Typed boxes with OK and Cancel; either button goes on the same way.
    static void warning(const QString &text, QWidget *parent = nullptr);
    static void error(const QString &text, QWidget *parent = nullptr);
    static void information(const QString &text, QWidget *parent = nullptr);
    // A check that refused what was typed: its message as a warning or a notice, then the focus
    // in the box it names (none keeps the focus where it is).
    static void refuse(const QString &text, bool asWarning, QWidget *parent, QWidget *focus);
    // Yes and No: true unless the answer is No.
    static bool confirm(const QString &text, QWidget *parent = nullptr);
    // One-line input box; nothing when cancelled.
    static std::optional<QString> inputBox(
        const QString &caption, const QString &prompt, const QString &value, QWidget *parent = nullptr);
    // Open-file dialog; empty when cancelled.
    static QString openFileName(
        const QString &caption, const QString &folder, const QString &filter, QWidget *parent = nullptr);

    // nullptr gives the real boxes back.
    static void setHandler(MessageHandler *handler);
    static MessageHandler *handler();
};
