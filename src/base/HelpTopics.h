#pragma once
// The help of every screen: a fixed title and text per topic, built into the program.

#include <QString>

enum class HelpTopic { Avvio, Registro, Anagrafica, ExpVisite, ExpClienti, Statistiche, Riepilogo };

// The topic's title, shown above its text.
QString HelpTitle(HelpTopic topic);
// The topic's paragraphs joined by an empty line (CR LF CR LF), with no break before the first or
// after the last.
QString HelpText(HelpTopic topic);
