<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it_IT">
<context>
    <name>BackupStore</name>
    <message>
        <source>impossibile creare la cartella %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>CMsg</name>
    <message>
        <source>%1 Giri/min</source>
        <translation>%1 Giri/min</translation>
    </message>
    <message>
        <source>&lt;Nessun profilo&gt;</source>
        <translation>&lt;Nessuna mappa caricata&gt;</translation>
    </message>
    <message>
        <source>&lt;Nessuna&gt;</source>
        <translation>&lt;Nessuna&gt;</translation>
    </message>
    <message>
        <source>&lt;Selezionare una porta&gt;</source>
        <translation>&lt;Selezionare una porta&gt;</translation>
    </message>
    <message>
        <source>Aggiornamento FLASH</source>
        <translation>Aggiornamento mappa su Tervalix</translation>
    </message>
    <message>
        <source>Banco OFF</source>
        <translation>Banco OFF</translation>
    </message>
    <message>
        <source>Banco ON</source>
        <translation>Banco ON</translation>
    </message>
    <message>
        <source>Curva iniezione</source>
        <translation>Mappa Iniezione</translation>
    </message>
    <message>
        <source>Errore di comunicazione con la scheda</source>
        <translation>Errore di comunicazione con Tervalix</translation>
    </message>
    <message>
        <source>Giri al Minuto</source>
        <translation>Giri al minuto</translation>
    </message>
    <message>
        <source>Lettura FLASH</source>
        <translation>Lettura mappa da Tervalix</translation>
    </message>
    <message>
        <source>Link OFF</source>
        <translation>Monitor n.ro giri</translation>
    </message>
    <message>
        <source>Link ON</source>
        <translation>Monitor n.ro giri</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Scheda non trovata</source>
        <translation>Tervalix non trovato</translation>
    </message>
    <message>
        <source>Scheda trovata</source>
        <translation>Tervalix trovato</translation>
    </message>
</context>
<context>
    <name>CanvasPicker</name>
    <message>
        <source>Trascinamento punto %1</source>
        <translation>Trascinamento punto %1</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>%1 (proprietario %2, gruppo %3, permessi %4%5)</source>
        <translation>%1 (proprietario %2, gruppo %3, permessi %4%5)</translation>
    </message>
    <message>
        <source>%1 lascia un file di blocco di un Tervalix chiuso (processo %2); verrà ripreso al prossimo collegamento.</source>
        <translation>%1 lascia un file di blocco di un Tervalix chiuso (processo %2); verrà ripreso al prossimo collegamento.</translation>
    </message>
    <message>
        <source>%1 non è accessibile all&apos;utente %2.</source>
        <translation>%1 non è accessibile all&apos;utente %2.</translation>
    </message>
    <message>
        <source>%1 non è accessibile all&apos;utente %2: solo root può aprirla.</source>
        <translation>%1 non è accessibile all&apos;utente %2: solo root può aprirla.</translation>
    </message>
    <message>
        <source>%1 non è leggibile e scrivibile dall&apos;utente %2.</source>
        <translation>%1 non è leggibile e scrivibile dall&apos;utente %2.</translation>
    </message>
    <message>
        <source>%1 è accessibile all&apos;utente %2.</source>
        <translation>%1 è accessibile all&apos;utente %2.</translation>
    </message>
    <message>
        <source>%1 è accessibile: l&apos;utente %2 fa parte del gruppo %3.</source>
        <translation>%1 è accessibile: l&apos;utente %2 fa parte del gruppo %3.</translation>
    </message>
    <message>
        <source>%1 è aperto da %2 (processo %3): chiudi quel programma.</source>
        <translation>%1 è aperto da %2 (processo %3): chiudi quel programma.</translation>
    </message>
    <message>
        <source>%1 è aperto da questo Tervalix.</source>
        <translation>%1 è aperto da questo Tervalix.</translation>
    </message>
    <message>
        <source>%1 è collegato a un altro Tervalix (processo %2, %3): usa quella finestra o chiudila.</source>
        <translation>%1 è collegato a un altro Tervalix (processo %2, %3): usa quella finestra o chiudila.</translation>
    </message>
    <message>
        <source>%1 è leggibile e scrivibile dall&apos;utente %2.</source>
        <translation>%1 è leggibile e scrivibile dall&apos;utente %2.</translation>
    </message>
    <message>
        <source>%1 è riservato da %2 (processo %3) con il file %4: chiudi quel programma.</source>
        <translation>%1 è riservato da %2 (processo %3) con il file %4: chiudi quel programma.</translation>
    </message>
    <message>
        <source>%1 è riservato da questo Tervalix (%2).</source>
        <translation>%1 è riservato da questo Tervalix (%2).</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>AVVISO</translation>
    </message>
    <message>
        <source>Centralina USB</source>
        <translation>Centralina USB</translation>
    </message>
    <message>
        <source>Collegamento attuale</source>
        <translation>Collegamento attuale</translation>
    </message>
    <message>
        <source>Diagnosi</source>
        <translation>Diagnosi</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento di Tervalix</source>
        <translation>Diagnosi del collegamento di Tervalix</translation>
    </message>
    <message>
        <source>Esito: %1</source>
        <translation>Esito: %1</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 ma non indica alcun processo: è rimasto da un programma chiuso, e alcuni programmi non apriranno la porta finché c&apos;è.</source>
        <translation>Il file %1 riserva %2 ma non indica alcun processo: è rimasto da un programma chiuso, e alcuni programmi non apriranno la porta finché c&apos;è.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3 (%4), ma non si vede se quel processo ha la porta aperta: il numero può essere passato a un altro programma.</source>
        <translation>Il file %1 riserva %2 per il processo %3 (%4), ma non si vede se quel processo ha la porta aperta: il numero può essere passato a un altro programma.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3, che non esiste più: alcuni programmi non apriranno la porta finché c&apos;è.</source>
        <translation>Il file %1 riserva %2 per il processo %3, che non esiste più: alcuni programmi non apriranno la porta finché c&apos;è.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3, ma quel processo (%4) non ha la porta aperta: il file è rimasto da un programma chiuso.</source>
        <translation>Il file %1 riserva %2 per il processo %3, ma quel processo (%4) non ha la porta aperta: il file è rimasto da un programma chiuso.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 %2: nessun Tervalix può collegarsi a %3 finché c&apos;è.</source>
        <translation>Il file di blocco %1 %2: nessun Tervalix può collegarsi a %3 finché c&apos;è.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 di %2 non è un file di blocco (%3): la porta non si apre finché c&apos;è.</source>
        <translation>Il file di blocco %1 di %2 non è un file di blocco (%3): la porta non si apre finché c&apos;è.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 di %2 è tenuto da un programma che non è un Tervalix riconoscibile: chiudilo.</source>
        <translation>Il file di blocco %1 di %2 è tenuto da un programma che non è un Tervalix riconoscibile: chiudilo.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 non è valido (non indica alcun processo) e nessuno lo tiene; verrà ripreso al prossimo collegamento.</source>
        <translation>Il file di blocco %1 non è valido (non indica alcun processo) e nessuno lo tiene; verrà ripreso al prossimo collegamento.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 è rimasto da un programma chiuso, ma è di un altro utente e Tervalix non lo può togliere: %2 resta bloccato finché c&apos;è.</source>
        <translation>Il file di blocco %1 è rimasto da un programma chiuso, ma è di un altro utente e Tervalix non lo può togliere: %2 resta bloccato finché c&apos;è.</translation>
    </message>
    <message>
        <source>Il kernel ha creato %1 ma il file non è in /dev.</source>
        <translation>Il kernel ha creato %1 ma il file non è in /dev.</translation>
    </message>
    <message>
        <source>Il programma è collegato ora alla centralina su %1 (%2).</source>
        <translation>Il programma è collegato ora alla centralina su %1 (%2).</translation>
    </message>
    <message>
        <source>La centralina (USB 04D8:0080) è collegata; il suo nodo è %1.</source>
        <translation>La centralina (USB 04D8:0080) è collegata; il suo nodo è %1.</translation>
    </message>
    <message>
        <source>La centralina USB a cui il programma è collegato non ha un nodo nel sistema: è quella simulata (TERVALIX_SIMULATOR=hid).</source>
        <translation>La centralina USB a cui il programma è collegato non ha un nodo nel sistema: è quella simulata (TERVALIX_SIMULATOR=hid).</translation>
    </message>
    <message>
        <source>La centralina non è collegata direttamente al USB; se usi un adattatore seriale, guarda le porte seriali qui sotto.</source>
        <translation>La centralina non è collegata direttamente al USB; se usi un adattatore seriale, guarda le porte seriali qui sotto.</translation>
    </message>
    <message>
        <source>La centralina è sul bus USB ma il sistema non le ha dato un nodo hidraw: scollegala e ricollegala; se non basta, il kernel non ha il supporto hidraw.</source>
        <translation>La centralina è sul bus USB ma il sistema non le ha dato un nodo hidraw: scollegala e ricollegala; se non basta, il kernel non ha il supporto hidraw.</translation>
    </message>
    <message>
        <source>La diagnosi del collegamento è disponibile solo su Linux.</source>
        <translation>La diagnosi del collegamento è disponibile solo su Linux.</translation>
    </message>
    <message>
        <source>La regola %1 non è installata: senza di essa solo root può aprire la centralina USB.</source>
        <translation>La regola %1 non è installata: senza di essa solo root può aprire la centralina USB.</translation>
    </message>
    <message>
        <source>La regola %1 non è stata applicata: ricaricala, oppure scollega e ricollega la centralina.</source>
        <translation>La regola %1 non è stata applicata: ricaricala, oppure scollega e ricollega la centralina.</translation>
    </message>
    <message>
        <source>La regola udev di Tervalix non è installata.</source>
        <translation>La regola udev di Tervalix non è installata.</translation>
    </message>
    <message>
        <source>La regola è installata in %1, ma il gruppo plugdev che nomina non esiste: solo chi siede al computer può aprire la centralina.</source>
        <translation>La regola è installata in %1, ma il gruppo plugdev che nomina non esiste: solo chi siede al computer può aprire la centralina.</translation>
    </message>
    <message>
        <source>La regola è installata in %1.</source>
        <translation>La regola è installata in %1.</translation>
    </message>
    <message>
        <source>ModemManager non è installato.</source>
        <translation>ModemManager non è installato.</translation>
    </message>
    <message>
        <source>ModemManager è in esecuzione: interroga ogni nuovo adattatore seriale USB e può occupare la porta o disturbare la centralina.</source>
        <translation>ModemManager è in esecuzione: interroga ogni nuovo adattatore seriale USB e può occupare la porta o disturbare la centralina.</translation>
    </message>
    <message>
        <source>ModemManager è installato (%1) ma non è in esecuzione.</source>
        <translation>ModemManager è installato (%1) ma non è in esecuzione.</translation>
    </message>
    <message>
        <source>Nessun altro programma tiene aperta una porta o la centralina.</source>
        <translation>Nessun altro programma tiene aperta una porta o la centralina.</translation>
    </message>
    <message>
        <source>Nessun nodo da controllare: la centralina USB non è collegata.</source>
        <translation>Nessun nodo da controllare: la centralina USB non è collegata.</translation>
    </message>
    <message>
        <source>Nessun problema bloccante; avvisi da controllare: %1.</source>
        <translation>Nessun problema bloccante; avvisi da controllare: %1.</translation>
    </message>
    <message>
        <source>Nessun problema trovato nel collegamento.</source>
        <translation>Nessun problema trovato nel collegamento.</translation>
    </message>
    <message>
        <source>Nessun programma tiene aperta una porta o la centralina (i programmi di altri utenti si vedono solo da root: %1).</source>
        <translation>Nessun programma tiene aperta una porta o la centralina (i programmi di altri utenti si vedono solo da root: %1).</translation>
    </message>
    <message>
        <source>Nessuna porta seriale trovata.</source>
        <translation>Nessuna porta seriale trovata.</translation>
    </message>
    <message>
        <source>Nessuna variabile del simulatore è impostata.</source>
        <translation>Nessuna variabile del simulatore è impostata.</translation>
    </message>
    <message>
        <source>Non fai parte del gruppo %1; dopo il comando esci dalla sessione e rientra.</source>
        <translation>Non fai parte del gruppo %1; dopo il comando esci dalla sessione e rientra.</translation>
    </message>
    <message>
        <source>Non risultano collegati né la centralina USB (04D8:0080) né un adattatore seriale USB: controlla il cavo e che la centralina sia alimentata.</source>
        <translation>Non risultano collegati né la centralina USB (04D8:0080) né un adattatore seriale USB: controlla il cavo e che la centralina sia alimentata.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>PROBLEMA</source>
        <translation>PROBLEMA</translation>
    </message>
    <message>
        <source>Per un adattatore seriale servirà il gruppo dialout.</source>
        <translation>Per un adattatore seriale servirà il gruppo dialout.</translation>
    </message>
    <message>
        <source>Permessi della centralina USB</source>
        <translation>Permessi della centralina USB</translation>
    </message>
    <message>
        <source>Porta in uso: %1</source>
        <translation>Porta in uso: %1</translation>
    </message>
    <message>
        <source>Porta seriale %1</source>
        <translation>Porta seriale %1</translation>
    </message>
    <message>
        <source>Porte in uso</source>
        <translation>Porte in uso</translation>
    </message>
    <message>
        <source>Porte seriali</source>
        <translation>Porte seriali</translation>
    </message>
    <message>
        <source>Problemi che possono impedire il collegamento: %1; avvisi: %2. Applica i rimedi indicati.</source>
        <translation>Problemi che possono impedire il collegamento: %1; avvisi: %2. Applica i rimedi indicati.</translation>
    </message>
    <message>
        <source>Regola udev</source>
        <translation>Regola udev</translation>
    </message>
    <message>
        <source>Rimedio: %1</source>
        <translation>Rimedio: %1</translation>
    </message>
    <message>
        <source>Sei già nel gruppo %1, ma questa sessione è stata aperta prima dell&apos;iscrizione: esci dalla sessione e rientra.</source>
        <translation>Sei già nel gruppo %1, ma questa sessione è stata aperta prima dell&apos;iscrizione: esci dalla sessione e rientra.</translation>
    </message>
    <message>
        <source>Simulatore</source>
        <translation>Simulatore</translation>
    </message>
    <message>
        <source>Utente: %1 (uid %2), gruppi: %3.</source>
        <translation>Utente: %1 (uid %2), gruppi: %3.</translation>
    </message>
    <message>
        <source>Variabili del simulatore impostate: %1. Con TERVALIX_SIMULATOR la finestra parla con una centralina simulata, non con quella vera.</source>
        <translation>Variabili del simulatore impostate: %1. Con TERVALIX_SIMULATOR la finestra parla con una centralina simulata, non con quella vera.</translation>
    </message>
    <message>
        <source>brltty non è installato.</source>
        <translation>brltty non è installato.</translation>
    </message>
    <message>
        <source>brltty è in esecuzione: si prende gli adattatori seriali USB più comuni e la loro porta sparisce. Se non usi un display braille, rimuovilo.</source>
        <translation>brltty è in esecuzione: si prende gli adattatori seriali USB più comuni e la loro porta sparisce. Se non usi un display braille, rimuovilo.</translation>
    </message>
    <message>
        <source>brltty è installato (%1): quando colleghi un adattatore seriale USB può prenderselo e farne sparire la porta. Se non usi un display braille, rimuovilo.</source>
        <translation>brltty è installato (%1): quando colleghi un adattatore seriale USB può prenderselo e farne sparire la porta. Se non usi un display braille, rimuovilo.</translation>
    </message>
    <message>
        <source>troppo grande</source>
        <translation>troppo grande</translation>
    </message>
