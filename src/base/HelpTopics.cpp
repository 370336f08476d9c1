#include "base/HelpTopics.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct Topic
{
    QString title;
    QStringList paragraphs;
};

Topic avvio()
{
    return { u"Uno sguardo a Portavel."_s,
        {
            u"Portavel è un software facile e intuitivo da utilizzarsi nei locali adibiti alla ricezione dei "
            u"Visitatori, per registrarne l'arrivo e la partenza: uffici, stabilimenti, sale convegni e ogni luogo "
            u"che ospita riunioni, incontri e manifestazioni."_s,
            u"È pensato per il personale addetto alla reception di residence, alberghi e aziende, che all'arrivo di "
            u"ogni Visitatore compila una scheda con i suoi dati e alla sua uscita la completa con la data e l'ora."_s,
            u"L'Archivio Anagrafico raccoglie gli operatori addetti alla registrazione e i Visitatori abituali: i "
            u"loro dati si importano nella scheda della visita con un clic, senza doverli digitare ogni volta."_s,
            u"L'Archivio Anagrafico è anche una vera rubrica elettronica: controlla la validità della partita IVA, "
            u"del codice fiscale, dell'IBAN e del numero di carta di credito, e avvia il programma di posta "
            u"elettronica per scrivere al Visitatore."_s,
            u"Ogni scheda anagrafica riporta i dati personali e di residenza, i recapiti telefonici, il fax e "
            u"l'indirizzo e-mail, il titolo di studio e la professione, i dati bancari e della carta di credito, gli "
            u"estremi del documento di riconoscimento, il codice cliente, la categoria, la zona di appartenenza, i "
            u"prodotti e servizi di interesse e le note."_s,
            u"Per ogni Visitatore si può annotare un acquisto rateale, con la data di decorrenza, la prossima "
            u"scadenza, i giorni di preavviso, l'importo totale e quello della rata: il riepilogo delle rate in "
            u"scadenza o scadute elenca i Visitatori da avvisare."_s,
            u"A ogni scheda anagrafica si possono abbinare una cartella, nella quale conservare qualsiasi documento "
            u"che riguarda il Visitatore, e fino a tre file allegati, ciascuno con la sua descrizione."_s,
            u"La ricerca delle schede anagrafiche accetta chiavi parziali in più campi contemporaneamente; l'elenco "
            u"trovato si può stampare, l'intero archivio si può esportare in Microsoft Excel e ogni scheda si può "
            u"stampare su un foglio informativo."_s,
            u"L'Archivio Visite registra, anno per anno, la data, l'ora e l'operatore dell'ingresso, il cognome, il "
            u"nome e il codice fiscale del Visitatore, il motivo della visita, il numero della tessera consegnata, "
            u"il documento di riconoscimento, il cellulare, le note e la data, l'ora e l'operatore dell'uscita."_s,
            u"La scheda della visita si stampa in duplice copia su un unico foglio A4, una copia per il Visitatore e "
            u"una per l'ente; il registro dell'anno si esporta in Microsoft Excel e tre elenchi mostrano i "
            u"Visitatori non ancora usciti, quelli entrati oggi e quelli usciti oggi."_s,
            u"Le statistiche contano le visite di ciascun mese dell'anno scelto, in base alle date d'ingresso "
            u"registrate."_s,
            u"Il risultato si vede in un grafico tridimensionale a dodici barre, una per mese, oppure in un grafico "
            u"a torta; entrambi i grafici si possono stampare."_s,
            u"I riepiloghi elencano le visite di un periodo dell'anno, per tutti i motivi della visita o per uno "
            u"solo, con il totale delle visite trovate, e si possono stampare."_s,
            u"Tutti gli archivi si trovano nella cartella del programma: Portavel si può quindi utilizzare da "
            u"un'unità rimovibile oppure da una cartella condivisa in una rete locale, così che più postazioni "
            u"lavorino sugli stessi archivi."_s,
            u"L'accesso al programma è protetto da una password, che l'utente può cambiare a piacimento con il "
            u"pulsante Cambia password della finestra di accesso; maiuscole e minuscole non fanno differenza. Al "
            u"primo accesso digitare la password PORTAVEL."_s,
            u"Portavel si usa senza alcuna preparazione: ogni schermata spiega in poche parole che cosa fare e la "
            u"guida è sempre a portata di mano."_s,
        } };
}

