#pragma once
// What of a text the record files cannot hold, and its transcription into characters they can.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The characters of the text that Windows-1252 cannot represent, each once, in order of
// appearance. A character is one as the operator sees it (an emoji, a letter with its marks), never
// half of a surrogate pair.
QStringList UnstorableCharacters(const QString &text);

// The text with every such character written in Latin letters (any script to Latin, then to plain
// ASCII what the code page still lacks); what cannot be written so is removed, runs of blanks left
// behind become one and the result is trimmed. Characters the code page holds, accented Latin
// letters and the euro sign among them, are never changed.
QString StorableTranscription(const QString &text);

// One box of an editor as the check sees it: its caption and its text.
struct CaptionedText
{
    QString caption;
    QString text;
};

// The first box, in the order given, holding characters the archive cannot store, with the
// question that names it and them; nothing when every box can be stored.
struct UnstorableBox
{
    qsizetype index = -1;
    QString question;
};
std::optional<UnstorableBox> FindUnstorableBox(const QList<CaptionedText> &boxes);

// A label's caption as messages name it: the text before its colon ("Cognome:" -> "Cognome",
// "Importo totale: €" -> "Importo totale").
QString CaptionOfLabel(const QString &label);