</context>
<context>
    <name>CurveGuard</name>
    <message>
        <source>Curva modificata</source>
        <translation>Curva modificata</translation>
    </message>
    <message>
        <source>La curva contiene modifiche non salvate. Salvarle prima?</source>
        <translation>La curva contiene modifiche non salvate. Salvarle prima?</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Mappe (*.prf)</translation>
    </message>
    <message>
        <source>Salva File di Profilo</source>
        <translation>Salva file di Mappa</translation>
    </message>
    <message>
        <source>profilo_%1.prf</source>
        <translation>profilo_%1.prf</translation>
    </message>
</context>
<context>
    <name>CurveModel</name>
    <message>
        <source>Confronto</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Modifica punto %1</source>
        <translation>Modifica punto %1</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>CurveOps</name>
    <message>
        <source>&quot;%1&quot; non è un numero</source>
        <translation>&quot;%1&quot; non è un numero</translation>
    </message>
    <message>
        <source>nessun numero da incollare</source>
        <translation>nessun numero da incollare</translation>
    </message>
</context>
<context>
    <name>DataLog</name>
    <message>
        <source>impossibile creare %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceLock</name>
    <message>
        <source>il file di blocco %1 %2; toglilo: %3</source>
        <translation>il file di blocco %1 %2; toglilo: %3</translation>
    </message>
    <message>
        <source>il file di blocco %1 è rimasto da un programma chiuso ma non si può togliere (%2); toglilo: %3</source>
        <translation>il file di blocco %1 è rimasto da un programma chiuso ma non si può togliere (%2); toglilo: %3</translation>
    </message>
    <message>
        <source>impossibile creare il file di blocco %1 (%2)</source>
        <translation>impossibile creare il file di blocco %1 (%2)</translation>
    </message>
    <message>
        <source>in uso da %1 (processo %2)</source>
        <translation>in uso da %1 (processo %2)</translation>
    </message>
    <message>
        <source>in uso da un altro programma</source>
        <translation>in uso da un altro programma</translation>
    </message>
</context>
<context>
    <name>EcuLink</name>
    <message>
        <source>dispositivo scollegato</source>
        <translation>dispositivo scollegato</translation>
    </message>
    <message>
        <source>errore di lettura</source>
        <translation>errore di lettura</translation>
    </message>
    <message>
        <source>porta chiusa dal sistema</source>
        <translation>porta chiusa dal sistema</translation>
    </message>
</context>
<context>
    <name>EcuSession</name>
    <message>
        <source>la centralina non risponde più</source>
        <translation>la centralina non risponde più</translation>
    </message>
    <message>
        <source>nessuna centralina USB collegata</source>
        <translation>nessuna centralina USB collegata</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>risposta non riconosciuta</source>
        <translation>risposta non riconosciuta</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>%1 valori incollati portati entro i limiti (da %2 a %3)</source>
        <translation>%1 valori incollati portati entro i limiti (da %2 a %3)</translation>
    </message>
    <message>
        <source>%1 è fuori dall&apos;intervallo da %2 a %3: usato %4</source>
        <translation>%1 è fuori dall&apos;intervallo da %2 a %3: usato %4</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Annulla: %1</source>
        <translation>Annulla: %1</translation>
    </message>
    <message>
        <source>Centralina</source>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>Confronta con file...</source>
        <translation>Confronta con file...</translation>
    </message>
    <message>
        <source>Curva</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Impossibile incollare: %1 valori dal punto %2 superano l&apos;ultimo punto (40).</source>
        <translation>Impossibile incollare: %1 valori dal punto %2 superano l&apos;ultimo punto (40).</translation>
    </message>
    <message>
        <source>Impossibile incollare: %1.</source>
        <translation>Impossibile incollare: %1.</translation>
    </message>
    <message>
        <source>Impossibile incollare: gli appunti contengono %1 caratteri, troppi per una curva.</source>
        <translation>Impossibile incollare: gli appunti contengono %1 caratteri, troppi per una curva.</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Incolla valori</source>
        <translation>Incolla valori</translation>
    </message>
    <message>
        <source>Percentuale (100 = invariato)</source>
        <translation>Percentuale (100 = invariato)</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Mappe (*.prf)</translation>
    </message>
    <message>
        <source>Punto %1: &quot;%2&quot; non è un numero; il valore resta com&apos;era</source>
        <translation>Punto %1: &quot;%2&quot; non è un numero; il valore resta com&apos;era</translation>
    </message>
    <message>
        <source>Punto %1: %2 è fuori dai limiti della centralina, portato a %3</source>
        <translation>Punto %1: %2 è fuori dai limiti della centralina, portato a %3</translation>
    </message>
    <message>
        <source>Quantità da aggiungere (anche negativa)</source>
        <translation>Quantità da aggiungere (anche negativa)</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Ripeti: %1</source>
        <translation>Ripeti: %1</translation>
    </message>
    <message>
        <source>Valore (da %1 a %2)</source>
        <translation>Valore (da %1 a %2)</translation>
    </message>