Topic registro()
{
    return { u"Archivio Visite."_s,
        {
            u"L'Archivio Visite è l'applicazione per gestire le schede da compilarsi all'arrivo dei Visitatori. "
            u"Ogni scheda riporta la data, l'ora e l'operatore dell'ingresso; il cognome, il nome e il codice "
            u"fiscale del Visitatore, il motivo della visita, il numero della tessera consegnata, il tipo, il numero "
            u"e l'ente di rilascio del documento, il cellulare e le note; la data, l'ora e l'operatore dell'uscita. "
            u"Le schede di ciascun anno formano un archivio a sé."_s,
            u"Per archiviare una nuova scheda indicare l'anno nella schermata iniziale e premere Apri, poi fare clic "
            u"su Nuovo, compilare i campi e fare clic su Salva. La data e l'ora d'ingresso, il cognome e il nome "
            u"sono obbligatori; la data e l'ora correnti si inseriscono con le icone accanto ai campi. Il Visitatore "
            u"e gli operatori si importano dall'Archivio Anagrafico con i pulsanti a freccia accanto ai rispettivi "
            u"campi."_s,
            u"Per registrare l'uscita di un Visitatore fare clic su Visitatori non ancora usciti, richiamare la sua "
            u"scheda con un doppio clic nell'elenco, inserire la data e l'ora d'uscita e fare clic su Salva: la "
            u"scheda viene aggiornata in archivio."_s,
            u"Il pulsante Trova cerca le schede dell'anno in uno o più campi contemporaneamente: date d'ingresso e "
            u"d'uscita, cognome, nome, codice fiscale, cellulare, numero di tessera, numero di documento, motivo "
            u"della visita e note. Basta digitare una parte del testo cercato; con un doppio clic su una voce "
            u"dell'elenco trovato la scheda torna nella schermata."_s,
            u"Le frecce in alto a sinistra mostrano la prima scheda dell'archivio, la precedente, la successiva e "
            u"l'ultima; il numero tra le frecce è la posizione della scheda in archivio ed è vuoto per una scheda "
            u"non ancora salvata."_s,
            u"Il pulsante Stampa stampa la scheda corrente in duplice copia su un foglio A4, una per il Visitatore e "
            u"una per l'ente; Esporta archivio in Excel crea un foglio di lavoro con tutte le schede dell'anno; i "
            u"pulsanti Visitatori non ancora usciti, Visitatori entrati oggi e Visitatori usciti oggi mostrano gli "
            u"elenchi corrispondenti, che si possono stampare."_s,
            u"Dalla schermata di scelta dell'anno si aprono anche le statistiche delle visite mensili: un grafico, "
            u"che si può stampare, mostra quante visite sono state registrate in ciascun mese dell'anno indicato."_s,
        } };
}

Topic anagrafica()
{
    return { u"Archivio Anagrafico."_s,
        {
            u"L'Archivio Anagrafico è utile per la compilazione veloce delle schede delle visite: i dati dei "
            u"Visitatori abituali e degli operatori addetti alla registrazione si importano nella scheda della "
            u"visita senza doverli digitare. È anche una rubrica elettronica, con l'invio di messaggi di posta "
            u"elettronica e il controllo di validità dei codici."_s,
            u"Ogni scheda riporta cognome, nome, codice fiscale, sesso, data, comune e provincia di nascita, partita "
            u"IVA, indirizzo, CAP, comune e provincia di residenza, stato civile, familiari, recapito preferenziale, "
            u"telefoni di casa, cellulare e ufficio, fax, e-mail, titolo di studio, professione, IBAN e intestatario "
            u"del conto, banca, numero e scadenza della carta di credito, prodotti e servizi di interesse, modalità "
            u"di pagamento e note; nella parte destra gli estremi del documento, il codice cliente, la categoria e "
            u"la zona di appartenenza."_s,
            u"Sempre a destra si annota un acquisto rateale: la data di decorrenza, la prossima scadenza, i giorni di "
            u"preavviso, l'importo totale, il frazionamento e l'importo della rata. Il riepilogo delle rate in "
            u"scadenza o scadute elenca i Visitatori la cui rata scade entro i giorni di preavviso o è già scaduta; "
            u"dopo ogni pagamento indicare la nuova scadenza e salvare la scheda."_s,
            u"A ogni scheda già salvata si può abbinare una cartella, in cui conservare qualsiasi documento relativo "
            u"al Visitatore. Si possono inoltre allegare fino a tre file, ciascuno con una descrizione: dopo averli "
            u"scelti fare clic su Applica e chiudi e poi salvare la scheda."_s,
            u"Per archiviare una nuova scheda fare clic su Nuovo, compilare almeno il cognome e il nome e fare clic "
            u"su Salva. Per aggiornare una scheda richiamarla, modificarla e salvarla di nuovo. Le schede si "
            u"richiamano con le frecce della barra in alto oppure con la ricerca."_s,
            u"I pulsanti accanto al codice fiscale, alla partita IVA, all'IBAN e al numero di carta di credito ne "
            u"controllano la validità; il controllo della partita IVA indica anche l'ufficio provinciale che l'ha "
            u"rilasciata. Il pulsante accanto all'indirizzo e-mail avvia il programma di posta del sistema con il "
            u"destinatario già compilato."_s,
            u"La ricerca accetta chiavi parziali in uno o più campi contemporaneamente; l'elenco trovato si può "
            u"stampare e con un doppio clic la scheda scelta torna nella schermata. L'intero archivio si esporta in "
            u"Microsoft Excel e la scheda corrente si stampa su un foglio informativo."_s,
        } };
}

