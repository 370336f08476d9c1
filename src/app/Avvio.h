#pragma once
// TfrmAvvio: the start menu. Three tiles lead to the registry, the visit register and the
// summaries; closing it ends the program.

#include "widgets/Screen.h"

class ClickableImage;

class TfrmAvvio : public Screen
{
    Q_OBJECT

public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

protected:
    void onClose() override;

private:
    // One tile: its picture, title button and description, all leading to the same screen.
    void addTile(const QString &field, int x, Screen *(*target)());
    ClickableImage *addImage(const QString &name, const QString &resource, const QRect &geometry);

    void imgEsciClick();
    void imgSitoClick();
    void imgInfoClick();
    void imgSplashClick();
};