</context>
<context>
    <name>HidLink</name>
    <message>
        <source>La centralina USB non si può riservare: %1</source>
        <translation>La centralina USB non si può riservare: %1</translation>
    </message>
    <message>
        <source>La centralina USB è occupata: %1</source>
        <translation>La centralina USB è occupata: %1</translation>
    </message>
    <message>
        <source>Nessuna centralina USB collegata</source>
        <translation>Nessuna centralina USB collegata</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 giri/min)</translation>
    </message>
    <message>
        <source>%1 punti cambiati, il più grande %2 a %3 giri/min</source>
        <translation>%1 punti cambiati, il più grande %2 a %3 giri/min</translation>
    </message>
    <message>
        <source>%1 punti più magri di %2 o più: %3</source>
        <translation>%1 punti più magri di %2 o più: %3</translation>
    </message>
    <message>
        <source>1 punto cambiato, %1 a %2 giri/min</source>
        <translation>1 punto cambiato, %1 a %2 giri/min</translation>
    </message>
    <message>
        <source>1 punto più magro di %1 o più: %2</source>
        <translation>1 punto più magro di %1 o più: %2</translation>
    </message>
    <message>
        <source>C&apos;è già una moto di nome %1</source>
        <translation>C&apos;è già una moto di nome %1</translation>
    </message>
    <message>
        <source>Il registro delle moto %1 è illeggibile (%2): non viene toccato finché non è sistemato</source>
        <translation>Il registro delle moto %1 è illeggibile (%2): non viene toccato finché non è sistemato</translation>
    </message>
    <message>
        <source>Impossibile aggiornare la scheda %1: %2</source>
        <translation>Impossibile aggiornare la scheda %1: %2</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Impossibile salvare il registro delle moto %1: %2</source>
        <translation>Impossibile salvare il registro delle moto %1: %2</translation>
    </message>
    <message>
        <source>Impossibile salvare la voce %1: %2</source>
        <translation>Impossibile salvare la voce %1: %2</translation>
    </message>
    <message>
        <source>K da %1 a %2</source>
        <translation>K da %1 a %2</translation>
    </message>
    <message>
        <source>K invariato</source>
        <translation>K invariato</translation>
    </message>
    <message>
        <source>La moto vuole un nome</source>
        <translation>La moto vuole un nome</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): non viene modificata</source>
        <translation>La voce %1 è danneggiata (%2): non viene modificata</translation>
    </message>
    <message>
        <source>Moto sconosciuta: %1</source>
        <translation>Moto sconosciuta: %1</translation>
    </message>
    <message>
        <source>Nessun numero libero nella cartella %1</source>
        <translation>Nessun numero libero nella cartella %1</translation>
    </message>
    <message>
        <source>Nessuna voce %1 nella cronologia</source>
        <translation>Nessuna voce %1 nella cronologia</translation>
    </message>
    <message>
        <source>Nessuna voce della cronologia per quello che la centralina contiene ora</source>
        <translation>Nessuna voce della cronologia per quello che la centralina contiene ora</translation>
    </message>
    <message>
        <source>Questa centralina non è quella che la cronologia della moto conosce.</source>
        <translation>Questa centralina non è quella che la cronologia della moto conosce.</translation>
    </message>
    <message>
        <source>copia di sicurezza</source>
        <translation>copia di sicurezza</translation>
    </message>
    <message>
        <source>data mancante o non valida</source>
        <translation>data mancante o non valida</translation>
    </message>
    <message>
        <source>il profilo non corrisponde alla sua impronta SHA-256: è stato cambiato dopo</source>
        <translation>il profilo non corrisponde alla sua impronta SHA-256: è stato cambiato dopo</translation>
    </message>
    <message>
        <source>impronta SHA-256 mancante</source>
        <translation>impronta SHA-256 mancante</translation>
    </message>
    <message>
        <source>lettura</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>nessun punto cambiato</source>
        <translation>nessun punto cambiato</translation>
    </message>
    <message>
        <source>origine mancante o sconosciuta</source>
        <translation>origine mancante o sconosciuta</translation>
    </message>
    <message>
        <source>profilo illeggibile: %1</source>
        <translation>profilo illeggibile: %1</translation>
    </message>
    <message>
        <source>profilo mancante</source>
        <translation>profilo mancante</translation>
    </message>
    <message>
        <source>profilo troncato o di troppo: %1 byte invece di %2</source>
        <translation>profilo troncato o di troppo: %1 byte invece di %2</translation>
    </message>
    <message>
        <source>ripristino</source>
        <translation>ripristino</translation>
    </message>
    <message>
        <source>scheda (.json) illeggibile: %1</source>
        <translation>scheda (.json) illeggibile: %1</translation>
    </message>
    <message>
        <source>scheda (.json) mancante: l&apos;impronta del profilo non si può controllare</source>
        <translation>scheda (.json) mancante: l&apos;impronta del profilo non si può controllare</translation>
    </message>
    <message>
        <source>scheda (.json) non valida: %1</source>
        <translation>scheda (.json) non valida: %1</translation>
    </message>
    <message>
        <source>scrittura</source>
        <translation>scrittura</translation>
    </message>
    <message>
        <source>%1 è il nome della cartella della moto %2</source>
        <translation>%1 è il nome della cartella della moto %2</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message numerus="yes">
        <source>%n stati della centralina aspettano la moto.</source>
        <translation>
            <numerusform>%n stato della centralina aspetta la moto.</numerusform>
            <numerusform>%n stati della centralina aspettano la moto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Analisi allegata alla voce %1 della cronologia, che era nella centralina durante i log.</source>
        <translation>Analisi allegata alla voce %1 della cronologia, che era nella centralina durante i log.</translation>
    </message>
    <message>
        <source>Analisi non allegata alla cronologia: %1</source>
        <translation>Analisi non allegata alla cronologia: %1</translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>Backup %1</translation>
    </message>
    <message>
        <source>Centralina assegnata a %1: le sue letture e scritture entrano nella cronologia.</source>
        <translation>Centralina assegnata a %1: le sue letture e scritture entrano nella cronologia.</translation>
    </message>
    <message>
        <source>Cronologia della moto...</source>
        <translation>Cronologia della moto...</translation>
    </message>
    <message>
        <source>Cronologia non aggiornata: %1</source>
        <translation>Cronologia non aggiornata: %1</translation>
    </message>
    <message>
        <source>Di quale moto è questa centralina (%1)? Scegline una o scrivi il nome di una nuova:</source>
        <translation>Di quale moto è questa centralina (%1)? Scegline una o scrivi il nome di una nuova:</translation>
    </message>
    <message>
        <source>Di quale moto è questa centralina? Finché non lo dici, la cronologia aspetta.</source>
        <translation>Di quale moto è questa centralina? Finché non lo dici, la cronologia aspetta.</translation>
    </message>
    <message>
        <source>K = %1 della voce è fuori dall&apos;intervallo da %2 a %3: K resta %4.</source>
        <translation>K = %1 della voce è fuori dall&apos;intervallo da %2 a %3: K resta %4.</translation>
    </message>
    <message>
        <source>La centralina non è stata assegnata a %1: %2</source>
        <translation>La centralina non è stata assegnata a %1: %2</translation>
    </message>
    <message>
        <source>La moto %1 ha già un&apos;altra centralina. Questa (%2) è una seconda centralina della stessa moto?</source>
        <translation>La moto %1 ha già un&apos;altra centralina. Questa (%2) è una seconda centralina della stessa moto?</translation>
    </message>
    <message>
        <source>La moto %1 non è stata aggiunta: %2</source>
        <translation>La moto %1 non è stata aggiunta: %2</translation>
    </message>
    <message>
        <source>Moto della centralina</source>
        <translation>Moto della centralina</translation>
    </message>
    <message>
        <source>Moto della centralina...</source>
        <translation>Moto della centralina...</translation>
    </message>
    <message>
        <source>Moto: %1</source>
        <translation>Moto: %1</translation>
    </message>
    <message>
        <source>Moto: forse %1?</source>
        <translation>Moto: forse %1?</translation>
    </message>
    <message>
        <source>Moto: nessuna (dare un nome...)</source>
        <translation>Moto: nessuna (dare un nome...)</translation>
    </message>
    <message>
        <source>Ogni lettura riuscita e ogni scrittura verificata entra nella cronologia di questa moto.</source>
        <translation>Ogni lettura riuscita e ogni scrittura verificata entra nella cronologia di questa moto.</translation>
    </message>
    <message>
        <source>Punti della voce %1</source>
        <translation>Punti della voce %1</translation>
    </message>
    <message>
        <source>Registrazione non allegata alla cronologia: %1</source>
        <translation>Registrazione non allegata alla cronologia: %1</translation>
    </message>
    <message>
        <source>Voce %1</source>
        <translation>Voce %1</translation>
    </message>
    <message>
        <source>Voce %1 della cronologia</source>
        <translation>Voce %1 della cronologia</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>%1 non è un elenco di punti da 0 a %2 (per esempio 20-30, 35, K).</source>
        <translation>%1 non è un elenco di punti da 0 a %2 (per esempio 20-30, 35, K).</translation>
    </message>
    <message>
        <source>%1, numero di serie %2</source>
        <translation>%1, numero di serie %2</translation>
    </message>
    <message numerus="yes">
        <source>%n punti, al più %1</source>
        <translation>
            <numerusform>%n punto, al più %1</numerusform>
            <numerusform>%n punti, al più %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Etichette:</source>
        <translation>&amp;Etichette:</translation>
    </message>
    <message>
        <source>&amp;Moto:</source>
        <translation>&amp;Moto:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>&amp;Ripristina nella centralina</source>
        <translation>&amp;Ripristina nella centralina</translation>
    </message>
    <message>
        <source>&amp;Salva le note</source>
        <translation>&amp;Salva le note</translation>
    </message>
    <message>
        <source>Allegato (%1): %2</source>
        <translation>Allegato (%1): %2</translation>
    </message>
    <message>
        <source>Allegato (%1): %2, spostato o cambiato da allora</source>
        <translation>Allegato (%1): %2, spostato o cambiato da allora</translation>
    </message>
    <message>
        <source>C&amp;ondizioni:</source>
        <translation>C&amp;ondizioni:</translation>
    </message>
    <message>
        <source>Cambi</source>
        <translation>Cambi</translation>
    </message>
    <message>
        <source>Carica alcuni &amp;punti...</source>
        <translation>Carica alcuni &amp;punti...</translation>
    </message>
    <message>
        <source>Carica alcuni punti</source>
        <translation>Carica alcuni punti</translation>
    </message>
    <message>
        <source>Carica la voce nell&apos;editor e la scrive nella centralina, con il backup e la verifica di sempre</source>
        <translation>Carica la voce nell&apos;editor e la scrive nella centralina, con il backup e la verifica di sempre</translation>
    </message>
    <message>
        <source>Carica nell&apos;e&amp;ditor</source>
        <translation>Carica nell&apos;e&amp;ditor</translation>
    </message>
    <message>
        <source>Caricarla nell&apos;editor cambia: %1</source>
        <translation>Caricarla nell&apos;editor cambia: %1</translation>
    </message>
    <message>
        <source>Centralina</source>
        <translation>Centralina</translation>
    </message>
    <message>
        <source>Centralina: %1</source>
        <translation>Centralina: %1</translation>
    </message>
    <message>
        <source>Copie di sicurezza (tutte le moto)</source>
        <translation>Copie di sicurezza (tutte le moto)</translation>
    </message>
    <message>
        <source>Cronologia della moto</source>
        <translation>Cronologia della moto</translation>
    </message>
    <message>
        <source>Curva e K della voce nell&apos;editor (un passo da annullare): la curva raggiunge la centralina quando scrivi, K subito, come per un profilo</source>
        <translation>Curva e K della voce nell&apos;editor (un passo da annullare): la curva raggiunge la centralina quando scrivi, K subito, come per un profilo</translation>
    </message>
    <message>
        <source>Dalla voce %1 alla voce %2: %3</source>
        <translation>Dalla voce %1 alla voce %2: %3</translation>
    </message>
    <message>
        <source>Danneggiata: %1. Non si carica né si ripristina.</source>
        <translation>Danneggiata: %1. Non si carica né si ripristina.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Differenza</translation>
    </message>
    <message>
        <source>Dopo</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Il confronto usa un profilo danneggiato: può non valere.</source>
        <translation>Il confronto usa un profilo danneggiato: può non valere.</translation>
    </message>
    <message>
        <source>La voce come curva di confronto sopra quella dell&apos;editor</source>
        <translation>La voce come curva di confronto sopra quella dell&apos;editor</translation>
    </message>
    <message>
        <source>Le note della voce %1 non sono state salvate: %2</source>
        <translation>Le note della voce %1 non sono state salvate: %2</translation>
    </message>
    <message>
        <source>Mostra sul &amp;grafico</source>
        <translation>Mostra sul &amp;grafico</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Nessuna voce: ogni lettura riuscita e ogni scrittura verificata di questa moto ne aggiunge una.</source>
        <translation>Nessuna voce: ogni lettura riuscita e ogni scrittura verificata di questa moto ne aggiunge una.</translation>
    </message>
    <message>
        <source>Non verificata: una parte (K) era nota solo da prima.</source>
        <translation>Non verificata: una parte (K) era nota solo da prima.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Punti cambiati rispetto alla voce precedente</source>
        <translation>Punti cambiati rispetto alla voce precedente</translation>
    </message>
    <message>
        <source>Punti della voce %1 da caricare nell&apos;editor (per esempio 20-30, 35, K):</source>
        <translation>Punti della voce %1 da caricare nell&apos;editor (per esempio 20-30, 35, K):</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Uguale alla curva nell&apos;editor.</source>
        <translation>Uguale alla curva nell&apos;editor.</translation>
    </message>
    <message>
        <source>Una delle due voci non ha un profilo leggibile: nessun confronto.</source>
        <translation>Una delle due voci non ha un profilo leggibile: nessun confronto.</translation>
    </message>
    <message>
        <source>Viene dalla voce %1</source>
        <translation>Viene dalla voce %1</translation>
    </message>
    <message>
        <source>Voce %1, %2, %3</source>
        <translation>Voce %1, %2, %3</translation>
    </message>
    <message>
        <source>danneggiata: %1</source>
        <translation>danneggiata: %1</translation>
    </message>
    <message>
        <source>dinamometro, pioggia</source>
        <translation>dinamometro, pioggia</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>non verificata</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>scarico=aperto, benzina=98</source>
        <translation>scarico=aperto, benzina=98</translation>
    </message>
    <message>
        <source>solo K</source>
        <translation>solo K</translation>
    </message>
    <message>
        <source>sulla centralina</source>
        <translation>sulla centralina</translation>
    </message>
    <message>
        <source>sulla centralina; %1</source>
        <translation>sulla centralina; %1</translation>
    </message>
    <message numerus="yes">
        <source>vista %n volte</source>
        <translation>
            <numerusform>vista %n volta</numerusform>
            <numerusform>vista %n volte</numerusform>
        </translation>
    </message>
    <message>
        <source>R&amp;inomina la moto...</source>
        <translation>R&amp;inomina la moto...</translation>
    </message>
    <message>
        <source>Rinomina la moto</source>
        <translation>Rinomina la moto</translation>
    </message>
    <message>
        <source>Nuovo nome di %1:</source>
        <translation>Nuovo nome di %1:</translation>
    </message>
</context>
<context>
    <name>LinkPanel</name>
    <message>
        <source>Collegamento con la centralina perso: %1.</source>
        <translation>Collegamento con la centralina perso: %1.</translation>
    </message>
    <message>
        <source>Dispositivo collegato</source>
        <translation>Dispositivo collegato</translation>
    </message>
    <message>
        <source>Dispositivo collegato: %1</source>
        <translation>Dispositivo collegato: %1</translation>
    </message>
    <message>
        <source>Il backup della curva precedente è in %1</source>
        <translation>Il backup della curva precedente è in %1</translation>
    </message>
    <message>
        <source>La lettura è stata interrotta.</source>
        <translation>La lettura è stata interrotta.</translation>
    </message>
    <message>
        <source>La scrittura è stata interrotta: la centralina può essere scritta solo in parte.</source>
        <translation>La scrittura è stata interrotta: la centralina può essere scritta solo in parte.</translation>
    </message>
    <message>
        <source>Linea disturbata: valori dal vivo non affidabili</source>
        <translation>Linea disturbata: valori dal vivo non affidabili</translation>
    </message>
    <message>
        <source>È stato collegato %1. Cercare la centralina adesso?</source>
        <translation>È stato collegato %1. Cercare la centralina adesso?</translation>
    </message>
</context>
<context>
    <name>LiveHistory</name>
    <message>
        <source>ADC sonda</source>
        <translation>ADC sonda</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Secondi</source>
        <translation>Secondi</translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>%1 letture/s, %2 perse</source>
        <translation>%1 letture/s, %2 perse</translation>
    </message>
    <message>
        <source>Ferma registrazione</source>
        <translation>Ferma registrazione</translation>
    </message>
    <message>
        <source>La registrazione non è iniziata: %1.</source>
        <translation>La registrazione non è iniziata: %1.</translation>
    </message>
    <message>
        <source>Modo Esperto</source>
        <translation>Modo Esperto</translation>
    </message>
    <message>
        <source>Password errata: il modo esperto resta spento.</source>
        <translation>Password errata: il modo esperto resta spento.</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Registra</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Registra dati dal vivo</source>
        <translation>Registra dati dal vivo</translation>
    </message>
    <message>
        <source>Registrazione in %1</source>
        <translation>Registrazione in %1</translation>
    </message>
    <message>
        <source>Registrazione interrotta: %1. Il collegamento resta attivo.</source>
        <translation>Registrazione interrotta: %1. Il collegamento resta attivo.</translation>
    </message>
    <message>
        <source>Registrazione salvata: %1 (%2 righe)</source>
        <translation>Registrazione salvata: %1 (%2 righe)</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>impossibile creare la cartella %1</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>il file di blocco %1 %2; toglilo: %3</source>
        <translation>il file di blocco %1 %2; toglilo: %3</translation>
    </message>
    <message>
        <source>il file di blocco %1 è troppo grande per essere un file di blocco; toglilo: %2</source>
        <translation>il file di blocco %1 è troppo grande per essere un file di blocco; toglilo: %2</translation>
    </message>
    <message>
        <source>non si può leggere (%1)</source>
        <translation>non si può leggere (%1)</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>è un dispositivo</source>
        <translation>è un dispositivo</translation>
    </message>
    <message>
        <source>è un socket</source>
        <translation>è un socket</translation>
    </message>
    <message>
        <source>è una FIFO</source>
        <translation>è una FIFO</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>è una cartella</translation>
    </message>