// How both exports go, after the paragraph that says what each one writes.
QStringList exportSteps(const QString &what)
{
    return {
        u"Per esportare "_s + what
            + u" aprire la finestra con la griglia delle schede, fare clic sull'icona del foglio di calcolo e "
              u"confermare; al termine rispondere Sì per aprire subito il file. Le correzioni digitate nelle "
              u"colonne modificabili della griglia valgono solo per il file esportato, non per l'archivio."_s,
        u"Il file si trova nella cartella del programma e viene sostituito a ogni esportazione: per conservarlo, "
        u"salvarlo con il nome che si preferisce dal programma con cui è stato aperto."_s,
    };
}

Topic expVisite()
{
    return { u"Esportazione archivio visite in Microsoft Excel."_s,
        QStringList {
            u"Il pulsante Esporta archivio consente di esportare il registro delle visite in un foglio di lavoro di "
            u"Microsoft Excel: il file Registro_Visite.xls contiene tutte le schede dell'anno aperto, una per riga, "
            u"e si apre con qualsiasi programma in grado di leggere i file .xls."_s,
        } + exportSteps(u"il registro"_s) };
}

Topic expClienti()
{
    return { u"Esportazione archivio Visitatori in Microsoft Excel."_s,
        QStringList {
            u"Il pulsante Esporta archivio consente di esportare i dati di tutti i Visitatori in un foglio di lavoro "
            u"di Microsoft Excel: il file Visitatori.xls contiene una riga per ogni scheda dell'Archivio Anagrafico "
            u"e si apre con qualsiasi programma in grado di leggere i file .xls."_s,
        } + exportSteps(u"l'archivio"_s) };
}

Topic statistiche()
{
    return { u"Grafici statistici visite mensili."_s,
        {
            u"L'applicazione Statistiche visite mensili consente di visualizzare e stampare grafici statistici sulle "
            u"visite mensili: per l'anno scelto mostra quante visite sono state registrate in ciascun mese, in base "
            u"alle date d'ingresso e senza considerare l'identità dei Visitatori."_s,
            u"Indicare l'anno solare con quattro cifre e premere Apri."_s,
            u"Il grafico a barre tridimensionali mostra una barra per ogni mese, il grafico a torta la parte di "
            u"ciascun mese sul totale dell'anno; si passa dall'uno all'altro con i pulsanti Visualizza grafico a "
            u"torta e Visualizza grafico a barre."_s,
            u"Il pulsante Stampa grafico stampa il grafico visualizzato, in orizzontale e nel numero di copie "
            u"richiesto."_s,
        } };
}

Topic riepilogo()
{
    return { u"Riepilogo Visite."_s,
        {
            u"L'applicazione Riepiloghi Visite permette di visualizzare il riepilogo delle entrate e delle uscite dei "
            u"visitatori in un periodo dell'anno, per tutti i motivi della visita o per uno solo."_s,
            u"Indicare l'anno solare, il motivo della visita (oppure lasciarlo in bianco per averli tutti) e il "
            u"giorno e il mese d'inizio e di fine del periodo, scegliendoli dagli elenchi, poi premere Visualizza "
            u"riepilogo."_s,
            u"L'elenco mostra, nell'ordine di registrazione, le visite con l'ingresso nel periodo, con le date e le "
            u"ore d'ingresso e d'uscita, il cellulare e il motivo; in basso si leggono l'intervallo selezionato e il "
            u"totale delle visite. Il pulsante Trova cerca una parola nell'elenco."_s,
            u"Il pulsante Stampa riepilogo stampa l'elenco, seguito dall'intervallo selezionato e dal totale delle "
            u"visite."_s,
        } };
}

Topic topicOf(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::Avvio:
        return avvio();
    case HelpTopic::Registro:
        return registro();
    case HelpTopic::Anagrafica:
        return anagrafica();
    case HelpTopic::ExpVisite:
        return expVisite();
    case HelpTopic::ExpClienti:
        return expClienti();
    case HelpTopic::Statistiche:
        return statistiche();
    case HelpTopic::Riepilogo:
        return riepilogo();
    }
    return {};
}

} // namespace

QString HelpTitle(HelpTopic topic)
{
    return topicOf(topic).title;
}

QString HelpText(HelpTopic topic)
{
    return topicOf(topic).paragraphs.join(u"\r\n\r\n"_s);
}
