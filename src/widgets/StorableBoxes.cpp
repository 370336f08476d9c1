#include "widgets/StorableBoxes.h"

#include "storage/StorableText.h"
#include "widgets/KeyRules.h"
#include "widgets/Messages.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

bool CheckStorableBoxes(QWidget *owner, const QList<CaptionedBox> &boxes, QLabel *hintLine)
{
    QList<CaptionedText> texts;
    texts.reserve(boxes.size());
    for (const CaptionedBox &b : boxes)
        texts.append({ b.caption, b.box->text() });
    const std::optional<UnstorableBox> found = FindUnstorableBox(texts);
    if (!found)
        return true;
    if (!Messages::confirm(found->question, owner)) {
        boxes.at(found->index).focus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // The operator reads the transcription before saving it.
    QWidget *first = nullptr;
    for (const CaptionedBox &b : boxes) {
        if (UnstorableCharacters(b.box->text()).isEmpty())
            continue;
        ShowBoxText(b.box, StorableTranscription(b.box->text()));
        if (!first)
            first = b.focus;
    }
    first->setFocus(Qt::OtherFocusReason);
    if (hintLine)
        hintLine->setText(u"Trascrizione inserita: controllare la scheda e premere Salva."_s);
    return false;
}