</context>
<context>
    <name>Mixture</name>
    <message>
        <source>%1 campi, l&apos;intestazione ne ha %2</source>
        <translation>%1 campi, l&apos;intestazione ne ha %2</translation>
    </message>
    <message>
        <source>%1 e %2 non si possono allineare: nessuna data e ora comune e nessuna colonna rpm nel registro della sonda; indicare --offset-ms</source>
        <translation>%1 e %2 non si possono allineare: nessuna data e ora comune e nessuna colonna rpm nel registro della sonda; indicare --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri combaciano a più scostamenti diversi; indicare --offset-ms</source>
        <translation>%1 e %2: i giri combaciano a più scostamenti diversi; indicare --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri non si sovrappongono (correlazione %3); indicare --offset-ms</source>
        <translation>%1 e %2: i giri non si sovrappongono (correlazione %3); indicare --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri non si sovrappongono bene (correlazione %3): valgono data e ora</source>
        <translation>%1 e %2: i giri non si sovrappongono bene (correlazione %3): valgono data e ora</translation>
    </message>
    <message>
        <source>%1 non cade nel tempo di nessun registro dal vivo: tralasciato</source>
        <translation>%1 non cade nel tempo di nessun registro dal vivo: tralasciato</translation>
    </message>
    <message>
        <source>%1 non ha la colonna afr e non è stato indicato un registro della sonda (--wideband)</source>
        <translation>%1 non ha la colonna afr e non è stato indicato un registro della sonda (--wideband)</translation>
    </message>
    <message>
        <source>%1: l&apos;ultima riga (%2) è tronca ed è stata tralasciata</source>
        <translation>%1: l&apos;ultima riga (%2) è tronca ed è stata tralasciata</translation>
    </message>
    <message>
        <source>afr non è un numero: %1</source>
        <translation>afr non è un numero: %1</translation>
    </message>
    <message>
        <source>cell_index non è un numero intero: %1</source>
        <translation>cell_index non è un numero intero: %1</translation>
    </message>
    <message>
        <source>cell_value non è un valore di cella: %1</source>
        <translation>cell_value non è un valore di cella: %1</translation>
    </message>
    <message>
        <source>data e ora non valida: %1</source>
        <translation>data e ora non valida: %1</translation>
    </message>
    <message>
        <source>elapsed_ms non è un numero intero: %1</source>
        <translation>elapsed_ms non è un numero intero: %1</translation>
    </message>
    <message>
        <source>file troppo grande (%1 MB)</source>
        <translation>file troppo grande (%1 MB)</translation>
    </message>
    <message>
        <source>file vuoto</source>
        <translation>file vuoto</translation>
    </message>
    <message>
        <source>i registri della sonda e quelli dal vivo non hanno ore in comune</source>
        <translation>i registri della sonda e quelli dal vivo non hanno ore in comune</translation>
    </message>
    <message>
        <source>i registri non dicono il regime massimo: si assume 17000 giri</source>
        <translation>i registri non dicono il regime massimo: si assume 17000 giri</translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>il guadagno (% di carburante per punto) deve essere positivo: %1</source>
        <translation>il guadagno (% di carburante per punto) deve essere positivo: %1</translation>
    </message>
    <message>
        <source>il ritardo della sonda non si ricava bene da questi dati (servono tirate a velocità diverse): stimato %1 ms, intervallo %2–%3 ms; meglio indicarlo</source>
        <translation>il ritardo della sonda non si ricava bene da questi dati (servono tirate a velocità diverse): stimato %1 ms, intervallo %2–%3 ms; meglio indicarlo</translation>
    </message>
    <message>
        <source>il tempo torna indietro</source>
        <translation>il tempo torna indietro</translation>
    </message>
    <message>
        <source>il tempo torna indietro (%1 ms dopo %2 ms)</source>
        <translation>il tempo torna indietro (%1 ms dopo %2 ms)</translation>
    </message>
    <message>
        <source>impossibile aprire la sonda su %1: %2</source>
        <translation>impossibile aprire la sonda su %1: %2</translation>
    </message>
    <message>
        <source>impossibile leggere: %1</source>
        <translation>impossibile leggere: %1</translation>
    </message>
    <message>
        <source>limiti non validi</source>
        <translation>limiti non validi</translation>
    </message>
    <message>
        <source>manca la colonna %1</source>
        <translation>manca la colonna %1</translation>
    </message>
    <message>
        <source>miscela</source>
        <translation>miscela</translation>
    </message>
    <message>
        <source>nessun registro dal vivo</source>
        <translation>nessun registro dal vivo</translation>
    </message>
    <message>
        <source>nessuna intestazione con le colonne indicate (%1, %2)</source>
        <translation>nessuna intestazione con le colonne indicate (%1, %2)</translation>
    </message>
    <message>
        <source>nessuna intestazione con una colonna del tempo (time, timestamp, seconds, ms, time_ms) e una della miscela (afr, lambda, λ, o2, wideband)</source>
        <translation>nessuna intestazione con una colonna del tempo (time, timestamp, seconds, ms, time_ms) e una della miscela (afr, lambda, λ, o2, wideband)</translation>
    </message>
    <message>
        <source>nessuna lettura della miscela</source>
        <translation>nessuna lettura della miscela</translation>
    </message>
    <message>
        <source>nessuna lettura è servita: vedere gli scarti per motivo</source>
        <translation>nessuna lettura è servita: vedere gli scarti per motivo</translation>
    </message>
    <message>
        <source>nessuna riga di dati</source>
        <translation>nessuna riga di dati</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>non è un registro dal vivo di Tervalix: manca la colonna %1</source>
        <translation>non è un registro dal vivo di Tervalix: manca la colonna %1</translation>
    </message>
    <message>
        <source>obiettivo fuori dai limiti: lambda %1</source>
        <translation>obiettivo fuori dai limiti: lambda %1</translation>
    </message>
    <message>
        <source>rapporto stechiometrico non valido: %1</source>
        <translation>rapporto stechiometrico non valido: %1</translation>
    </message>
    <message>
        <source>ritardo non valido: %1 ms</source>
        <translation>ritardo non valido: %1 ms</translation>
    </message>
    <message>
        <source>rpm non è un numero intero: %1</source>
        <translation>rpm non è un numero intero: %1</translation>
    </message>
    <message>
        <source>senza data e ora in entrambi i registri servono tanti registri della sonda quanti registri dal vivo, nello stesso ordine (%1 contro %2)</source>
        <translation>senza data e ora in entrambi i registri servono tanti registri della sonda quanti registri dal vivo, nello stesso ordine (%1 contro %2)</translation>
    </message>
    <message>
        <source>servono un obiettivo o %1 obiettivi, non %2</source>
        <translation>servono un obiettivo o %1 obiettivi, non %2</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>tempo non valido: %1</source>
        <translation>tempo non valido: %1</translation>
    </message>
    <message>
        <source>troppo poche letture per stimare il ritardo della sonda: indicarlo</source>
        <translation>troppo poche letture per stimare il ritardo della sonda: indicarlo</translation>
    </message>
</context>
<context>
    <name>MixturePanel</name>
    <message>
        <source>% per punto</source>
        <translation>% per punto</translation>
    </message>
    <message>
        <source>%1 punti cambiati dalla proposta: scrivi la curva nella centralina per usarla.</source>
        <translation>%1 punti cambiati dalla proposta: scrivi la curva nella centralina per usarla.</translation>
    </message>
    <message>
        <source>AFR %1</source>
        <translation>AFR %1</translation>
    </message>
    <message>
        <source>AFR ---</source>
        <translation>AFR ---</translation>
    </message>
    <message>
        <source>Accetta i punti scelti</source>
        <translation>Accetta i punti scelti</translation>
    </message>
    <message>
        <source>Accetta tutti i punti</source>
        <translation>Accetta tutti i punti</translation>
    </message>
    <message>
        <source>Analisi della miscela</source>
        <translation>Analisi della miscela</translation>
    </message>
    <message>
        <source>Analisi in corso...</source>
        <translation>Analisi in corso...</translation>
    </message>
    <message>
        <source>Analizza</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Apri log...</source>
        <translation>Apri log...</translation>
    </message>
    <message>
        <source>Errore %</source>
        <translation>Errore %</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Impossibile aprire %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>In uso</source>
        <translation>In uso</translation>
    </message>
    <message>
        <source>Intervallo 95%</source>
        <translation>Intervallo 95%</translation>
    </message>
    <message>
        <source>La sonda lambda non risponde più: %1.</source>
        <translation>La sonda lambda non risponde più: %1.</translation>
    </message>
    <message>
        <source>Letture</source>
        <translation>Letture</translation>
    </message>
    <message>
        <source>Letture minime</source>
        <translation>Letture minime</translation>
    </message>
    <message>
        <source>Letture: %1, usate %2; proposte per %3 punti</source>
        <translation>Letture: %1, usate %2; proposte per %3 punti</translation>
    </message>
    <message>
        <source>Log dal vivo (*.csv)</source>
        <translation>Log dal vivo (*.csv)</translation>
    </message>
    <message>
        <source>Log dal vivo di Tervalix</source>
        <translation>Log dal vivo di Tervalix</translation>
    </message>
    <message>
        <source>Log della sonda lambda (nessuno se i log dal vivo hanno la colonna afr)</source>
        <translation>Log della sonda lambda (nessuno se i log dal vivo hanno la colonna afr)</translation>
    </message>
    <message>
        <source>Log di testo (*.csv *.txt *.log);;Tutti i file (*)</source>
        <translation>Log di testo (*.csv *.txt *.log);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Miscela</source>
        <translation>Miscela</translation>
    </message>
    <message>
        <source>Misurata</source>
        <translation>Misurata</translation>
    </message>
    <message>
        <source>Nessun log</source>
        <translation>Nessun log</translation>
    </message>
    <message>
        <source>Nessuna registrazione in questa sessione: registra un giro con la sonda lambda collegata, o apri dei log.</source>
        <translation>Nessuna registrazione in questa sessione: registra un giro con la sonda lambda collegata, o apri dei log.</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Passo massimo</source>
        <translation>Passo massimo</translation>
    </message>
    <message>
        <source>Porta seriale della sonda lambda (9600 baud):</source>
        <translation>Porta seriale della sonda lambda (9600 baud):</translation>
    </message>
    <message>
        <source>Proposta</source>
        <translation>Proposta</translation>
    </message>
    <message>
        <source>Proposta della miscela</source>
        <translation>Proposta della miscela</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Quanto carburante aggiunge un punto della curva, in %: un&apos;ipotesi da tarare (un punto positivo aggiunge carburante)</source>
        <translation>Quanto carburante aggiunge un punto della curva, in %: un&apos;ipotesi da tarare (un punto positivo aggiunge carburante)</translation>
    </message>
    <message>
        <source>Ritardo della sonda: %1 ms (dato)</source>
        <translation>Ritardo della sonda: %1 ms (dato)</translation>
    </message>
    <message>
        <source>Ritardo della sonda: %1 ms (stimato, 95%: da %2 a %3 ms)</source>
        <translation>Ritardo della sonda: %1 ms (stimato, 95%: da %2 a %3 ms)</translation>
    </message>
    <message>
        <source>Ritardo sonda</source>
        <translation>Ritardo sonda</translation>
    </message>
    <message>
        <source>Scartate: %1</source>
        <translation>Scartate: %1</translation>
    </message>
    <message>
        <source>Sonda lambda</source>
        <translation>Sonda lambda</translation>
    </message>
    <message>
        <source>Sonda lambda su porta seriale...</source>
        <translation>Sonda lambda su porta seriale...</translation>
    </message>
    <message>
        <source>Spegni la sonda lambda</source>
        <translation>Spegni la sonda lambda</translation>
    </message>
    <message>
        <source>Stechiometrico</source>
        <translation>Stechiometrico</translation>
    </message>
    <message>
        <source>Usa la registrazione</source>
        <translation>Usa la registrazione</translation>
    </message>
    <message>
        <source>anello chiuso</source>
        <translation>anello chiuso</translation>
    </message>
    <message>
        <source>anello chiuso della centralina: nessuna proposta</source>
        <translation>anello chiuso della centralina: nessuna proposta</translation>
    </message>
    <message>
        <source>entro i limiti della centralina</source>
        <translation>entro i limiti della centralina</translation>
    </message>
    <message>
        <source>escluso</source>
        <translation>escluso</translation>
    </message>
    <message>
        <source>fuori dalla curva</source>
        <translation>fuori dalla curva</translation>
    </message>
    <message>
        <source>fuori scala o sonda fredda</source>
        <translation>fuori scala o sonda fredda</translation>
    </message>
    <message>
        <source>limitato a %1 punti per passata</source>
        <translation>limitato a %1 punti per passata</translation>
    </message>
    <message>
        <source>nessun dato</source>
        <translation>nessun dato</translation>
    </message>
    <message>
        <source>poche letture: nessuna proposta</source>
        <translation>poche letture: nessuna proposta</translation>
    </message>
    <message>
        <source>senza dati della centralina</source>
        <translation>senza dati della centralina</translation>
    </message>
    <message>
        <source>stimato dai log</source>
        <translation>stimato dai log</translation>
    </message>
    <message>
        <source>taglio del carburante</source>
        <translation>taglio del carburante</translation>
    </message>
    <message>
        <source>transitorio</source>
        <translation>transitorio</translation>
    </message>
    <message>
        <source>λ %1</source>
        <translation>λ %1</translation>
    </message>
</context>
<context>
    <name>MixturePlot</name>
    <message>
        <source>AFR</source>
        <translation>AFR</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>Misurata</source>
        <translation>Misurata</translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation>Obiettivo</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Il file non è un profilo valido: %1 byte invece di %2.</source>
        <translation>Il file non è un profilo valido: %1 byte invece di %2.</translation>
    </message>
    <message>
        <source>Impossibile aprire il profilo %1: %2</source>
        <translation>Impossibile aprire il profilo %1: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il profilo %1: %2</source>
        <translation>Impossibile leggere il profilo %1: %2</translation>
    </message>
    <message>
        <source>Impossibile salvare il profilo %1: %2</source>
        <translation>Impossibile salvare il profilo %1: %2</translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>%1 punti del profilo sono fuori dai limiti di questa centralina (da %2 a %3). Sono mostrati in rosso e restano come sono finché non li modifichi.</source>
        <translation>%1 punti del profilo sono fuori dai limiti di questa centralina (da %2 a %3). Sono mostrati in rosso e restano come sono finché non li modifichi.</translation>
    </message>
    <message>
        <source>Apre File di Profilo</source>
        <translation>Apre file di Mappa</translation>
    </message>
    <message>
        <source>Backup caricato: %1. Scrivilo nella centralina per ripristinarla.</source>
        <translation>Backup caricato: %1. Scrivilo nella centralina per ripristinarla.</translation>
    </message>
    <message>
        <source>Carica profilo</source>
        <translation>Carica profilo</translation>
    </message>
    <message>
        <source>Centralina, letta alle %1</source>
        <translation>Centralina, letta alle %1</translation>
    </message>
    <message>
        <source>Divisore numero di giri</source>
        <translation>Divisore numero di giri</translation>
    </message>
    <message>
        <source>Il profilo ha K = %1, fuori dall&apos;intervallo da %2 a %3: è mostrato com&apos;è e non viene scritto nella centralina.</source>
        <translation>Il profilo ha K = %1, fuori dall&apos;intervallo da %2 a %3: è mostrato com&apos;è e non viene scritto nella centralina.</translation>
    </message>
    <message>
        <source>K = %1 è fuori dall&apos;intervallo da %2 a %3</source>
        <translation>K = %1 è fuori dall&apos;intervallo da %2 a %3</translation>
    </message>
    <message>
        <source>Nessun backup in %1.</source>
        <translation>Nessun backup in %1.</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Mappe (*.prf)</translation>
    </message>
    <message>
        <source>Profilo piatto</source>
        <translation>Profilo piatto</translation>
    </message>
    <message>
        <source>Ripristina ultimo backup</source>
        <translation>Ripristina ultimo backup</translation>
    </message>
    <message>
        <source>Ripristino backup</source>
        <translation>Ripristino backup</translation>
    </message>
    <message>
        <source>Salva la curva in un file prima di scriverla: la centralina ne conserva il nome</source>
        <translation>Salva la curva in un file prima di scriverla: la centralina ne conserva il nome</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>disco pieno</source>
        <translation>disco pieno</translation>
    </message>
    <message>
        <source>errore di ingresso/uscita</source>
        <translation>errore di ingresso/uscita</translation>
    </message>
    <message>
        <source>file system in sola lettura</source>
        <translation>file system in sola lettura</translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation>il file esiste già</translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>il file scritto ha una dimensione errata</source>
        <translation>il file scritto ha una dimensione errata</translation>
    </message>
    <message>
        <source>il file è di %1 byte</source>
        <translation>il file è di %1 byte</translation>
    </message>
    <message>
        <source>il file è di più di %1 byte</source>
        <translation>il file è di più di %1 byte</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>troppi collegamenti simbolici</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>è una cartella</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Impossibile aprire la porta %1: %2</source>
        <translation>Impossibile aprire la porta %1: %2</translation>
    </message>
    <message>
        <source>La porta %1 non esiste</source>
        <translation>La porta %1 non esiste</translation>
    </message>
    <message>
        <source>La porta %1 non si può riservare: %2</source>
        <translation>La porta %1 non si può riservare: %2</translation>
    </message>
    <message>
        <source>La porta %1 è occupata da un altro programma</source>
        <translation>La porta %1 è occupata da un altro programma</translation>
    </message>
    <message>
        <source>La porta %1 è occupata: %2</source>
        <translation>La porta %1 è occupata: %2</translation>
    </message>
    <message>
        <source>Permesso negato sulla porta %1</source>
        <translation>Permesso negato sulla porta %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Le impostazioni in %1 non si possono usare (%2): questa volta non verranno ricordate.</source>
        <translation>Le impostazioni in %1 non si possono usare (%2): questa volta non verranno ricordate.</translation>
    </message>
    <message>
        <source>il file è di %1 byte, più di quanti ne scriva Tervalix</source>
        <translation>il file è di %1 byte, più di quanti ne scriva Tervalix</translation>
    </message>
</context>
<context>
    <name>TervalixCli</name>
    <message>
        <source> (spostato o cambiato da allora)</source>
        <translation> (spostato o cambiato da allora)</translation>
    </message>
    <message>
        <source>! La voce %1 è danneggiata (%2): il confronto la prende com&apos;è</source>
        <translation>! La voce %1 è danneggiata (%2): il confronto la prende com&apos;è</translation>
    </message>
    <message>
        <source># %1: scostamento degli orologi %2 ms (%3), %4 letture</source>
        <translation># %1: scostamento degli orologi %2 ms (%3), %4 letture</translation>
    </message>
    <message>
        <source># guadagno %1 % di carburante per punto, stechiometrico %2, valori %3…%4</source>
        <translation># guadagno %1 % di carburante per punto, stechiometrico %2, valori %3…%4</translation>
    </message>
    <message>
        <source># letture %1, usate %2; scartate: %3</source>
        <translation># letture %1, usate %2; scartate: %3</translation>
    </message>
    <message>
        <source># ritardo della sonda %1 ms (95 %: %2–%3 ms, %4)</source>
        <translation># ritardo della sonda %1 ms (95 %: %2–%3 ms, %4)</translation>
    </message>
    <message>
        <source>%1  giri %2  ADC %3  cella %4  valore %5</source>
        <translation>%1  giri %2  ADC %3  cella %4  valore %5</translation>
    </message>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 giri/min)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n voci)</source>
        <translation>
            <numerusform>%1 (%n voce)</numerusform>
            <numerusform>%1 (%n voci)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 righe registrate in %2</source>
        <translation>%1 righe registrate in %2</translation>
    </message>
    <message>
        <source>%1, numero di serie %2</source>
        <translation>%1, numero di serie %2</translation>
    </message>
    <message>
        <source>%1-%2 (%3-%4 giri/min)</source>
        <translation>%1-%2 (%3-%4 giri/min)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n voci</source>
        <translation>
            <numerusform>%1: %n voce</numerusform>
            <numerusform>%1: %n voci</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2. Con --clamp vengono portati entro i limiti.</source>
        <translation>%1: %2. Con --clamp vengono portati entro i limiti.</translation>
    </message>
    <message>
        <source>%1: il profilo ha %2, la centralina contiene %3</source>
        <translation>%1: il profilo ha %2, la centralina contiene %3</translation>
    </message>
    <message>
        <source>%1: impossibile leggere: %2</source>
        <translation>%1: impossibile leggere: %2</translation>
    </message>
    <message>
        <source>%1: la K %2 è fuori dall&apos;intervallo della centralina (%3…%4)</source>
        <translation>%1: la K %2 è fuori dall&apos;intervallo della centralina (%3…%4)</translation>
    </message>
    <message>
        <source>%1: scritto %2, la centralina contiene %3</source>
        <translation>%1: scritto %2, la centralina contiene %3</translation>
    </message>
    <message>
        <source>%1: servono %2 obiettivi (o uno), non %3</source>
        <translation>%1: servono %2 obiettivi (o uno), non %3</translation>
    </message>
    <message>
        <source>%1:%2: non è un numero: %3</source>
        <translation>%1:%2: non è un numero: %3</translation>
    </message>
    <message>
        <source>, l&apos;ultima del %1</source>
        <translation>, l&apos;ultima del %1</translation>
    </message>
    <message>
        <source>--%1 vuole un numero da %2 a %3</source>
        <translation>--%1 vuole un numero da %2 a %3</translation>
    </message>
    <message>
        <source>--%1 vuole un numero intero da %2 a %3</source>
        <translation>--%1 vuole un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>--bike vuole il nome di una moto</source>
        <translation>--bike vuole il nome di una moto</translation>
    </message>
    <message>
        <source>--columns vuole TEMPO,MISCELA[,GIRI]</source>
        <translation>--columns vuole TEMPO,MISCELA[,GIRI]</translation>
    </message>
    <message>
        <source>--condition vuole chiave=valore: %1</source>
        <translation>--condition vuole chiave=valore: %1</translation>
    </message>
    <message>
        <source>--exclude vuole punti da 0 a 40, singoli o come intervalli (0-3,38): %1</source>
        <translation>--exclude vuole punti da 0 a 40, singoli o come intervalli (0-3,38): %1</translation>
    </message>
    <message>
        <source>--k vale solo con -o e senza --base (con --base la K è quella del profilo di base)</source>
        <translation>--k vale solo con -o e senza --base (con --base la K è quella del profilo di base)</translation>
    </message>
    <message>
        <source>--points vuole dei punti, per esempio 0-10,14,K</source>
        <translation>--points vuole dei punti, per esempio 0-10,14,K</translation>
    </message>
    <message>
        <source>--points: %1 non è un punto o un intervallo da 0 a %2</source>
        <translation>--points: %1 non è un punto o un intervallo da 0 a %2</translation>
    </message>
    <message>
        <source>--port e --hid si escludono a vicenda</source>
        <translation>--port e --hid si escludono a vicenda</translation>
    </message>
    <message>
        <source>--port vuole il percorso di una porta</source>
        <translation>--port vuole il percorso di una porta</translation>
    </message>
    <message>
        <source>--seconds vuole un numero intero da 1 a %1</source>
        <translation>--seconds vuole un numero intero da 1 a %1</translation>
    </message>
    <message>
        <source>--target e --target-file si escludono a vicenda</source>
        <translation>--target e --target-file si escludono a vicenda</translation>
    </message>
    <message>
        <source>--wideband-baud vuole un numero intero positivo</source>
        <translation>--wideband-baud vuole un numero intero positivo</translation>
    </message>
    <message>
        <source>-o senza --base: %1 punti non hanno una proposta e non si sa che valore tenere (indicare --base, il profilo della corsa)</source>
        <translation>-o senza --base: %1 punti non hanno una proposta e non si sa che valore tenere (indicare --base, il profilo della corsa)</translation>
    </message>
    <message>
        <source>-o senza --base: i registri non dicono la K; indicarla con --k N (da %1 a %2), o dare --base</source>
        <translation>-o senza --base: i registri non dicono la K; indicarla con --k N (da %1 a %2), o dare --base</translation>
    </message>
    <message>
        <source>-o vuole un file .prf: %1</source>
        <translation>-o vuole un file .prf: %1</translation>
    </message>
    <message>
        <source>41 miscele volute, una per riga (l&apos;ultimo numero di ogni riga).</source>
        <translation>41 miscele volute, una per riga (l&apos;ultimo numero di ogni riga).</translation>
    </message>
    <message>
        <source>AFR stechiometrico del carburante (di solito 14.7).</source>
        <translation>AFR stechiometrico del carburante (di solito 14.7).</translation>
    </message>
    <message>
        <source>Allegato (%1): %2</source>
        <translation>Allegato (%1): %2</translation>
    </message>
    <message>
        <source>Analisi impossibile: %1</source>
        <translation>Analisi impossibile: %1</translation>
    </message>
    <message>
        <source>Carburante aggiunto da un punto della curva, in % (di solito 1.0; un punto positivo aggiunge carburante).</source>
        <translation>Carburante aggiunto da un punto della curva, in % (di solito 1.0; un punto positivo aggiunge carburante).</translation>
    </message>
    <message>
        <source>Cartella della copia di sicurezza presa prima di scrivere (di solito %1).</source>
        <translation>Cartella della copia di sicurezza presa prima di scrivere (di solito %1).</translation>
    </message>
    <message>
        <source>Cella %1</source>
        <translation>Cella %1</translation>
    </message>
    <message>
        <source>Cella %1 (K)</source>
        <translation>Cella %1 (K)</translation>
    </message>
    <message>
        <source>Centralina non raggiungibile su %1: %2</source>
        <translation>Centralina non raggiungibile su %1: %2</translation>
    </message>
    <message>
        <source>Centralina: %1</source>
        <translation>Centralina: %1</translation>
    </message>
    <message>
        <source>Codici di uscita: 0 riuscito, 2 errore d&apos;uso, 3 nessuna centralina (porta mancante o occupata, nessuna risposta;
per monitor --wideband anche la sonda), 4 trasferimento non riuscito (collegamento o sonda persi, copia di
sicurezza, file del risultato o registrazione non scritti), 5 la centralina non contiene il profilo,
130 interrotto (Ctrl+C), 143 terminato (SIGTERM), 129 terminale chiuso (SIGHUP).
Durante una scrittura Ctrl+C, SIGTERM e SIGHUP la lasciano finire; un secondo Ctrl+C la interrompe (uscita 4).
Ctrl+C termina monitor normalmente (uscita 0).
analyze legge solo file (nessuna centralina): uscita 0, oppure 2 quando un log non si può leggere (file, riga e motivo sono indicati)
o i log non si possono allineare, 4 quando la proposta non si può scrivere.
Profili e copie di sicurezza (di solito): %1
</source>
        <translation>Codici di uscita: 0 riuscito, 2 errore d&apos;uso, 3 nessuna centralina (porta mancante o occupata, nessuna risposta;
per monitor --wideband anche la sonda), 4 trasferimento non riuscito (collegamento o sonda persi, copia di
sicurezza, file del risultato o registrazione non scritti), 5 la centralina non contiene il profilo,
130 interrotto (Ctrl+C), 143 terminato (SIGTERM), 129 terminale chiuso (SIGHUP).
Durante una scrittura Ctrl+C, SIGTERM e SIGHUP la lasciano finire; un secondo Ctrl+C la interrompe (uscita 4).
Ctrl+C termina monitor normalmente (uscita 0).
analyze legge solo file (nessuna centralina): uscita 0, oppure 2 quando un log non si può leggere (file, riga e motivo sono indicati)
o i log non si possono allineare, 4 quando la proposta non si può scrivere.
Profili e copie di sicurezza (di solito): %1
</translation>
    </message>
    <message>
        <source>Collegamento perso: %1</source>
        <translation>Collegamento perso: %1</translation>
    </message>
    <message>
        <source>Comandi:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Confronta curva e K della centralina con un profilo.</source>
        <translation>Confronta curva e K della centralina con un profilo.</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita, nulla è stato scritto: %1</source>
        <translation>Copia di sicurezza non riuscita, nulla è stato scritto: %1</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: %1</source>
        <translation>Copia di sicurezza non riuscita: %1</translation>
    </message>
    <message>
        <source>Copia di sicurezza: %1</source>
        <translation>Copia di sicurezza: %1</translation>
    </message>
    <message>
        <source>Copie di sicurezza (senza moto): %1</source>
        <translation>Copie di sicurezza (senza moto): %1</translation>
    </message>
    <message numerus="yes">
        <source>Copie di sicurezza, senza moto (%n voci)</source>
        <translation>
            <numerusform>Copie di sicurezza, senza moto (%n voce)</numerusform>
            <numerusform>Copie di sicurezza, senza moto (%n voci)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cronologia: %1</source>
        <translation>Cronologia: %1</translation>
    </message>
    <message>
        <source>Curva e K letti in %1</source>
        <translation>Curva e K letti in %1</translation>
    </message>
    <message>
        <source>Curva e K scritti e verificati.</source>
        <translation>Curva e K scritti e verificati.</translation>
    </message>
    <message>
        <source>Curva proposta salvata in %1 (%2 punti cambiati dall&apos;analisi)</source>
        <translation>Curva proposta salvata in %1 (%2 punti cambiati dall&apos;analisi)</translation>
    </message>
    <message>
        <source>Curva: %1; K = %2</source>
        <translation>Curva: %1; K = %2</translation>
    </message>
    <message>
        <source>DANNEGGIATA: %1</source>
        <translation>DANNEGGIATA: %1</translation>
    </message>
    <message>
        <source>Dai dati dal vivo e dai log della sonda lambda a una curva proposta: per ogni punto le letture usate, la miscela misurata con il suo intervallo, l&apos;errore e il valore proposto.</source>
        <translation>Dai dati dal vivo e dai log della sonda lambda a una curva proposta: per ogni punto le letture usate, la miscela misurata con il suo intervallo, l&apos;errore e il valore proposto.</translation>
    </message>
    <message>
        <source>Dice perché la centralina può non essere trovata: la centralina USB, i permessi, la regola udev, le porte seriali e i loro gruppi, i programmi che tengono una porta; con il comando che risolve ciascun problema.</source>
        <translation>Dice perché la centralina può non essere trovata: la centralina USB, i permessi, la regola udev, le porte seriali e i loro gruppi, i programmi che tengono una porta; con il comando che risolve ciascun problema.</translation>
    </message>
    <message>
        <source>Dove va la curva: FILE.prf, FILE.csv, o - (CSV sullo standard output).</source>
        <translation>Dove va la curva: FILE.prf, FILE.csv, o - (CSV sullo standard output).</translation>
    </message>
    <message>
        <source>Elenca la centralina USB (HID), se collegata, e le porte seriali.</source>
        <translation>Elenca la centralina USB (HID), se collegata, e le porte seriali.</translation>
    </message>
    <message>
        <source>HID: nessuna centralina USB collegata</source>
        <translation>HID: nessuna centralina USB collegata</translation>
    </message>
    <message>
        <source>Il comando.</source>
        <translation>Il comando.</translation>
    </message>
    <message>
        <source>Il profilo della centralina durante i registri: i punti senza proposta tengono il suo valore, e K è il suo K.</source>
        <translation>Il profilo della centralina durante i registri: i punti senza proposta tengono il suo valore, e K è il suo K.</translation>
    </message>
    <message>
        <source>Il ritardo della sonda; di solito: stimato dai registri.</source>
        <translation>Il ritardo della sonda; di solito: stimato dai registri.</translation>
    </message>
    <message>
        <source>Impossibile salvare %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Impossibile scrivere sullo standard output: %1</source>
        <translation>Impossibile scrivere sullo standard output: %1</translation>
    </message>
    <message>
        <source>Interrotto.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <source>K = %1 della voce è fuori da %2..%3: resta quello della centralina (%4)</source>
        <translation>K = %1 della voce è fuori da %2..%3: resta quello della centralina (%4)</translation>
    </message>
    <message>
        <source>K = %1 fuori da %2..%3</source>
        <translation>K = %1 fuori da %2..%3</translation>
    </message>
    <message>
        <source>K del profilo scritto senza --base (da 1 a 4): i registri non lo riportano.</source>
        <translation>K del profilo scritto senza --base (da 1 a 4): i registri non lo riportano.</translation>
    </message>
    <message>
        <source>La centralina collegata non è quella che la cronologia della moto %1 conosce: non vi si registra nulla (bikes attach la assegna alla moto).</source>
        <translation>La centralina collegata non è quella che la cronologia della moto %1 conosce: non vi si registra nulla (bikes attach la assegna alla moto).</translation>
    </message>
    <message>
        <source>La centralina contiene già quello che la voce %1 ha: nulla da scrivere.</source>
        <translation>La centralina contiene già quello che la voce %1 ha: nulla da scrivere.</translation>
    </message>
    <message>
        <source>La centralina contiene il profilo (curva e K).</source>
        <translation>La centralina contiene il profilo (curva e K).</translation>
    </message>
    <message>
        <source>La centralina era della moto %1; la sua cronologia resta là.</source>
        <translation>La centralina era della moto %1; la sua cronologia resta là.</translation>
    </message>
    <message>
        <source>La centralina non contiene il profilo (celle diverse: %1).</source>
        <translation>La centralina non contiene il profilo (celle diverse: %1).</translation>
    </message>
    <message>
        <source>La centralina non tiene quanto scritto (celle diverse: %1). Quello che conteneva prima è in %2</source>
        <translation>La centralina non tiene quanto scritto (celle diverse: %1). Quello che conteneva prima è in %2</translation>
    </message>
    <message>
        <source>La centralina può essere scritta a metà.</source>
        <translation>La centralina può essere scritta a metà.</translation>
    </message>
    <message>
        <source>La centralina può essere scritta a metà. Quello che conteneva prima è in %1</source>
        <translation>La centralina può essere scritta a metà. Quello che conteneva prima è in %1</translation>
    </message>
    <message>
        <source>La cronologia della moto: ogni stato che la centralina ha dimostrato di avere (list), una voce (show), le differenze tra due voci o tra una voce e la centralina (diff), note, etichette e condizioni (note), il ritorno a una voce o a dei suoi punti (restore). Le copie di sicurezza hanno un id che comincia con b.</source>
        <translation>La cronologia della moto: ogni stato che la centralina ha dimostrato di avere (list), una voce (show), le differenze tra due voci o tra una voce e la centralina (diff), note, etichette e condizioni (note), il ritorno a una voce o a dei suoi punti (restore). Le copie di sicurezza hanno un id che comincia con b.</translation>
    </message>
    <message>
        <source>La modifica più grande di un punto in un passaggio (di solito 5).</source>
        <translation>La modifica più grande di un punto in un passaggio (di solito 5).</translation>
    </message>
    <message>
        <source>La moto della centralina (il suo nome): conferma una centralina riconosciuta solo dai dati del dispositivo, sceglie la cronologia.</source>
        <translation>La moto della centralina (il suo nome): conferma una centralina riconosciuta solo dai dati del dispositivo, sceglie la cronologia.</translation>
    </message>
    <message>
        <source>La scrittura viene portata a termine. Un secondo Ctrl+C la interrompe e può lasciare la centralina scritta a metà.</source>
        <translation>La scrittura viene portata a termine. Un secondo Ctrl+C la interrompe e può lasciare la centralina scritta a metà.</translation>
    </message>
    <message>
        <source>La velocità di linea della sonda (di solito 9600).</source>
        <translation>La velocità di linea della sonda (di solito 9600).</translation>
    </message>
    <message>
        <source>La voce %1 ha %2</source>
        <translation>La voce %1 ha %2</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): nessun confronto</source>
        <translation>La voce %1 è danneggiata (%2): nessun confronto</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): non si ripristina</source>
        <translation>La voce %1 è danneggiata (%2): non si ripristina</translation>
    </message>
    <message>
        <source>Le colonne di tempo e miscela (e giri) del registro della sonda, quando i loro nomi non sono quelli soliti.</source>
        <translation>Le colonne di tempo e miscela (e giri) del registro della sonda, quando i loro nomi non sono quelli soliti.</translation>
    </message>
    <message>
        <source>Le copie di sicurezza non hanno note: la voce %1 è una copia di sicurezza</source>
        <translation>Le copie di sicurezza non hanno note: la voce %1 è una copia di sicurezza</translation>
    </message>
    <message>
        <source>Le miscele volute sono in lambda, e la tabella mostra lambda.</source>
        <translation>Le miscele volute sono in lambda, e la tabella mostra lambda.</translation>
    </message>
    <message>
        <source>Le moto e le loro centraline (list); attach dà un nome alla moto della centralina collegata ora e ne comincia la cronologia; rename cambia il nome di una moto (la sua cartella resta).</source>
        <translation>Le moto e le loro centraline (list); attach dà un nome alla moto della centralina collegata ora e ne comincia la cronologia; rename cambia il nome di una moto (la sua cartella resta).</translation>
    </message>
    <message>
        <source>Legge curva e K in FILE.prf, in FILE.csv (point,rpm,value) o come CSV sullo standard output (-o -).</source>
        <translation>Legge curva e K in FILE.prf, in FILE.csv (point,rpm,value) o come CSV sullo standard output (-o -).</translation>
    </message>
    <message>
        <source>Legge, scrive, verifica e controlla dal vivo la centralina Tervalix senza finestra.</source>
        <translation>Legge, scrive, verifica e controlla dal vivo la centralina Tervalix senza finestra.</translation>
    </message>
    <message>
        <source>Lettura non riuscita: la centralina non risponde.</source>
        <translation>Lettura non riuscita: la centralina non risponde.</translation>
    </message>
    <message>
        <source>Letture che servono a un punto per una proposta (di solito 20).</source>
        <translation>Letture che servono a un punto per una proposta (di solito 20).</translation>
    </message>
    <message>
        <source>Miscela voluta per ogni punto (AFR; lambda con --lambda). Di solito lambda 0.90.</source>
        <translation>Miscela voluta per ogni punto (AFR; lambda con --lambda). Di solito lambda 0.90.</translation>
    </message>
    <message>
        <source>Mostra (e con --csv registra) la lettura della sonda lambda da questa porta seriale.</source>
        <translation>Mostra (e con --csv registra) la lettura della sonda lambda da questa porta seriale.</translation>
    </message>
    <message>
        <source>Mostra hardware, cilindri e firmware della centralina.</source>
        <translation>Mostra hardware, cilindri e firmware della centralina.</translation>
    </message>
    <message>
        <source>Mostra i dati dal vivo (ora, giri, ADC, cella, valore); con --csv li registra anche.</source>
        <translation>Mostra i dati dal vivo (ora, giri, ADC, cella, valore); con --csv li registra anche.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto (con un comando: l&apos;aiuto del comando).</source>
        <translation>Mostra questo aiuto (con un comando: l&apos;aiuto del comando).</translation>
    </message>
    <message>
        <source>Moto %1: centralina %2; voce %3 della cronologia</source>
        <translation>Moto %1: centralina %2; voce %3 della cronologia</translation>
    </message>
    <message>
        <source>Nessuna moto di nome %1 (tervalix-cli bikes list)</source>
        <translation>Nessuna moto di nome %1 (tervalix-cli bikes list)</translation>
    </message>
    <message>
        <source>Nessuna moto: la voce %1 non c&apos;è (bikes attach NOME)</source>
        <translation>Nessuna moto: la voce %1 non c&apos;è (bikes attach NOME)</translation>
    </message>
    <message>
        <source>Nessuna moto: tervalix-cli bikes attach NOME dà un nome a quella della centralina collegata.</source>
        <translation>Nessuna moto: tervalix-cli bikes attach NOME dà un nome a quella della centralina collegata.</translation>
    </message>
    <message>
        <source>Nessuna voce %1 nella cronologia</source>
        <translation>Nessuna voce %1 nella cronologia</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Nulla è stato scritto.</source>
        <translation>Nulla è stato scritto.</translation>
    </message>
    <message>
        <source>Nulla è stato scritto: con --yes si scrive comunque.</source>
        <translation>Nulla è stato scritto: con --yes si scrive comunque.</translation>
    </message>
    <message>
        <source>Orologio della centralina meno orologio della sonda (sommato alla differenza di data e ora, se ci sono).</source>
        <translation>Orologio della centralina meno orologio della sonda (sommato alla differenza di data e ora, se ci sono).</translation>
    </message>
    <message>
        <source>Per l&apos;aiuto: %1 --help</source>
        <translation>Per l&apos;aiuto: %1 --help</translation>
    </message>
    <message>
        <source>Più moto: --bike NOME dice di quale è la voce %1</source>
        <translation>Più moto: --bike NOME dice di quale è la voce %1</translation>
    </message>
    <message>
        <source>Porta entro i limiti i punti fuori dall&apos;intervallo della centralina e un K fuori da 1..4 (senza, un profilo così è rifiutato).</source>
        <translation>Porta entro i limiti i punti fuori dall&apos;intervallo della centralina e un K fuori da 1..4 (senza, un profilo così è rifiutato).</translation>
    </message>
    <message>
        <source>Portati entro i limiti: %1</source>
        <translation>Portati entro i limiti: %1</translation>
    </message>
    <message>
        <source>Probabilmente la centralina della moto %1: con --bike &quot;%1&quot; lo si conferma e la cronologia la segue.</source>
        <translation>Probabilmente la centralina della moto %1: con --bike &quot;%1&quot; lo si conferma e la cronologia la segue.</translation>
    </message>
    <message>
        <source>Profilo: %1</source>
        <translation>Profilo: %1</translation>
    </message>
    <message>
        <source>Punti esclusi dall&apos;analisi, per esempio 0-3,38-40 (riflusso allo scarico, una zona da non toccare): nessuna proposta, e nessun peso nella stima del ritardo.</source>
        <translation>Punti esclusi dall&apos;analisi, per esempio 0-3,38-40 (riflusso allo scarico, una zona da non toccare): nessuna proposta, e nessun peso nella stima del ritardo.</translation>
    </message>
    <message>
        <source>Registra anche i dati dal vivo in questo nuovo file CSV.</source>
        <translation>Registra anche i dati dal vivo in questo nuovo file CSV.</translation>
    </message>
    <message>
        <source>Registrazione impossibile: %1</source>
        <translation>Registrazione impossibile: %1</translation>
    </message>
    <message>
        <source>Registrazione interrotta: %1</source>
        <translation>Registrazione interrotta: %1</translation>
    </message>
    <message>
        <source>Ricevuto %1 durante la scrittura: la scrittura è stata portata a termine prima di uscire.</source>
        <translation>Ricevuto %1 durante la scrittura: la scrittura è stata portata a termine prima di uscire.</translation>
    </message>
    <message>
        <source>Rispetto alla centralina: %1</source>
        <translation>Rispetto alla centralina: %1</translation>
    </message>
    <message>
        <source>Salva quello che la centralina contiene come profilo datato in DIR.</source>
        <translation>Salva quello che la centralina contiene come profilo datato in DIR.</translation>
    </message>
    <message>
        <source>Salva una copia della centralina, scrive curva e K del profilo e li verifica.</source>
        <translation>Salva una copia della centralina, scrive curva e K del profilo e li verifica.</translation>
    </message>
    <message>
        <source>Scrittura interrotta prima che la centralina fosse modificata.</source>
        <translation>Scrittura interrotta prima che la centralina fosse modificata.</translation>
    </message>
    <message>
        <source>Scrittura interrotta: la centralina può essere scritta a metà. Quello che conteneva prima è in %1</source>
        <translation>Scrittura interrotta: la centralina può essere scritta a metà. Quello che conteneva prima è in %1</translation>
    </message>
    <message>
        <source>Scrittura non riuscita: la centralina non risponde.</source>
        <translation>Scrittura non riuscita: la centralina non risponde.</translation>
    </message>
    <message>
        <source>Scrive la curva proposta come profilo. Senza --base solo quando ogni punto ha una proposta, e allora con --k.</source>
        <translation>Scrive la curva proposta come profilo. Senza --base solo quando ogni punto ha una proposta, e allora con --k.</translation>
    </message>
    <message>
        <source>Scrivere comunque? [s/N] </source>
        <translation>Scrivere comunque? [s/N] </translation>
    </message>
    <message>
        <source>Scrivi senza chiedere anche quando un punto diventa più magro della soglia o la centralina non è quella della moto.</source>
        <translation>Scrivi senza chiedere anche quando un punto diventa più magro della soglia o la centralina non è quella della moto.</translation>
    </message>
    <message>
        <source>Si ferma dopo questi secondi (di solito: fino a Ctrl+C).</source>
        <translation>Si ferma dopo questi secondi (di solito: fino a Ctrl+C).</translation>
    </message>
    <message>
        <source>Sonda persa: %1</source>
        <translation>Sonda persa: %1</translation>
    </message>
    <message>
        <source>Stampa il risultato come JSON.</source>
        <translation>Stampa il risultato come JSON.</translation>
    </message>
    <message>
        <source>Terminato.</source>
        <translation>Terminato.</translation>
    </message>
    <message>
        <source>Un registro della sonda lambda (ripetibile; più giri: uno per registro dal vivo, nello stesso ordine, a meno che entrambi i registri abbiano data e ora).</source>
        <translation>Un registro della sonda lambda (ripetibile; più giri: uno per registro dal vivo, nello stesso ordine, a meno che entrambi i registri abbiano data e ora).</translation>
    </message>
    <message>
        <source>Uno dei comandi qui sotto.</source>
        <translation>Uno dei comandi qui sotto.</translation>
    </message>
    <message>
        <source>Usa la centralina USB (HID), come senza --port.</source>
        <translation>Usa la centralina USB (HID), come senza --port.</translation>
    </message>
    <message>
        <source>Usa la centralina su questa porta seriale (per esempio /dev/ttyUSB0).</source>
        <translation>Usa la centralina su questa porta seriale (per esempio /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>Valori limitati a %1…%2 (la gamma più ampia): --hw N per quella della centralina.</source>
        <translation>Valori limitati a %1…%2 (la gamma più ampia): --hw N per quella della centralina.</translation>
    </message>
    <message>
        <source>Versione hardware della centralina, per il suo intervallo di valori (di solito: quello più ampio, da -20 a 50).</source>
        <translation>Versione hardware della centralina, per il suo intervallo di valori (di solito: quello più ampio, da -20 a 50).</translation>
    </message>
    <message>
        <source>al limite dei valori</source>
        <translation>al limite dei valori</translation>
    </message>
    <message>
        <source>anello chiuso?</source>
        <translation>anello chiuso?</translation>
    </message>
    <message>
        <source>argomento di troppo: %1</source>
        <translation>argomento di troppo: %1</translation>
    </message>
    <message>
        <source>bikes: list, attach NOME oppure rename NOME NUOVO</source>
        <translation>bikes: list, attach NOME oppure rename NOME NUOVO</translation>
    </message>
    <message>
        <source>comando [argomenti]</source>
        <translation>comando [argomenti]</translation>
    </message>
    <message>
        <source>comando sconosciuto: %1</source>
        <translation>comando sconosciuto: %1</translation>
    </message>
    <message>
        <source>copia di sicurezza</source>
        <translation>copia di sicurezza</translation>
    </message>
    <message>
        <source>da %1</source>
        <translation>da %1</translation>
    </message>
    <message>
        <source>escluso</source>
        <translation>escluso</translation>
    </message>
    <message>
        <source>formato non riconosciuto: %1 (usare .prf, .csv o -)</source>
        <translation>formato non riconosciuto: %1 (usare .prf, .csv o -)</translation>
    </message>
    <message>
        <source>history: list, show ID, diff ID [ID], note ID [TESTO] oppure restore ID [--points A-B,...]</source>
        <translation>history: list, show ID, diff ID [ID], note ID [TESTO] oppure restore ID [--points A-B,...]</translation>
    </message>
    <message>
        <source>indicato</source>
        <translation>indicato</translation>
    </message>
    <message>
        <source>intervallo 95%</source>
        <translation>intervallo 95%</translation>
    </message>
    <message>
        <source>lettura</source>
        <translation>lettura</translation>
    </message>
    <message>
        <source>limitato dal passo</source>
        <translation>limitato dal passo</translation>
    </message>
    <message>
        <source>manca -o FILE (.prf, .csv, o - per lo standard output)</source>
        <translation>manca -o FILE (.prf, .csv, o - per lo standard output)</translation>
    </message>
    <message>
        <source>manca il comando</source>
        <translation>manca il comando</translation>
    </message>
    <message>
        <source>manca il file del profilo (.prf)</source>
        <translation>manca il file del profilo (.prf)</translation>
    </message>
    <message>
        <source>manca il nome della moto</source>
        <translation>manca il nome della moto</translation>
    </message>
    <message>
        <source>manca il registro dal vivo (LIVE.csv)</source>
        <translation>manca il registro dal vivo (LIVE.csv)</translation>
    </message>
    <message>
        <source>nessun dato</source>
        <translation>nessun dato</translation>
    </message>
    <message>
        <source>non verificata</source>
        <translation>non verificata</translation>
    </message>
    <message>
        <source>nota: %1</source>
        <translation>nota: %1</translation>
    </message>
    <message>
        <source>note: aggiunge un&apos;etichetta (ripetibile); -NOME la toglie.</source>
        <translation>note: aggiunge un&apos;etichetta (ripetibile); -NOME la toglie.</translation>
    </message>
    <message>
        <source>note: una condizione, per esempio scarico=sportivo, filtro, benzina, quota, temperatura (ripetibile; chiave= la toglie).</source>
        <translation>note: una condizione, per esempio scarico=sportivo, filtro, benzina, quota, temperatura (ripetibile; chiave= la toglie).</translation>
    </message>
    <message>
        <source>pochi campioni</source>
        <translation>pochi campioni</translation>
    </message>
    <message>
        <source>punti fuori dai limiti della centralina (da %1 a %2): %3</source>
        <translation>punti fuori dai limiti della centralina (da %1 a %2): %3</translation>
    </message>
    <message>
        <source>punto  giri campioni %1 %2 obiettivo errore%  applicato proposto  stato</source>
        <translation>punto  giri campioni %1 %2 obiettivo errore%  applicato proposto  stato</translation>
    </message>
    <message>
        <source>restore: solo questi punti (per esempio 0-10,14; K per il K); gli altri restano come sono nella centralina.</source>
        <translation>restore: solo questi punti (per esempio 0-10,14; K per il K); gli altri restano come sono nella centralina.</translation>
    </message>
    <message>
        <source>scrittura</source>
        <translation>scrittura</translation>
    </message>
    <message>
        <source>stimato</source>
        <translation>stimato</translation>
    </message>
    <message>
        <source>verifica</source>
        <translation>verifica</translation>
    </message>
    <message>
        <source>vista %1 volte</source>
        <translation>vista %1 volte</translation>
    </message>
    <message>
        <source>La moto %1 ora si chiama %2</source>
        <translation>La moto %1 ora si chiama %2</translation>
    </message>
</context>
<context>
    <name>TransferPanel</name>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 giri/min)</translation>
    </message>
    <message>
        <source>%1 punti fuori dai limiti della centralina: evidenziati in rosso</source>
        <translation>%1 punti fuori dai limiti della centralina: evidenziati in rosso</translation>
    </message>
    <message>
        <source>%1-%2 (%3-%4 giri/min)</source>
        <translation>%1-%2 (%3-%4 giri/min)</translation>
    </message>
    <message numerus="yes">
        <source>%n punti della curva sono fuori dai limiti della centralina (da %1 a %2): %3.
Portarli entro i limiti e scrivere? Altrimenti non viene scritto nulla.</source>
        <translation>
            <numerusform>%n punto della curva è fuori dai limiti della centralina (da %1 a %2): %3.
Portarlo entro i limiti e scrivere? Altrimenti non viene scritto nulla.</numerusform>
            <numerusform>%n punti della curva sono fuori dai limiti della centralina (da %1 a %2): %3.
Portarli entro i limiti e scrivere? Altrimenti non viene scritto nulla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n punti più magri di %1 o più: %2</source>
        <translation>
            <numerusform>%n punto più magro di %1 o più: %2</numerusform>
            <numerusform>%n punti più magri di %1 o più: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>... e altre %1 differenze</source>
        <translation>... e altre %1 differenze</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Backup: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Centralina ora</source>
        <translation>Centralina ora</translation>
    </message>
    <message>
        <source>Entro i limiti della centralina</source>
        <translation>Entro i limiti della centralina</translation>
    </message>
    <message>
        <source>K fuori dall&apos;intervallo da %1 a %2</source>
        <translation>K fuori dall&apos;intervallo da %1 a %2</translation>
    </message>
    <message>
        <source>K: scritto %1, la centralina contiene %2</source>
        <translation>K: scritto %1, la centralina contiene %2</translation>
    </message>
    <message>
        <source>La centralina contiene K = %1, fuori dall&apos;intervallo da %2 a %3: la centralina non è stata modificata.</source>
        <translation>La centralina contiene K = %1, fuori dall&apos;intervallo da %2 a %3: la centralina non è stata modificata.</translation>
    </message>
    <message>
        <source>La curva nell&apos;editor è diversa da quella che la centralina contiene: scrivila per usarla</source>
        <translation>La curva nell&apos;editor è diversa da quella che la centralina contiene: scrivila per usarla</translation>
    </message>
    <message>
        <source>La scrittura non è iniziata: impossibile salvare il backup della curva presente nella centralina (%1).</source>
        <translation>La scrittura non è iniziata: impossibile salvare il backup della curva presente nella centralina (%1).</translation>
    </message>
    <message>
        <source>Lettura</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Lettura centralina</source>
        <translation>Lettura centralina</translation>
    </message>
    <message>
        <source>Nome del profilo, carattere %1: scritto %2, la centralina contiene %3</source>
        <translation>Nome del profilo, carattere %1: scritto %2, la centralina contiene %3</translation>
    </message>
    <message>
        <source>Non scritto nella centralina</source>
        <translation>Non scritto nella centralina</translation>
    </message>
    <message>
        <source>Nulla è stato scritto nella centralina.</source>
        <translation>Nulla è stato scritto nella centralina.</translation>
    </message>
    <message>
        <source>Nulla è stato scritto nella centralina: %1.</source>
        <translation>Nulla è stato scritto nella centralina: %1.</translation>
    </message>
    <message>
        <source>Punto %1 (%2 giri/min): scritto %3, la centralina contiene %4</source>
        <translation>Punto %1 (%2 giri/min): scritto %3, la centralina contiene %4</translation>
    </message>
    <message>
        <source>Rispetto alla centralina: %1</source>
        <translation>Rispetto alla centralina: %1</translation>
    </message>
    <message>
        <source>Scrittura</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Scrittura verificata: %1 celle uguali a quanto inviato.</source>
        <translation>Scrittura verificata: %1 celle uguali a quanto inviato.</translation>
    </message>
    <message>
        <source>Scrittura: %1</source>
        <translation>Scrittura: %1</translation>
    </message>
    <message>
        <source>Scrivere comunque?</source>
        <translation>Scrivere comunque?</translation>
    </message>
    <message>
        <source>Scrivere di nuovo la curva?</source>
        <translation>Scrivere di nuovo la curva?</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Verifica fallita: la centralina non contiene quanto scritto.</source>
        <translation>Verifica fallita: la centralina non contiene quanto scritto.</translation>
    </message>
    <message>
        <source>punti fuori dai limiti: %1</source>
        <translation>punti fuori dai limiti: %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>tr(&quot;Chiudi&quot;)</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>tr(&quot;Informazioni&quot;)</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>frmDiagnosi</name>
    <message>
        <source>Chiudi</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Copia il rapporto</source>
        <translation>Copia il rapporto</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento</source>
        <translation>Diagnosi del collegamento</translation>
    </message>
    <message>
        <source>Rapporto copiato negli appunti.</source>
        <translation>Rapporto copiato negli appunti.</translation>
    </message>
    <message>
        <source>Rimedio:</source>
        <translation>Rimedio:</translation>
    </message>
    <message>
        <source>Ripeti la diagnosi</source>
        <translation>Ripeti la diagnosi</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>tr(&quot;Accesso modo esperto&quot;)</source>
        <translation>Modalità esperto</translation>
    </message>
    <message>
        <source>tr(&quot;Conferma&quot;)</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>tr(&quot;Digitare la password&quot;)</source>
        <translation>Digitare la password</translation>
    </message>
</context>
<context>
    <name>frmProgPannel</name>
    <message>
        <source>Aggiungi...</source>
        <translation>Aggiungi...</translation>
    </message>
    <message>
        <source>Analisi della miscela...</source>
        <translation>Analisi della miscela...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Aumenta di uno</source>
        <translation>Aumenta di uno</translation>
    </message>
    <message>
        <source>Cerca la centralina appena viene collegata</source>
        <translation>Cerca la centralina appena viene collegata</translation>
    </message>
    <message>
        <source>Chiusura al termine del trasferimento in corso...</source>
        <translation>Chiusura al termine del trasferimento in corso...</translation>
    </message>
    <message>
        <source>Confronta con file...</source>
        <translation>Confronta con file...</translation>
    </message>
    <message>
        <source>Confronta con la centralina</source>
        <translation>Confronta con la centralina</translation>
    </message>
    <message>
        <source>Copia valori</source>
        <translation>Copia valori</translation>
    </message>
    <message>
        <source>Dati dal vivo</source>
        <translation>&amp;Dati dal vivo</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento</source>
        <translation>Diagnosi del collegamento</translation>
    </message>
    <message>
        <source>Diminuisci di uno</source>
        <translation>Diminuisci di uno</translation>
    </message>
    <message>
        <source>Imposta valore...</source>
        <translation>Imposta valore...</translation>
    </message>
    <message>
        <source>Incolla valori</source>
        <translation>Incolla valori</translation>
    </message>
    <message>
        <source>Interpola</source>
        <translation>Interpola</translation>
    </message>
    <message>
        <source>Leviga</source>
        <translation>Leviga</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Nascondi confronto</source>
        <translation>Nascondi confronto</translation>
    </message>
    <message>
        <source>Registra dati dal vivo</source>
        <translation>Registra dati dal vivo</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Ripristina ultimo backup</source>
        <translation>Ripristina ultimo backup</translation>
    </message>
    <message>
        <source>Scala in percentuale...</source>
        <translation>Scala in percentuale...</translation>
    </message>
    <message>
        <source>Storico giri e sonda</source>
        <translation>Storico giri e sonda</translation>
    </message>
    <message>
        <source>tr(&quot;     Ricerca Porta&quot;)</source>
        <translation>     Cerca Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;About&quot;)</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>tr(&quot;Aggiorna ROM Centralina&quot;)</source>
        <translation>Invia Mappa a Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Attiva/Blocca l&apos;aggiornamento della velocita&apos; e dell&apos;analogica sonda temperatura&quot;)</source>
        <translation>Attiva/Blocca l&apos;aggiornamento dei giri</translation>
    </message>
    <message>
        <source>tr(&quot;Banco OFF&quot;)</source>
        <translation>Banco OFF</translation>
    </message>
    <message>
        <source>tr(&quot;Carica File di Profilo&quot;)</source>
        <translation>Carica Mappa</translation>
    </message>
    <message>
        <source>tr(&quot;Carica Profilo&quot;)</source>
        <translation>Carica Mappa</translation>
    </message>
    <message>
        <source>tr(&quot;Carica la curva profilo da file&quot;) </source>
        <translation>Carica Mappa da file</translation>
    </message>
    <message>
        <source>tr(&quot;Centralina 2 cilindri&quot;)</source>
        <translation>Tervalix per moto a 2 cilindri</translation>
    </message>
    <message>
        <source>tr(&quot;Centralina 4 cilindri&quot;)</source>
        <translation>Tervalix per moto a 4 cilindri</translation>
    </message>
    <message>
        <source>tr(&quot;Cerca Centralina: Ctrl+P&quot;)</source>
        <translation>Cerca Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Cerca la porta seriale ove e&apos; collegata la centralina e ne attiva/disattiva la connessione&quot;)</source>
        <translation>Cerca la connessione con Tervalix e ne attiva/disattiva il link</translation>
    </message>
    <message>
        <source>tr(&quot;Chiude l&apos;applicazione&quot;)</source>
        <translation>Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>tr(&quot;Close&quot;)</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>tr(&quot;Configurazione&quot;)</source>
        <translation>&amp;Configurazione</translation>
    </message>
    <message>
        <source>tr(&quot;Divisore numero di giri&quot;)</source>
        <translation>Fattore di divisione del numero di giri</translation>
    </message>
    <message>
        <source>tr(&quot;Exit program Alt+F4&quot;)</source>
        <translation>Termina programma</translation>
    </message>
    <message>
        <source>tr(&quot;File&quot;)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>tr(&quot;Genera Profilo Piatto&quot;)</source>
        <translation>Genera Mappa Piatta</translation>
    </message>
    <message>
        <source>tr(&quot;Genera un Profilo Piatto&quot;)</source>
        <translation>Genera una Mappa Piatta</translation>
    </message>
    <message>
        <source>tr(&quot;Giri/min&quot;)</source>
        <translation>Giri/min</translation>
    </message>
    <message>
        <source>tr(&quot;Imposta/Rimuove Modalita&apos; Banco di Prova&quot;)</source>
        <translation>Imposta/Rimuove la Modalità Banco Prova</translation>
    </message>
    <message>
        <source>tr(&quot;Inglese&quot;)</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>tr(&quot;Invia la curva profilo alla centralina&quot;)</source>
        <translation>Invia la mappa alla Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Italiano&quot;)</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>tr(&quot;K Iniezione&quot;)</source>
        <translation>Divisore n.Giri</translation>
    </message>
    <message>
        <source>tr(&quot;Legge la curva profilo dalla centralina&quot;)</source>
        <translation>Legge la mappa iniezione da Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Leggi ROM Centralina&quot;)</source>
        <translation>Leggi Mappa da Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Link OFF&quot;)</source>
        <translation>Monitor n.ro giri</translation>
    </message>
    <message>
        <source>tr(&quot;Livello Sensore&quot;)</source>
        <translation>Analog. Sonda</translation>
    </message>
    <message>
        <source>tr(&quot;Modo Esperto&quot;)</source>
        <translation>Modo Esperto</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Cursore&quot;)</source>
        <translation>M&amp;uovi Cursore</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Destra: Ctrl+Right&quot;)</source>
        <translation>Muovi Destra</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Giù: Ctrl+Dn&quot;)</source>
        <translation>Muovi Giù</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Sinistra: Ctrl+Left&quot;)</source>
        <translation>Muovi Sinistra</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Sù: Ctrl+Up&quot;)</source>
        <translation>Muovi Sù</translation>
    </message>
    <message>
        <source>tr(&quot;Profilo Piatto&quot;)</source>
        <translation>Val. Mappa Piatta</translation>
    </message>
    <message>
        <source>tr(&quot;Profilo utilizzato&quot;)</source>
        <translation>Mappa utilizzata</translation>
    </message>
    <message>
        <source>tr(&quot;Salva File di Profilo&quot;)</source>
        <translation>Salva Mappa</translation>
    </message>
    <message>
        <source>tr(&quot;Salva Profilo&quot;)</source>
        <translation>Salva Mappa</translation>
    </message>
    <message>
        <source>tr(&quot;Salva la curva profilo su file&quot;)</source>
        <translation>Salva Mappa in uso su file</translation>
    </message>
    <message>
        <source>tr(&quot;Seleziona Centralina&quot;)</source>
        <translation>Seleziona versione &amp;Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Seleziona Lingua&quot;)</source>
        <translation>Seleziona &amp;Lingua</translation>
    </message>
    <message>
        <source>tr(&quot;Valore analogico sonda temperatura&quot;)</source>
        <translation>Valore analogico della sonda temperatura</translation>
    </message>
    <message>
        <source>tr(&quot;Valore del profilo piatto&quot;)</source>
        <translation>Valore per la Mappa Piatta</translation>
    </message>
    <message>
        <source>tr(&quot;Virtual Port&quot;)</source>
        <translation>Porta Virtuale</translation>
    </message>
</context>
<context>
    <name>frmRicercaPorta</name>
    <message>
        <source>Altra porta (es. /dev/pts/3), Invio</source>
        <translation>Altra porta (es. /dev/pts/3), Invio</translation>
    </message>
    <message>
        <source>Ricerca della centralina USB...</source>
        <translation>Ricerca della centralina USB...</translation>
    </message>
    <message>
        <source>tr(&quot;Chiudi&quot;)</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>tr(&quot;Porte rilevate nel sistema&quot;)</source>
        <translation>Porte seriali rilevate nel sistema</translation>
    </message>
    <message>
        <source>tr(&quot;Ricerca porta di collegamento con la centralina&quot;)</source>
        <translation>Cerca Tervalix</translation>
    </message>
</context>
</TS>
