<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>BackupStore</name>
    <message>
        <source>impossibile creare la cartella %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>CMsg</name>
    <message>
        <source>%1 Giri/min</source>
        <translation>%1 RPM</translation>
    </message>
    <message>
        <source>&lt;Nessun profilo&gt;</source>
        <translation>&lt;No profile loaded&gt;</translation>
    </message>
    <message>
        <source>&lt;Nessuna&gt;</source>
        <translation>&lt;None&gt;</translation>
    </message>
    <message>
        <source>&lt;Selezionare una porta&gt;</source>
        <translation>&lt;Choose a port&gt;</translation>
    </message>
    <message>
        <source>Aggiornamento FLASH</source>
        <translation> Updating profile on Tervalix</translation>
    </message>
    <message>
        <source>Banco OFF</source>
        <translation>Test Mode OFF</translation>
    </message>
    <message>
        <source>Banco ON</source>
        <translation>Test Mode ON</translation>
    </message>
    <message>
        <source>Curva iniezione</source>
        <translation>Injection Plot</translation>
    </message>
    <message>
        <source>Errore di comunicazione con la scheda</source>
        <translation>Failure to communicate with Tervalix</translation>
    </message>
    <message>
        <source>Giri al Minuto</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Lettura FLASH</source>
        <translation>Reading profile from Tervalix</translation>
    </message>
    <message>
        <source>Link OFF</source>
        <translation>RPM Monitor</translation>
    </message>
    <message>
        <source>Link ON</source>
        <translation>RPM Monitor</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Scheda non trovata</source>
        <translation>Tervalix not found</translation>
    </message>
    <message>
        <source>Scheda trovata</source>
        <translation>Tervalix found</translation>
    </message>
</context>
<context>
    <name>CanvasPicker</name>
    <message>
        <source>Trascinamento punto %1</source>
        <translation>Drag point %1</translation>
    </message>
</context>
<context>
    <name>ConnectionDoctor</name>
    <message>
        <source>%1 (proprietario %2, gruppo %3, permessi %4%5)</source>
        <translation>%1 (owner %2, group %3, permissions %4%5)</translation>
    </message>
    <message>
        <source>%1 lascia un file di blocco di un Tervalix chiuso (processo %2); verrà ripreso al prossimo collegamento.</source>
        <translation>%1 is a lock file left by a Tervalix that has closed (process %2); it will be taken over at the next connection.</translation>
    </message>
    <message>
        <source>%1 non è accessibile all&apos;utente %2.</source>
        <translation>%1 is not accessible to user %2.</translation>
    </message>
    <message>
        <source>%1 non è accessibile all&apos;utente %2: solo root può aprirla.</source>
        <translation>%1 is not accessible to user %2: only root can open it.</translation>
    </message>
    <message>
        <source>%1 non è leggibile e scrivibile dall&apos;utente %2.</source>
        <translation>%1 cannot be read and written by user %2.</translation>
    </message>
    <message>
        <source>%1 è accessibile all&apos;utente %2.</source>
        <translation>%1 is accessible to user %2.</translation>
    </message>
    <message>
        <source>%1 è accessibile: l&apos;utente %2 fa parte del gruppo %3.</source>
        <translation>%1 is accessible: user %2 is in group %3.</translation>
    </message>
    <message>
        <source>%1 è aperto da %2 (processo %3): chiudi quel programma.</source>
        <translation>%1 is open in %2 (process %3): close that program.</translation>
    </message>
    <message>
        <source>%1 è aperto da questo Tervalix.</source>
        <translation>%1 is open in this Tervalix.</translation>
    </message>
    <message>
        <source>%1 è collegato a un altro Tervalix (processo %2, %3): usa quella finestra o chiudila.</source>
        <translation>%1 is linked to another Tervalix (process %2, %3): use that window or close it.</translation>
    </message>
    <message>
        <source>%1 è leggibile e scrivibile dall&apos;utente %2.</source>
        <translation>%1 can be read and written by user %2.</translation>
    </message>
    <message>
        <source>%1 è riservato da %2 (processo %3) con il file %4: chiudi quel programma.</source>
        <translation>%1 is locked by %2 (process %3) with the file %4: close that program.</translation>
    </message>
    <message>
        <source>%1 è riservato da questo Tervalix (%2).</source>
        <translation>%1 is locked by this Tervalix (%2).</translation>
    </message>
    <message>
        <source>AVVISO</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Centralina USB</source>
        <translation>USB ECU</translation>
    </message>
    <message>
        <source>Collegamento attuale</source>
        <translation>Current link</translation>
    </message>
    <message>
        <source>Diagnosi</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento di Tervalix</source>
        <translation>Tervalix connection diagnosis</translation>
    </message>
    <message>
        <source>Esito: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 ma non indica alcun processo: è rimasto da un programma chiuso, e alcuni programmi non apriranno la porta finché c&apos;è.</source>
        <translation>The file %1 reserves %2 but names no process: it was left by a program that has closed, and some programs will not open the port while it is there.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3 (%4), ma non si vede se quel processo ha la porta aperta: il numero può essere passato a un altro programma.</source>
        <translation>The file %1 reserves %2 for process %3 (%4), but whether that process has the port open cannot be seen: the number may have passed to another program.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3, che non esiste più: alcuni programmi non apriranno la porta finché c&apos;è.</source>
        <translation>The file %1 locks %2 for process %3, which no longer exists: some programs will not open the port while it is there.</translation>
    </message>
    <message>
        <source>Il file %1 riserva %2 per il processo %3, ma quel processo (%4) non ha la porta aperta: il file è rimasto da un programma chiuso.</source>
        <translation>The file %1 reserves %2 for process %3, but that process (%4) does not have the port open: the file was left by a program that has closed.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 %2: nessun Tervalix può collegarsi a %3 finché c&apos;è.</source>
        <translation>The lock file %1 %2: no Tervalix can connect to %3 while it is there.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 di %2 non è un file di blocco (%3): la porta non si apre finché c&apos;è.</source>
        <translation>The lock file %1 of %2 is not a lock file (%3): the port does not open while it is there.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 di %2 è tenuto da un programma che non è un Tervalix riconoscibile: chiudilo.</source>
        <translation>The lock file %1 of %2 is held by a program that cannot be recognised as a Tervalix: close it.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 non è valido (non indica alcun processo) e nessuno lo tiene; verrà ripreso al prossimo collegamento.</source>
        <translation>The lock file %1 is not valid (it names no process) and nobody holds it; it will be taken over at the next connection.</translation>
    </message>
    <message>
        <source>Il file di blocco %1 è rimasto da un programma chiuso, ma è di un altro utente e Tervalix non lo può togliere: %2 resta bloccato finché c&apos;è.</source>
        <translation>The lock file %1 was left by a program that has closed, but it belongs to another user and Tervalix cannot remove it: %2 stays blocked while it is there.</translation>
    </message>
    <message>
        <source>Il kernel ha creato %1 ma il file non è in /dev.</source>
        <translation>The kernel created %1 but the file is not in /dev.</translation>
    </message>
    <message>
        <source>Il programma è collegato ora alla centralina su %1 (%2).</source>
        <translation>The program is linked to the ECU on %1 now (%2).</translation>
    </message>
    <message>
        <source>La centralina (USB 04D8:0080) è collegata; il suo nodo è %1.</source>
        <translation>The ECU (USB 04D8:0080) is plugged in; its device node is %1.</translation>
    </message>
    <message>
        <source>La centralina USB a cui il programma è collegato non ha un nodo nel sistema: è quella simulata (TERVALIX_SIMULATOR=hid).</source>
        <translation>The USB ECU the program is linked to has no node in the system: it is the simulated one (TERVALIX_SIMULATOR=hid).</translation>
    </message>
    <message>
        <source>La centralina non è collegata direttamente al USB; se usi un adattatore seriale, guarda le porte seriali qui sotto.</source>
        <translation>The ECU is not plugged straight into USB; if you use a serial adapter, see the serial ports below.</translation>
    </message>
    <message>
        <source>La centralina è sul bus USB ma il sistema non le ha dato un nodo hidraw: scollegala e ricollegala; se non basta, il kernel non ha il supporto hidraw.</source>
        <translation>The ECU is on the USB bus but the system has not given it a hidraw node: unplug it and plug it back in; if that does not help, the kernel lacks hidraw support.</translation>
    </message>
    <message>
        <source>La diagnosi del collegamento è disponibile solo su Linux.</source>
        <translation>The connection diagnosis is only available on Linux.</translation>
    </message>
    <message>
        <source>La regola %1 non è installata: senza di essa solo root può aprire la centralina USB.</source>
        <translation>The rule %1 is not installed: without it only root can open the USB ECU.</translation>
    </message>
    <message>
        <source>La regola %1 non è stata applicata: ricaricala, oppure scollega e ricollega la centralina.</source>
        <translation>The rule %1 has not been applied: reload it, or unplug the ECU and plug it back in.</translation>
    </message>
    <message>
        <source>La regola udev di Tervalix non è installata.</source>
        <translation>The Tervalix udev rule is not installed.</translation>
    </message>
    <message>
        <source>La regola è installata in %1, ma il gruppo plugdev che nomina non esiste: solo chi siede al computer può aprire la centralina.</source>
        <translation>The rule is installed in %1, but the plugdev group it names does not exist: only the user sitting at the computer can open the ECU.</translation>
    </message>
    <message>
        <source>La regola è installata in %1.</source>
        <translation>The rule is installed in %1.</translation>
    </message>
    <message>
        <source>ModemManager non è installato.</source>
        <translation>ModemManager is not installed.</translation>
    </message>
    <message>
        <source>ModemManager è in esecuzione: interroga ogni nuovo adattatore seriale USB e può occupare la porta o disturbare la centralina.</source>
        <translation>ModemManager is running: it probes every new USB serial adapter and can hold the port or disturb the ECU.</translation>
    </message>
    <message>
        <source>ModemManager è installato (%1) ma non è in esecuzione.</source>
        <translation>ModemManager is installed (%1) but not running.</translation>
    </message>
    <message>
        <source>Nessun altro programma tiene aperta una porta o la centralina.</source>
        <translation>No other program holds a port or the ECU open.</translation>
    </message>
    <message>
        <source>Nessun nodo da controllare: la centralina USB non è collegata.</source>
        <translation>No node to check: the USB ECU is not plugged in.</translation>
    </message>
    <message>
        <source>Nessun problema bloccante; avvisi da controllare: %1.</source>
        <translation>No blocking problems; warnings to check: %1.</translation>
    </message>
    <message>
        <source>Nessun problema trovato nel collegamento.</source>
        <translation>No problems found with the connection.</translation>
    </message>
    <message>
        <source>Nessun programma tiene aperta una porta o la centralina (i programmi di altri utenti si vedono solo da root: %1).</source>
        <translation>No program holds a port or the ECU open (other users&apos; programs are visible only to root: %1).</translation>
    </message>
    <message>
        <source>Nessuna porta seriale trovata.</source>
        <translation>No serial port found.</translation>
    </message>
    <message>
        <source>Nessuna variabile del simulatore è impostata.</source>
        <translation>No simulator variable is set.</translation>
    </message>
    <message>
        <source>Non fai parte del gruppo %1; dopo il comando esci dalla sessione e rientra.</source>
        <translation>You are not in group %1; after the command, log out and log back in.</translation>
    </message>
    <message>
        <source>Non risultano collegati né la centralina USB (04D8:0080) né un adattatore seriale USB: controlla il cavo e che la centralina sia alimentata.</source>
        <translation>Neither the USB ECU (04D8:0080) nor a USB serial adapter is plugged in: check the cable and that the ECU is powered.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>PROBLEMA</source>
        <translation>PROBLEM</translation>
    </message>
    <message>
        <source>Per un adattatore seriale servirà il gruppo dialout.</source>
        <translation>A serial adapter will need the dialout group.</translation>
    </message>
    <message>
        <source>Permessi della centralina USB</source>
        <translation>USB ECU permissions</translation>
    </message>
    <message>
        <source>Porta in uso: %1</source>
        <translation>Port in use: %1</translation>
    </message>
    <message>
        <source>Porta seriale %1</source>
        <translation>Serial port %1</translation>
    </message>
    <message>
        <source>Porte in uso</source>
        <translation>Ports in use</translation>
    </message>
    <message>
        <source>Porte seriali</source>
        <translation>Serial ports</translation>
    </message>
    <message>
        <source>Problemi che possono impedire il collegamento: %1; avvisi: %2. Applica i rimedi indicati.</source>
        <translation>Problems that can prevent the connection: %1; warnings: %2. Apply the fixes shown.</translation>
    </message>
    <message>
        <source>Regola udev</source>
        <translation>udev rule</translation>
    </message>
    <message>
        <source>Rimedio: %1</source>
        <translation>Fix: %1</translation>
    </message>
    <message>
        <source>Sei già nel gruppo %1, ma questa sessione è stata aperta prima dell&apos;iscrizione: esci dalla sessione e rientra.</source>
        <translation>You are already in group %1, but this session was opened before you joined it: log out and log back in.</translation>
    </message>
    <message>
        <source>Simulatore</source>
        <translation>Simulator</translation>
    </message>
    <message>
        <source>Utente: %1 (uid %2), gruppi: %3.</source>
        <translation>User: %1 (uid %2), groups: %3.</translation>
    </message>
    <message>
        <source>Variabili del simulatore impostate: %1. Con TERVALIX_SIMULATOR la finestra parla con una centralina simulata, non con quella vera.</source>
        <translation>Simulator variables set: %1. With TERVALIX_SIMULATOR the window talks to a simulated ECU, not the real one.</translation>
    </message>
    <message>
        <source>brltty non è installato.</source>
        <translation>brltty is not installed.</translation>
    </message>
    <message>
        <source>brltty è in esecuzione: si prende gli adattatori seriali USB più comuni e la loro porta sparisce. Se non usi un display braille, rimuovilo.</source>
        <translation>brltty is running: it grabs the most common USB serial adapters and their port disappears. If you do not use a braille display, remove it.</translation>
    </message>
    <message>
        <source>brltty è installato (%1): quando colleghi un adattatore seriale USB può prenderselo e farne sparire la porta. Se non usi un display braille, rimuovilo.</source>
        <translation>brltty is installed (%1): when you plug in a USB serial adapter it may grab it and make its port disappear. If you do not use a braille display, remove it.</translation>
    </message>
    <message>
        <source>troppo grande</source>
        <translation>too large</translation>
    </message>
</context>
<context>
    <name>CurveGuard</name>
    <message>
        <source>Curva modificata</source>
        <translation>Curve Modified</translation>
    </message>
    <message>
        <source>La curva contiene modifiche non salvate. Salvarle prima?</source>
        <translation>The curve has unsaved changes. Save them first?</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Profiles (*.prf)</translation>
    </message>
    <message>
        <source>Salva File di Profilo</source>
        <translation>Save profile</translation>
    </message>
    <message>
        <source>profilo_%1.prf</source>
        <translation>profile_%1.prf</translation>
    </message>
</context>
<context>
    <name>CurveModel</name>
    <message>
        <source>Confronto</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Modifica punto %1</source>
        <translation>Edit point %1</translation>
    </message>
    <message>
        <source>Valore</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>CurveOps</name>
    <message>
        <source>&quot;%1&quot; non è un numero</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>nessun numero da incollare</source>
        <translation>no numbers to paste</translation>
    </message>
</context>
<context>
    <name>DataLog</name>
    <message>
        <source>impossibile creare %1: %2</source>
        <translation>cannot create %1: %2</translation>
    </message>
    <message>
        <source>impossibile scrivere %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceLock</name>
    <message>
        <source>il file di blocco %1 %2; toglilo: %3</source>
        <translation>the lock file %1 %2; remove it: %3</translation>
    </message>
    <message>
        <source>il file di blocco %1 è rimasto da un programma chiuso ma non si può togliere (%2); toglilo: %3</source>
        <translation>the lock file %1 was left by a program that has closed but cannot be removed (%2); remove it: %3</translation>
    </message>
    <message>
        <source>impossibile creare il file di blocco %1 (%2)</source>
        <translation>cannot create the lock file %1 (%2)</translation>
    </message>
    <message>
        <source>in uso da %1 (processo %2)</source>
        <translation>in use by %1 (process %2)</translation>
    </message>
    <message>
        <source>in uso da un altro programma</source>
        <translation>in use by another program</translation>
    </message>
</context>
<context>
    <name>EcuLink</name>
    <message>
        <source>dispositivo scollegato</source>
        <translation>device unplugged</translation>
    </message>
    <message>
        <source>errore di lettura</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>porta chiusa dal sistema</source>
        <translation>port closed by the system</translation>
    </message>
</context>
<context>
    <name>EcuSession</name>
    <message>
        <source>la centralina non risponde più</source>
        <translation>the ECU no longer answers</translation>
    </message>
    <message>
        <source>nessuna centralina USB collegata</source>
        <translation>no USB ECU plugged in</translation>
    </message>
    <message>
        <source>nessuna risposta</source>
        <translation>no reply</translation>
    </message>
    <message>
        <source>risposta non riconosciuta</source>
        <translation>unrecognised reply</translation>
    </message>
</context>
<context>
    <name>EditPanel</name>
    <message>
        <source>%1 valori incollati portati entro i limiti (da %2 a %3)</source>
        <translation>%1 pasted values brought within the limits (%2 to %3)</translation>
    </message>
    <message>
        <source>%1 è fuori dall&apos;intervallo da %2 a %3: usato %4</source>
        <translation>%1 is outside the range %2 to %3: %4 used</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Annulla: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Centralina</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>Confronta con file...</source>
        <translation>Compare with File...</translation>
    </message>
    <message>
        <source>Curva</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Impossibile incollare: %1 valori dal punto %2 superano l&apos;ultimo punto (40).</source>
        <translation>Cannot paste: %1 values from point %2 go past the last point (40).</translation>
    </message>
    <message>
        <source>Impossibile incollare: %1.</source>
        <translation>Cannot paste: %1.</translation>
    </message>
    <message>
        <source>Impossibile incollare: gli appunti contengono %1 caratteri, troppi per una curva.</source>
        <translation>Cannot paste: the clipboard holds %1 characters, too many for a curve.</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Incolla valori</source>
        <translation>Paste Values</translation>
    </message>
    <message>
        <source>Percentuale (100 = invariato)</source>
        <translation>Percentage (100 = unchanged)</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Profiles (*.prf)</translation>
    </message>
    <message>
        <source>Punto %1: &quot;%2&quot; non è un numero; il valore resta com&apos;era</source>
        <translation>Point %1: &quot;%2&quot; is not a number; the value stays as it was</translation>
    </message>
    <message>
        <source>Punto %1: %2 è fuori dai limiti della centralina, portato a %3</source>
        <translation>Point %1: %2 is beyond the ECU&apos;s limits, set to %3</translation>
    </message>
    <message>
        <source>Quantità da aggiungere (anche negativa)</source>
        <translation>Amount to add (may be negative)</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripeti: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Valore (da %1 a %2)</source>
        <translation>Value (%1 to %2)</translation>
    </message>
</context>
<context>
    <name>HidLink</name>
    <message>
        <source>La centralina USB non si può riservare: %1</source>
        <translation>The USB ECU cannot be reserved: %1</translation>
    </message>
    <message>
        <source>La centralina USB è occupata: %1</source>
        <translation>The USB ECU is busy: %1</translation>
    </message>
    <message>
        <source>Nessuna centralina USB collegata</source>
        <translation>No USB ECU plugged in</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 rpm)</translation>
    </message>
    <message>
        <source>%1 punti cambiati, il più grande %2 a %3 giri/min</source>
        <translation>%1 points changed, largest %2 at %3 rpm</translation>
    </message>
    <message>
        <source>%1 punti più magri di %2 o più: %3</source>
        <translation>%1 points leaner by %2 or more: %3</translation>
    </message>
    <message>
        <source>1 punto cambiato, %1 a %2 giri/min</source>
        <translation>1 point changed, %1 at %2 rpm</translation>
    </message>
    <message>
        <source>1 punto più magro di %1 o più: %2</source>
        <translation>1 point leaner by %1 or more: %2</translation>
    </message>
    <message>
        <source>C&apos;è già una moto di nome %1</source>
        <translation>There is a bike named %1 already</translation>
    </message>
    <message>
        <source>Il registro delle moto %1 è illeggibile (%2): non viene toccato finché non è sistemato</source>
        <translation>The bike register %1 cannot be read (%2): it is left alone until it is repaired</translation>
    </message>
    <message>
        <source>Impossibile aggiornare la scheda %1: %2</source>
        <translation>Cannot update the record %1: %2</translation>
    </message>
    <message>
        <source>Impossibile creare la cartella %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>Impossibile salvare il registro delle moto %1: %2</source>
        <translation>Cannot save the bike register %1: %2</translation>
    </message>
    <message>
        <source>Impossibile salvare la voce %1: %2</source>
        <translation>Cannot save the entry %1: %2</translation>
    </message>
    <message>
        <source>K da %1 a %2</source>
        <translation>K from %1 to %2</translation>
    </message>
    <message>
        <source>K invariato</source>
        <translation>K unchanged</translation>
    </message>
    <message>
        <source>La moto vuole un nome</source>
        <translation>The bike needs a name</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): non viene modificata</source>
        <translation>Entry %1 is damaged (%2): it is not changed</translation>
    </message>
    <message>
        <source>Moto sconosciuta: %1</source>
        <translation>Unknown bike: %1</translation>
    </message>
    <message>
        <source>Nessun numero libero nella cartella %1</source>
        <translation>No free number in the folder %1</translation>
    </message>
    <message>
        <source>Nessuna voce %1 nella cronologia</source>
        <translation>No entry %1 in the history</translation>
    </message>
    <message>
        <source>Nessuna voce della cronologia per quello che la centralina contiene ora</source>
        <translation>No history entry for what the ECU holds now</translation>
    </message>
    <message>
        <source>Questa centralina non è quella che la cronologia della moto conosce.</source>
        <translation>This ECU is not the one the bike&apos;s history knows.</translation>
    </message>
    <message>
        <source>copia di sicurezza</source>
        <translation>backup</translation>
    </message>
    <message>
        <source>data mancante o non valida</source>
        <translation>date missing or invalid</translation>
    </message>
    <message>
        <source>il profilo non corrisponde alla sua impronta SHA-256: è stato cambiato dopo</source>
        <translation>the profile does not match its SHA-256 hash: it was changed afterwards</translation>
    </message>
    <message>
        <source>impronta SHA-256 mancante</source>
        <translation>SHA-256 hash missing</translation>
    </message>
    <message>
        <source>lettura</source>
        <translation>read</translation>
    </message>
    <message>
        <source>nessun punto cambiato</source>
        <translation>no point changed</translation>
    </message>
    <message>
        <source>origine mancante o sconosciuta</source>
        <translation>origin missing or unknown</translation>
    </message>
    <message>
        <source>profilo illeggibile: %1</source>
        <translation>profile unreadable: %1</translation>
    </message>
    <message>
        <source>profilo mancante</source>
        <translation>profile missing</translation>
    </message>
    <message>
        <source>profilo troncato o di troppo: %1 byte invece di %2</source>
        <translation>profile cut short or too long: %1 bytes instead of %2</translation>
    </message>
    <message>
        <source>ripristino</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>scheda (.json) illeggibile: %1</source>
        <translation>record (.json) unreadable: %1</translation>
    </message>
    <message>
        <source>scheda (.json) mancante: l&apos;impronta del profilo non si può controllare</source>
        <translation>record (.json) missing: the profile&apos;s hash cannot be checked</translation>
    </message>
    <message>
        <source>scheda (.json) non valida: %1</source>
        <translation>record (.json) invalid: %1</translation>
    </message>
    <message>
        <source>scrittura</source>
        <translation>write</translation>
    </message>
    <message>
        <source>%1 è il nome della cartella della moto %2</source>
        <translation>%1 is the name of bike %2&apos;s folder</translation>
    </message>
</context>
<context>
    <name>HistoryPanel</name>
    <message numerus="yes">
        <source>%n stati della centralina aspettano la moto.</source>
        <translation>
            <numerusform>%n state of the ECU waits for the bike.</numerusform>
            <numerusform>%n states of the ECU wait for the bike.</numerusform>
        </translation>
    </message>
    <message>
        <source>Analisi allegata alla voce %1 della cronologia, che era nella centralina durante i log.</source>
        <translation>Analysis attached to history entry %1, which was on the ECU during the logs.</translation>
    </message>
    <message>
        <source>Analisi non allegata alla cronologia: %1</source>
        <translation>Analysis not attached to the history: %1</translation>
    </message>
    <message>
        <source>Backup %1</source>
        <translation>Backup %1</translation>
    </message>
    <message>
        <source>Centralina assegnata a %1: le sue letture e scritture entrano nella cronologia.</source>
        <translation>ECU assigned to %1: its reads and writes go into the history.</translation>
    </message>
    <message>
        <source>Cronologia della moto...</source>
        <translation>Bike history...</translation>
    </message>
    <message>
        <source>Cronologia non aggiornata: %1</source>
        <translation>History not updated: %1</translation>
    </message>
    <message>
        <source>Di quale moto è questa centralina (%1)? Scegline una o scrivi il nome di una nuova:</source>
        <translation>Which bike is this ECU (%1) on? Choose one or type the name of a new one:</translation>
    </message>
    <message>
        <source>Di quale moto è questa centralina? Finché non lo dici, la cronologia aspetta.</source>
        <translation>Which bike is this ECU on? Until you say, the history waits.</translation>
    </message>
    <message>
        <source>K = %1 della voce è fuori dall&apos;intervallo da %2 a %3: K resta %4.</source>
        <translation>The entry&apos;s K = %1 is outside the range %2 to %3: K stays %4.</translation>
    </message>
    <message>
        <source>La centralina non è stata assegnata a %1: %2</source>
        <translation>The ECU was not assigned to %1: %2</translation>
    </message>
    <message>
        <source>La moto %1 ha già un&apos;altra centralina. Questa (%2) è una seconda centralina della stessa moto?</source>
        <translation>The bike %1 already has another ECU. Is this one (%2) a second ECU of the same bike?</translation>
    </message>
    <message>
        <source>La moto %1 non è stata aggiunta: %2</source>
        <translation>The bike %1 was not added: %2</translation>
    </message>
    <message>
        <source>Moto della centralina</source>
        <translation>Bike of this ECU</translation>
    </message>
    <message>
        <source>Moto della centralina...</source>
        <translation>Bike of this ECU...</translation>
    </message>
    <message>
        <source>Moto: %1</source>
        <translation>Bike: %1</translation>
    </message>
    <message>
        <source>Moto: forse %1?</source>
        <translation>Bike: perhaps %1?</translation>
    </message>
    <message>
        <source>Moto: nessuna (dare un nome...)</source>
        <translation>Bike: none (name it...)</translation>
    </message>
    <message>
        <source>Ogni lettura riuscita e ogni scrittura verificata entra nella cronologia di questa moto.</source>
        <translation>Every successful read and every verified write goes into this bike&apos;s history.</translation>
    </message>
    <message>
        <source>Punti della voce %1</source>
        <translation>Points of entry %1</translation>
    </message>
    <message>
        <source>Registrazione non allegata alla cronologia: %1</source>
        <translation>Recording not attached to the history: %1</translation>
    </message>
    <message>
        <source>Voce %1</source>
        <translation>Entry %1</translation>
    </message>
    <message>
        <source>Voce %1 della cronologia</source>
        <translation>History entry %1</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>%1 non è un elenco di punti da 0 a %2 (per esempio 20-30, 35, K).</source>
        <translation>%1 is not a list of points from 0 to %2 (for example 20-30, 35, K).</translation>
    </message>
    <message>
        <source>%1, numero di serie %2</source>
        <translation>%1, serial number %2</translation>
    </message>
    <message numerus="yes">
        <source>%n punti, al più %1</source>
        <translation>
            <numerusform>%n point, at most %1</numerusform>
            <numerusform>%n points, at most %1</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Etichette:</source>
        <translation>&amp;Tags:</translation>
    </message>
    <message>
        <source>&amp;Moto:</source>
        <translation>&amp;Bike:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Notes:</translation>
    </message>
    <message>
        <source>&amp;Ripristina nella centralina</source>
        <translation>&amp;Restore into the ECU</translation>
    </message>
    <message>
        <source>&amp;Salva le note</source>
        <translation>&amp;Save notes</translation>
    </message>
    <message>
        <source>Allegato (%1): %2</source>
        <translation>Attachment (%1): %2</translation>
    </message>
    <message>
        <source>Allegato (%1): %2, spostato o cambiato da allora</source>
        <translation>Attachment (%1): %2, moved or changed since</translation>
    </message>
    <message>
        <source>C&amp;ondizioni:</source>
        <translation>C&amp;onditions:</translation>
    </message>
    <message>
        <source>Cambi</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Carica alcuni &amp;punti...</source>
        <translation>Load some po&amp;ints...</translation>
    </message>
    <message>
        <source>Carica alcuni punti</source>
        <translation>Load some points</translation>
    </message>
    <message>
        <source>Carica la voce nell&apos;editor e la scrive nella centralina, con il backup e la verifica di sempre</source>
        <translation>Loads the entry into the editor and writes it into the ECU, with the usual backup and verification</translation>
    </message>
    <message>
        <source>Carica nell&apos;e&amp;ditor</source>
        <translation>Load into the &amp;editor</translation>
    </message>
    <message>
        <source>Caricarla nell&apos;editor cambia: %1</source>
        <translation>Loading it into the editor changes: %1</translation>
    </message>
    <message>
        <source>Centralina</source>
        <translation>ECU</translation>
    </message>
    <message>
        <source>Centralina: %1</source>
        <translation>ECU: %1</translation>
    </message>
    <message>
        <source>Copie di sicurezza (tutte le moto)</source>
        <translation>Backups (all bikes)</translation>
    </message>
    <message>
        <source>Cronologia della moto</source>
        <translation>Bike history</translation>
    </message>
    <message>
        <source>Curva e K della voce nell&apos;editor (un passo da annullare): la curva raggiunge la centralina quando scrivi, K subito, come per un profilo</source>
        <translation>The entry&apos;s curve and K into the editor (one undo step): the curve reaches the ECU when you write, K at once, as with a profile</translation>
    </message>
    <message>
        <source>Dalla voce %1 alla voce %2: %3</source>
        <translation>From entry %1 to entry %2: %3</translation>
    </message>
    <message>
        <source>Danneggiata: %1. Non si carica né si ripristina.</source>
        <translation>Damaged: %1. It is neither loaded nor restored.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Differenza</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Dopo</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Il confronto usa un profilo danneggiato: può non valere.</source>
        <translation>The comparison uses a damaged profile: it may not hold.</translation>
    </message>
    <message>
        <source>La voce come curva di confronto sopra quella dell&apos;editor</source>
        <translation>The entry as the comparison curve over the editor&apos;s</translation>
    </message>
    <message>
        <source>Le note della voce %1 non sono state salvate: %2</source>
        <translation>The notes of entry %1 were not saved: %2</translation>
    </message>
    <message>
        <source>Mostra sul &amp;grafico</source>
        <translation>Show on the &amp;plot</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nessuna voce: ogni lettura riuscita e ogni scrittura verificata di questa moto ne aggiunge una.</source>
        <translation>No entries: every successful read and every verified write of this bike adds one.</translation>
    </message>
    <message>
        <source>Non verificata: una parte (K) era nota solo da prima.</source>
        <translation>Unverified: part of it (K) was only known from before.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Origine</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>Prima</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Punti cambiati rispetto alla voce precedente</source>
        <translation>Points changed against the entry before</translation>
    </message>
    <message>
        <source>Punti della voce %1 da caricare nell&apos;editor (per esempio 20-30, 35, K):</source>
        <translation>Points of entry %1 to load into the editor (for example 20-30, 35, K):</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Uguale alla curva nell&apos;editor.</source>
        <translation>Equal to the curve in the editor.</translation>
    </message>
    <message>
        <source>Una delle due voci non ha un profilo leggibile: nessun confronto.</source>
        <translation>One of the two entries has no readable profile: no comparison.</translation>
    </message>
    <message>
        <source>Viene dalla voce %1</source>
        <translation>Comes from entry %1</translation>
    </message>
    <message>
        <source>Voce %1, %2, %3</source>
        <translation>Entry %1, %2, %3</translation>
    </message>
    <message>
        <source>danneggiata: %1</source>
        <translation>damaged: %1</translation>
    </message>
    <message>
        <source>dinamometro, pioggia</source>
        <translation>dyno, rain</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>non verificata</source>
        <translation>unverified</translation>
    </message>
    <message>
        <source>scarico=aperto, benzina=98</source>
        <translation>exhaust=open, fuel=98</translation>
    </message>
    <message>
        <source>solo K</source>
        <translation>K only</translation>
    </message>
    <message>
        <source>sulla centralina</source>
        <translation>on the ECU</translation>
    </message>
    <message>
        <source>sulla centralina; %1</source>
        <translation>on the ECU; %1</translation>
    </message>
    <message numerus="yes">
        <source>vista %n volte</source>
        <translation>
            <numerusform>seen %n time</numerusform>
            <numerusform>seen %n times</numerusform>
        </translation>
    </message>
    <message>
        <source>R&amp;inomina la moto...</source>
        <translation>Rena&amp;me the bike...</translation>
    </message>
    <message>
        <source>Rinomina la moto</source>
        <translation>Rename the bike</translation>
    </message>
    <message>
        <source>Nuovo nome di %1:</source>
        <translation>New name for %1:</translation>
    </message>
</context>
<context>
    <name>LinkPanel</name>
    <message>
        <source>Collegamento con la centralina perso: %1.</source>
        <translation>Link to the ECU lost: %1.</translation>
    </message>
    <message>
        <source>Dispositivo collegato</source>
        <translation>Device Plugged In</translation>
    </message>
    <message>
        <source>Dispositivo collegato: %1</source>
        <translation>Device plugged in: %1</translation>
    </message>
    <message>
        <source>Il backup della curva precedente è in %1</source>
        <translation>The backup of the previous curve is in %1</translation>
    </message>
    <message>
        <source>La lettura è stata interrotta.</source>
        <translation>The read was interrupted.</translation>
    </message>
    <message>
        <source>La scrittura è stata interrotta: la centralina può essere scritta solo in parte.</source>
        <translation>The write was interrupted: the ECU may be only partly written.</translation>
    </message>
    <message>
        <source>Linea disturbata: valori dal vivo non affidabili</source>
        <translation>Noisy line: live data not reliable</translation>
    </message>
    <message>
        <source>È stato collegato %1. Cercare la centralina adesso?</source>
        <translation>%1 has been plugged in. Search for the ECU now?</translation>
    </message>
</context>
<context>
    <name>LiveHistory</name>
    <message>
        <source>ADC sonda</source>
        <translation>Probe ADC</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
</context>
<context>
    <name>LivePanel</name>
    <message>
        <source>%1 letture/s, %2 perse</source>
        <translation>%1 readings/s, %2 lost</translation>
    </message>
    <message>
        <source>Ferma registrazione</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>La registrazione non è iniziata: %1.</source>
        <translation>Recording did not start: %1.</translation>
    </message>
    <message>
        <source>Modo Esperto</source>
        <translation>Expert Mode</translation>
    </message>
    <message>
        <source>Password errata: il modo esperto resta spento.</source>
        <translation>Wrong password: expert mode stays off.</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>Registra</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Registra dati dal vivo</source>
        <translation>Record Live Data</translation>
    </message>
    <message>
        <source>Registrazione in %1</source>
        <translation>Recording to %1</translation>
    </message>
    <message>
        <source>Registrazione interrotta: %1. Il collegamento resta attivo.</source>
        <translation>Recording interrupted: %1. The link stays active.</translation>
    </message>
    <message>
        <source>Registrazione salvata: %1 (%2 righe)</source>
        <translation>Recording saved: %1 (%2 lines)</translation>
    </message>
</context>
<context>
    <name>LiveRecorder</name>
    <message>
        <source>impossibile creare la cartella %1</source>
        <translation>cannot create the folder %1</translation>
    </message>
</context>
<context>
    <name>LockFile</name>
    <message>
        <source>il file di blocco %1 %2; toglilo: %3</source>
        <translation>the lock file %1 %2; remove it: %3</translation>
    </message>
    <message>
        <source>il file di blocco %1 è troppo grande per essere un file di blocco; toglilo: %2</source>
        <translation>the lock file %1 is too large to be a lock file; remove it: %2</translation>
    </message>
    <message>
        <source>non si può leggere (%1)</source>
        <translation>cannot be read (%1)</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>è un dispositivo</source>
        <translation>is a device</translation>
    </message>
    <message>
        <source>è un socket</source>
        <translation>is a socket</translation>
    </message>
    <message>
        <source>è una FIFO</source>
        <translation>is a FIFO</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>Mixture</name>
    <message>
        <source>%1 campi, l&apos;intestazione ne ha %2</source>
        <translation>%1 fields, the header has %2</translation>
    </message>
    <message>
        <source>%1 e %2 non si possono allineare: nessuna data e ora comune e nessuna colonna rpm nel registro della sonda; indicare --offset-ms</source>
        <translation>%1 and %2 cannot be aligned: no common date-time and no rpm column in the wideband log; give --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri combaciano a più scostamenti diversi; indicare --offset-ms</source>
        <translation>%1 and %2: the engine speeds match at several different offsets; give --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri non si sovrappongono (correlazione %3); indicare --offset-ms</source>
        <translation>%1 and %2: the engine speeds do not match (correlation %3); give --offset-ms</translation>
    </message>
    <message>
        <source>%1 e %2: i giri non si sovrappongono bene (correlazione %3): valgono data e ora</source>
        <translation>%1 and %2: the engine speeds do not match well (correlation %3): the date-times are used</translation>
    </message>
    <message>
        <source>%1 non cade nel tempo di nessun registro dal vivo: tralasciato</source>
        <translation>%1 falls within no live log&apos;s time: left out</translation>
    </message>
    <message>
        <source>%1 non ha la colonna afr e non è stato indicato un registro della sonda (--wideband)</source>
        <translation>%1 has no afr column and no wideband log was given (--wideband)</translation>
    </message>
    <message>
        <source>%1: l&apos;ultima riga (%2) è tronca ed è stata tralasciata</source>
        <translation>%1: the last line (%2) is cut short and was left out</translation>
    </message>
    <message>
        <source>afr non è un numero: %1</source>
        <translation>afr is not a number: %1</translation>
    </message>
    <message>
        <source>cell_index non è un numero intero: %1</source>
        <translation>cell_index is not a whole number: %1</translation>
    </message>
    <message>
        <source>cell_value non è un valore di cella: %1</source>
        <translation>cell_value is not a cell value: %1</translation>
    </message>
    <message>
        <source>data e ora non valida: %1</source>
        <translation>invalid date-time: %1</translation>
    </message>
    <message>
        <source>elapsed_ms non è un numero intero: %1</source>
        <translation>elapsed_ms is not a whole number: %1</translation>
    </message>
    <message>
        <source>file troppo grande (%1 MB)</source>
        <translation>file too large (%1 MB)</translation>
    </message>
    <message>
        <source>file vuoto</source>
        <translation>empty file</translation>
    </message>
    <message>
        <source>i registri della sonda e quelli dal vivo non hanno ore in comune</source>
        <translation>the wideband logs and the live logs share no time</translation>
    </message>
    <message>
        <source>i registri non dicono il regime massimo: si assume 17000 giri</source>
        <translation>the logs do not tell the top engine speed: 17000 rpm assumed</translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>il guadagno (% di carburante per punto) deve essere positivo: %1</source>
        <translation>the gain (% fuel per point) must be positive: %1</translation>
    </message>
    <message>
        <source>il ritardo della sonda non si ricava bene da questi dati (servono tirate a velocità diverse): stimato %1 ms, intervallo %2–%3 ms; meglio indicarlo</source>
        <translation>these data do not pin down the sensor delay (pulls at different sweep rates are needed): estimated %1 ms, interval %2–%3 ms; better give it</translation>
    </message>
    <message>
        <source>il tempo torna indietro</source>
        <translation>time goes back</translation>
    </message>
    <message>
        <source>il tempo torna indietro (%1 ms dopo %2 ms)</source>
        <translation>time goes back (%1 ms after %2 ms)</translation>
    </message>
    <message>
        <source>impossibile aprire la sonda su %1: %2</source>
        <translation>cannot open the wideband on %1: %2</translation>
    </message>
    <message>
        <source>impossibile leggere: %1</source>
        <translation>cannot read: %1</translation>
    </message>
    <message>
        <source>limiti non validi</source>
        <translation>invalid limits</translation>
    </message>
    <message>
        <source>manca la colonna %1</source>
        <translation>the column %1 is missing</translation>
    </message>
    <message>
        <source>miscela</source>
        <translation>mixture</translation>
    </message>
    <message>
        <source>nessun registro dal vivo</source>
        <translation>no live log</translation>
    </message>
    <message>
        <source>nessuna intestazione con le colonne indicate (%1, %2)</source>
        <translation>no header with the given columns (%1, %2)</translation>
    </message>
    <message>
        <source>nessuna intestazione con una colonna del tempo (time, timestamp, seconds, ms, time_ms) e una della miscela (afr, lambda, λ, o2, wideband)</source>
        <translation>no header with a time column (time, timestamp, seconds, ms, time_ms) and a mixture column (afr, lambda, λ, o2, wideband)</translation>
    </message>
    <message>
        <source>nessuna lettura della miscela</source>
        <translation>no mixture readings</translation>
    </message>
    <message>
        <source>nessuna lettura è servita: vedere gli scarti per motivo</source>
        <translation>no reading could be used: see the rejections by reason</translation>
    </message>
    <message>
        <source>nessuna riga di dati</source>
        <translation>no data lines</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>non è un registro dal vivo di Tervalix: manca la colonna %1</source>
        <translation>not a Tervalix live log: the column %1 is missing</translation>
    </message>
    <message>
        <source>obiettivo fuori dai limiti: lambda %1</source>
        <translation>target out of bounds: lambda %1</translation>
    </message>
    <message>
        <source>rapporto stechiometrico non valido: %1</source>
        <translation>invalid stoichiometric ratio: %1</translation>
    </message>
    <message>
        <source>ritardo non valido: %1 ms</source>
        <translation>invalid delay: %1 ms</translation>
    </message>
    <message>
        <source>rpm non è un numero intero: %1</source>
        <translation>rpm is not a whole number: %1</translation>
    </message>
    <message>
        <source>senza data e ora in entrambi i registri servono tanti registri della sonda quanti registri dal vivo, nello stesso ordine (%1 contro %2)</source>
        <translation>without date-times in both logs, give as many wideband logs as live logs, in the same order (%1 against %2)</translation>
    </message>
    <message>
        <source>servono un obiettivo o %1 obiettivi, non %2</source>
        <translation>one target or %1 targets are needed, not %2</translation>
    </message>
    <message>
        <source>tempo</source>
        <translation>time</translation>
    </message>
    <message>
        <source>tempo non valido: %1</source>
        <translation>invalid time: %1</translation>
    </message>
    <message>
        <source>troppo poche letture per stimare il ritardo della sonda: indicarlo</source>
        <translation>too few readings to estimate the sensor delay: give it</translation>
    </message>
</context>
<context>
    <name>MixturePanel</name>
    <message>
        <source>% per punto</source>
        <translation>% per point</translation>
    </message>
    <message>
        <source>%1 punti cambiati dalla proposta: scrivi la curva nella centralina per usarla.</source>
        <translation>%1 points changed by the proposal: write the curve to the ECU to use it.</translation>
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
        <translation>Accept the chosen points</translation>
    </message>
    <message>
        <source>Accetta tutti i punti</source>
        <translation>Accept all points</translation>
    </message>
    <message>
        <source>Analisi della miscela</source>
        <translation>Mixture analysis</translation>
    </message>
    <message>
        <source>Analisi in corso...</source>
        <translation>Analysing...</translation>
    </message>
    <message>
        <source>Analizza</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Apri log...</source>
        <translation>Open logs...</translation>
    </message>
    <message>
        <source>Errore %</source>
        <translation>Error %</translation>
    </message>
    <message>
        <source>Giri/min</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>Impossibile aprire %1: %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>In uso</source>
        <translation>Applied</translation>
    </message>
    <message>
        <source>Intervallo 95%</source>
        <translation>95% interval</translation>
    </message>
    <message>
        <source>La sonda lambda non risponde più: %1.</source>
        <translation>The wideband sensor no longer answers: %1.</translation>
    </message>
    <message>
        <source>Letture</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Letture minime</source>
        <translation>Fewest readings</translation>
    </message>
    <message>
        <source>Letture: %1, usate %2; proposte per %3 punti</source>
        <translation>Readings: %1, %2 used; proposals for %3 points</translation>
    </message>
    <message>
        <source>Log dal vivo (*.csv)</source>
        <translation>Live logs (*.csv)</translation>
    </message>
    <message>
        <source>Log dal vivo di Tervalix</source>
        <translation>Tervalix live logs</translation>
    </message>
    <message>
        <source>Log della sonda lambda (nessuno se i log dal vivo hanno la colonna afr)</source>
        <translation>Wideband logs (none if the live logs have the afr column)</translation>
    </message>
    <message>
        <source>Log di testo (*.csv *.txt *.log);;Tutti i file (*)</source>
        <translation>Text logs (*.csv *.txt *.log);;All files (*)</translation>
    </message>
    <message>
        <source>Miscela</source>
        <translation>Mixture</translation>
    </message>
    <message>
        <source>Misurata</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Nessun log</source>
        <translation>No logs</translation>
    </message>
    <message>
        <source>Nessuna registrazione in questa sessione: registra un giro con la sonda lambda collegata, o apri dei log.</source>
        <translation>No recording in this session: record a run with the wideband sensor connected, or open logs.</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>Passo massimo</source>
        <translation>Largest step</translation>
    </message>
    <message>
        <source>Porta seriale della sonda lambda (9600 baud):</source>
        <translation>Serial port of the wideband sensor (9600 baud):</translation>
    </message>
    <message>
        <source>Proposta</source>
        <translation>Proposal</translation>
    </message>
    <message>
        <source>Proposta della miscela</source>
        <translation>Mixture proposal</translation>
    </message>
    <message>
        <source>Punto</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Quanto carburante aggiunge un punto della curva, in %: un&apos;ipotesi da tarare (un punto positivo aggiunge carburante)</source>
        <translation>How much fuel one point of the curve adds, in %: an assumption to calibrate (a positive point adds fuel)</translation>
    </message>
    <message>
        <source>Ritardo della sonda: %1 ms (dato)</source>
        <translation>Sensor delay: %1 ms (given)</translation>
    </message>
    <message>
        <source>Ritardo della sonda: %1 ms (stimato, 95%: da %2 a %3 ms)</source>
        <translation>Sensor delay: %1 ms (estimated, 95%: %2 to %3 ms)</translation>
    </message>
    <message>
        <source>Ritardo sonda</source>
        <translation>Sensor delay</translation>
    </message>
    <message>
        <source>Scartate: %1</source>
        <translation>Rejected: %1</translation>
    </message>
    <message>
        <source>Sonda lambda</source>
        <translation>Wideband sensor</translation>
    </message>
    <message>
        <source>Sonda lambda su porta seriale...</source>
        <translation>Wideband sensor on a serial port...</translation>
    </message>
    <message>
        <source>Spegni la sonda lambda</source>
        <translation>Switch the wideband sensor off</translation>
    </message>
    <message>
        <source>Stechiometrico</source>
        <translation>Stoichiometric</translation>
    </message>
    <message>
        <source>Usa la registrazione</source>
        <translation>Use the recording</translation>
    </message>
    <message>
        <source>anello chiuso</source>
        <translation>closed loop</translation>
    </message>
    <message>
        <source>anello chiuso della centralina: nessuna proposta</source>
        <translation>the ECU&apos;s closed loop: no proposal</translation>
    </message>
    <message>
        <source>entro i limiti della centralina</source>
        <translation>within the ECU&apos;s limits</translation>
    </message>
    <message>
        <source>escluso</source>
        <translation>excluded</translation>
    </message>
    <message>
        <source>fuori dalla curva</source>
        <translation>off the curve</translation>
    </message>
    <message>
        <source>fuori scala o sonda fredda</source>
        <translation>out of range or sensor cold</translation>
    </message>
    <message>
        <source>limitato a %1 punti per passata</source>
        <translation>limited to %1 points per pass</translation>
    </message>
    <message>
        <source>nessun dato</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>poche letture: nessuna proposta</source>
        <translation>few readings: no proposal</translation>
    </message>
    <message>
        <source>senza dati della centralina</source>
        <translation>without ECU data</translation>
    </message>
    <message>
        <source>stimato dai log</source>
        <translation>estimated from the logs</translation>
    </message>
    <message>
        <source>taglio del carburante</source>
        <translation>fuel cut</translation>
    </message>
    <message>
        <source>transitorio</source>
        <translation>transient</translation>
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
        <translation>RPM</translation>
    </message>
    <message>
        <source>Lambda</source>
        <translation>Lambda</translation>
    </message>
    <message>
        <source>Misurata</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Obiettivo</source>
        <translation>Target</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Il file non è un profilo valido: %1 byte invece di %2.</source>
        <translation>The file is not a valid profile: %1 bytes instead of %2.</translation>
    </message>
    <message>
        <source>Impossibile aprire il profilo %1: %2</source>
        <translation>Cannot open the profile %1: %2</translation>
    </message>
    <message>
        <source>Impossibile leggere il profilo %1: %2</source>
        <translation>Cannot read the profile %1: %2</translation>
    </message>
    <message>
        <source>Impossibile salvare il profilo %1: %2</source>
        <translation>Cannot save the profile %1: %2</translation>
    </message>
</context>
<context>
    <name>ProfilePanel</name>
    <message>
        <source>%1 punti del profilo sono fuori dai limiti di questa centralina (da %2 a %3). Sono mostrati in rosso e restano come sono finché non li modifichi.</source>
        <translation>%1 points of the profile are outside the limits of this ECU (%2 to %3). They are shown in red and stay as they are until you edit them.</translation>
    </message>
    <message>
        <source>Apre File di Profilo</source>
        <translation>Load Profile</translation>
    </message>
    <message>
        <source>Backup caricato: %1. Scrivilo nella centralina per ripristinarla.</source>
        <translation>Backup loaded: %1. Write it to the ECU to restore it.</translation>
    </message>
    <message>
        <source>Carica profilo</source>
        <translation>Load profile</translation>
    </message>
    <message>
        <source>Centralina, letta alle %1</source>
        <translation>ECU, read at %1</translation>
    </message>
    <message>
        <source>Divisore numero di giri</source>
        <translation>Engine speed divider</translation>
    </message>
    <message>
        <source>Il profilo ha K = %1, fuori dall&apos;intervallo da %2 a %3: è mostrato com&apos;è e non viene scritto nella centralina.</source>
        <translation>The profile has K = %1, outside the range %2 to %3: it is shown as it is and not written to the ECU.</translation>
    </message>
    <message>
        <source>K = %1 è fuori dall&apos;intervallo da %2 a %3</source>
        <translation>K = %1 is outside the range %2 to %3</translation>
    </message>
    <message>
        <source>Nessun backup in %1.</source>
        <translation>No backup in %1.</translation>
    </message>
    <message>
        <source>Profili (*.prf)</source>
        <translation>Profiles (*.prf)</translation>
    </message>
    <message>
        <source>Profilo piatto</source>
        <translation>Flat profile</translation>
    </message>
    <message>
        <source>Ripristina ultimo backup</source>
        <translation>Restore Last Backup</translation>
    </message>
    <message>
        <source>Ripristino backup</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Salva la curva in un file prima di scriverla: la centralina ne conserva il nome</source>
        <translation>Save the curve to a file before writing it: the ECU keeps its name</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>disco pieno</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>errore di ingresso/uscita</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>file system in sola lettura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>il file esiste già</source>
        <translation>the file already exists</translation>
    </message>
    <message>
        <source>il file non esiste</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>il file scritto ha una dimensione errata</source>
        <translation>the written file has the wrong size</translation>
    </message>
    <message>
        <source>il file è di %1 byte</source>
        <translation>the file is %1 bytes</translation>
    </message>
    <message>
        <source>il file è di più di %1 byte</source>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>è un collegamento simbolico</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Impossibile aprire la porta %1: %2</source>
        <translation>Cannot open port %1: %2</translation>
    </message>
    <message>
        <source>La porta %1 non esiste</source>
        <translation>Port %1 does not exist</translation>
    </message>
    <message>
        <source>La porta %1 non si può riservare: %2</source>
        <translation>The port %1 cannot be reserved: %2</translation>
    </message>
    <message>
        <source>La porta %1 è occupata da un altro programma</source>
        <translation>Port %1 is in use by another program</translation>
    </message>
    <message>
        <source>La porta %1 è occupata: %2</source>
        <translation>Port %1 is busy: %2</translation>
    </message>
    <message>
        <source>Permesso negato sulla porta %1</source>
        <translation>Permission denied on port %1</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Le impostazioni in %1 non si possono usare (%2): questa volta non verranno ricordate.</source>
        <translation>The settings in %1 cannot be used (%2): this time they will not be remembered.</translation>
    </message>
    <message>
        <source>il file è di %1 byte, più di quanti ne scriva Tervalix</source>
        <translation>the file is %1 bytes, more than Tervalix ever writes</translation>
    </message>
</context>
<context>
    <name>TervalixCli</name>
    <message>
        <source> (spostato o cambiato da allora)</source>
        <translation> (moved or changed since)</translation>
    </message>
    <message>
        <source>! La voce %1 è danneggiata (%2): il confronto la prende com&apos;è</source>
        <translation>! Entry %1 is damaged (%2): the comparison takes it as it is</translation>
    </message>
    <message>
        <source># %1: scostamento degli orologi %2 ms (%3), %4 letture</source>
        <translation># %1: clock offset %2 ms (%3), %4 readings</translation>
    </message>
    <message>
        <source># guadagno %1 % di carburante per punto, stechiometrico %2, valori %3…%4</source>
        <translation># gain %1 % fuel per point, stoichiometric %2, values %3…%4</translation>
    </message>
    <message>
        <source># letture %1, usate %2; scartate: %3</source>
        <translation># readings %1, used %2; rejected: %3</translation>
    </message>
    <message>
        <source># ritardo della sonda %1 ms (95 %: %2–%3 ms, %4)</source>
        <translation># sensor delay %1 ms (95 %: %2–%3 ms, %4)</translation>
    </message>
    <message>
        <source>%1  giri %2  ADC %3  cella %4  valore %5</source>
        <translation>%1  rpm %2  ADC %3  cell %4  value %5</translation>
    </message>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 rpm)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n voci)</source>
        <translation>
            <numerusform>%1 (%n entry)</numerusform>
            <numerusform>%1 (%n entries)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 righe registrate in %2</source>
        <translation>%1 lines recorded in %2</translation>
    </message>
    <message>
        <source>%1, numero di serie %2</source>
        <translation>%1, serial number %2</translation>
    </message>
    <message>
        <source>%1-%2 (%3-%4 giri/min)</source>
        <translation>%1-%2 (%3-%4 rpm)</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n voci</source>
        <translation>
            <numerusform>%1: %n entry</numerusform>
            <numerusform>%1: %n entries</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2. Con --clamp vengono portati entro i limiti.</source>
        <translation>%1: %2. With --clamp they are brought within the limits.</translation>
    </message>
    <message>
        <source>%1: il profilo ha %2, la centralina contiene %3</source>
        <translation>%1: the profile has %2, the ECU holds %3</translation>
    </message>
    <message>
        <source>%1: impossibile leggere: %2</source>
        <translation>%1: cannot read: %2</translation>
    </message>
    <message>
        <source>%1: la K %2 è fuori dall&apos;intervallo della centralina (%3…%4)</source>
        <translation>%1: K %2 is outside the unit&apos;s range (%3…%4)</translation>
    </message>
    <message>
        <source>%1: scritto %2, la centralina contiene %3</source>
        <translation>%1: wrote %2, the ECU holds %3</translation>
    </message>
    <message>
        <source>%1: servono %2 obiettivi (o uno), non %3</source>
        <translation>%1: %2 targets (or one) are needed, not %3</translation>
    </message>
    <message>
        <source>%1:%2: non è un numero: %3</source>
        <translation>%1:%2: not a number: %3</translation>
    </message>
    <message>
        <source>, l&apos;ultima del %1</source>
        <translation>, the last of %1</translation>
    </message>
    <message>
        <source>--%1 vuole un numero da %2 a %3</source>
        <translation>--%1 wants a number from %2 to %3</translation>
    </message>
    <message>
        <source>--%1 vuole un numero intero da %2 a %3</source>
        <translation>--%1 wants a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>--bike vuole il nome di una moto</source>
        <translation>--bike wants the name of a bike</translation>
    </message>
    <message>
        <source>--columns vuole TEMPO,MISCELA[,GIRI]</source>
        <translation>--columns wants TIME,MIXTURE[,RPM]</translation>
    </message>
    <message>
        <source>--condition vuole chiave=valore: %1</source>
        <translation>--condition wants key=value: %1</translation>
    </message>
    <message>
        <source>--exclude vuole punti da 0 a 40, singoli o come intervalli (0-3,38): %1</source>
        <translation>--exclude wants points from 0 to 40, single or as ranges (0-3,38): %1</translation>
    </message>
    <message>
        <source>--k vale solo con -o e senza --base (con --base la K è quella del profilo di base)</source>
        <translation>--k applies only with -o and without --base (with --base, K is the base profile&apos;s)</translation>
    </message>
    <message>
        <source>--points vuole dei punti, per esempio 0-10,14,K</source>
        <translation>--points wants points, for example 0-10,14,K</translation>
    </message>
    <message>
        <source>--points: %1 non è un punto o un intervallo da 0 a %2</source>
        <translation>--points: %1 is not a point or a range from 0 to %2</translation>
    </message>
    <message>
        <source>--port e --hid si escludono a vicenda</source>
        <translation>--port and --hid cannot be used together</translation>
    </message>
    <message>
        <source>--port vuole il percorso di una porta</source>
        <translation>--port needs the path of a port</translation>
    </message>
    <message>
        <source>--seconds vuole un numero intero da 1 a %1</source>
        <translation>--seconds needs a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>--target e --target-file si escludono a vicenda</source>
        <translation>--target and --target-file exclude each other</translation>
    </message>
    <message>
        <source>--wideband-baud vuole un numero intero positivo</source>
        <translation>--wideband-baud wants a positive whole number</translation>
    </message>
    <message>
        <source>-o senza --base: %1 punti non hanno una proposta e non si sa che valore tenere (indicare --base, il profilo della corsa)</source>
        <translation>-o without --base: %1 points have no proposal and their value is unknown (give --base, the profile of the run)</translation>
    </message>
    <message>
        <source>-o senza --base: i registri non dicono la K; indicarla con --k N (da %1 a %2), o dare --base</source>
        <translation>-o without --base: the logs do not record K; give it with --k N (%1 to %2), or give --base</translation>
    </message>
    <message>
        <source>-o vuole un file .prf: %1</source>
        <translation>-o wants a .prf file: %1</translation>
    </message>
    <message>
        <source>41 miscele volute, una per riga (l&apos;ultimo numero di ogni riga).</source>
        <translation>41 targets, one per line (the last number of each line).</translation>
    </message>
    <message>
        <source>AFR stechiometrico del carburante (di solito 14.7).</source>
        <translation>Stoichiometric AFR of the fuel (default 14.7).</translation>
    </message>
    <message>
        <source>Allegato (%1): %2</source>
        <translation>Attachment (%1): %2</translation>
    </message>
    <message>
        <source>Analisi impossibile: %1</source>
        <translation>Analysis impossible: %1</translation>
    </message>
    <message>
        <source>Carburante aggiunto da un punto della curva, in % (di solito 1.0; un punto positivo aggiunge carburante).</source>
        <translation>Fuel that one point of the curve adds, % (default 1.0; a positive point adds fuel).</translation>
    </message>
    <message>
        <source>Cartella della copia di sicurezza presa prima di scrivere (di solito %1).</source>
        <translation>Folder of the backup taken before writing (default %1).</translation>
    </message>
    <message>
        <source>Cella %1</source>
        <translation>Cell %1</translation>
    </message>
    <message>
        <source>Cella %1 (K)</source>
        <translation>Cell %1 (K)</translation>
    </message>
    <message>
        <source>Centralina non raggiungibile su %1: %2</source>
        <translation>ECU not reachable on %1: %2</translation>
    </message>
    <message>
        <source>Centralina: %1</source>
        <translation>ECU: %1</translation>
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
        <translation>Exit codes: 0 success, 2 usage error, 3 no ECU (port missing or busy, no answer;
for monitor --wideband also the sensor), 4 transfer failed (link or sensor lost, backup,
result file or recording not written), 5 the ECU does not hold the profile,
130 interrupted (Ctrl+C), 143 terminated (SIGTERM), 129 terminal closed (SIGHUP).
During a write Ctrl+C, SIGTERM and SIGHUP let it finish; a second Ctrl+C aborts it (exit 4).
Ctrl+C ends monitor normally (exit 0).
analyze reads files only (no ECU): exit 0, or 2 when a log cannot be read (file, line and reason are given)
or the logs cannot be aligned, 4 when the proposal cannot be written.
Profiles and backups (by default): %1
</translation>
    </message>
    <message>
        <source>Collegamento perso: %1</source>
        <translation>Link lost: %1</translation>
    </message>
    <message>
        <source>Comandi:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>Confronta curva e K della centralina con un profilo.</source>
        <translation>Compare the ECU&apos;s curve and K with a profile.</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita, nulla è stato scritto: %1</source>
        <translation>Backup failed, nothing was written: %1</translation>
    </message>
    <message>
        <source>Copia di sicurezza non riuscita: %1</source>
        <translation>Backup failed: %1</translation>
    </message>
    <message>
        <source>Copia di sicurezza: %1</source>
        <translation>Backup: %1</translation>
    </message>
    <message>
        <source>Copie di sicurezza (senza moto): %1</source>
        <translation>Backups (no bike): %1</translation>
    </message>
    <message numerus="yes">
        <source>Copie di sicurezza, senza moto (%n voci)</source>
        <translation>
            <numerusform>Backups, no bike (%n entry)</numerusform>
            <numerusform>Backups, no bike (%n entries)</numerusform>
        </translation>
    </message>
    <message>
        <source>Cronologia: %1</source>
        <translation>History: %1</translation>
    </message>
    <message>
        <source>Curva e K letti in %1</source>
        <translation>Curve and K read into %1</translation>
    </message>
    <message>
        <source>Curva e K scritti e verificati.</source>
        <translation>Curve and K written and verified.</translation>
    </message>
    <message>
        <source>Curva proposta salvata in %1 (%2 punti cambiati dall&apos;analisi)</source>
        <translation>Proposed curve saved in %1 (%2 points set by the analysis)</translation>
    </message>
    <message>
        <source>Curva: %1; K = %2</source>
        <translation>Curve: %1; K = %2</translation>
    </message>
    <message>
        <source>DANNEGGIATA: %1</source>
        <translation>DAMAGED: %1</translation>
    </message>
    <message>
        <source>Dai dati dal vivo e dai log della sonda lambda a una curva proposta: per ogni punto le letture usate, la miscela misurata con il suo intervallo, l&apos;errore e il valore proposto.</source>
        <translation>From live logs and wideband logs to a proposed curve: per point the readings used, the measured mixture with its interval, the error and the proposed value.</translation>
    </message>
    <message>
        <source>Dice perché la centralina può non essere trovata: la centralina USB, i permessi, la regola udev, le porte seriali e i loro gruppi, i programmi che tengono una porta; con il comando che risolve ciascun problema.</source>
        <translation>Say why the ECU may not be found: the unit on USB, rights, the udev rule, serial ports and their groups, programs that hold a port; with the command that fixes each.</translation>
    </message>
    <message>
        <source>Dove va la curva: FILE.prf, FILE.csv, o - (CSV sullo standard output).</source>
        <translation>Where the curve goes: FILE.prf, FILE.csv, or - (CSV on standard output).</translation>
    </message>
    <message>
        <source>Elenca la centralina USB (HID), se collegata, e le porte seriali.</source>
        <translation>List the HID unit, if one is plugged in, and the serial ports.</translation>
    </message>
    <message>
        <source>HID: nessuna centralina USB collegata</source>
        <translation>HID: no USB ECU plugged in</translation>
    </message>
    <message>
        <source>Il comando.</source>
        <translation>The command.</translation>
    </message>
    <message>
        <source>Il profilo della centralina durante i registri: i punti senza proposta tengono il suo valore, e K è il suo K.</source>
        <translation>The profile the ECU ran during the logs: points without a proposal keep its value, and K is its K.</translation>
    </message>
    <message>
        <source>Il ritardo della sonda; di solito: stimato dai registri.</source>
        <translation>The sensor&apos;s delay; default: estimated from the logs.</translation>
    </message>
    <message>
        <source>Impossibile salvare %1: %2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>Impossibile scrivere sullo standard output: %1</source>
        <translation>Cannot write to standard output: %1</translation>
    </message>
    <message>
        <source>Interrotto.</source>
        <translation>Interrupted.</translation>
    </message>
    <message>
        <source>K = %1 della voce è fuori da %2..%3: resta quello della centralina (%4)</source>
        <translation>The entry&apos;s K = %1 is outside %2..%3: the ECU&apos;s stays (%4)</translation>
    </message>
    <message>
        <source>K = %1 fuori da %2..%3</source>
        <translation>K = %1 outside %2..%3</translation>
    </message>
    <message>
        <source>K del profilo scritto senza --base (da 1 a 4): i registri non lo riportano.</source>
        <translation>K of the profile written without --base (1 to 4): the logs do not record it.</translation>
    </message>
    <message>
        <source>La centralina collegata non è quella che la cronologia della moto %1 conosce: non vi si registra nulla (bikes attach la assegna alla moto).</source>
        <translation>The linked ECU is not the one the history of bike %1 knows: nothing is recorded there (bikes attach assigns it to the bike).</translation>
    </message>
    <message>
        <source>La centralina contiene già quello che la voce %1 ha: nulla da scrivere.</source>
        <translation>The ECU already holds what entry %1 has: nothing to write.</translation>
    </message>
    <message>
        <source>La centralina contiene il profilo (curva e K).</source>
        <translation>The ECU holds the profile (curve and K).</translation>
    </message>
    <message>
        <source>La centralina era della moto %1; la sua cronologia resta là.</source>
        <translation>The ECU belonged to bike %1; its history stays there.</translation>
    </message>
    <message>
        <source>La centralina non contiene il profilo (celle diverse: %1).</source>
        <translation>The ECU does not hold the profile (cells that differ: %1).</translation>
    </message>
    <message>
        <source>La centralina non tiene quanto scritto (celle diverse: %1). Quello che conteneva prima è in %2</source>
        <translation>The ECU does not keep what was written (cells that differ: %1). What it held before is in %2</translation>
    </message>
    <message>
        <source>La centralina può essere scritta a metà.</source>
        <translation>The ECU may be half-written.</translation>
    </message>
    <message>
        <source>La centralina può essere scritta a metà. Quello che conteneva prima è in %1</source>
        <translation>The ECU may be half-written. What it held before is in %1</translation>
    </message>
    <message>
        <source>La cronologia della moto: ogni stato che la centralina ha dimostrato di avere (list), una voce (show), le differenze tra due voci o tra una voce e la centralina (diff), note, etichette e condizioni (note), il ritorno a una voce o a dei suoi punti (restore). Le copie di sicurezza hanno un id che comincia con b.</source>
        <translation>The bike&apos;s history: every state the ECU was proven to hold (list), one entry (show), the differences between two entries or between an entry and the ECU (diff), notes, tags and conditions (note), going back to an entry or to some of its points (restore). Backups have an id that starts with b.</translation>
    </message>
    <message>
        <source>La modifica più grande di un punto in un passaggio (di solito 5).</source>
        <translation>Largest change of a point in one pass (default 5).</translation>
    </message>
    <message>
        <source>La moto della centralina (il suo nome): conferma una centralina riconosciuta solo dai dati del dispositivo, sceglie la cronologia.</source>
        <translation>The ECU&apos;s bike (its name): confirms an ECU recognised only by its device record, chooses the history.</translation>
    </message>
    <message>
        <source>La scrittura viene portata a termine. Un secondo Ctrl+C la interrompe e può lasciare la centralina scritta a metà.</source>
        <translation>The write will be completed. A second Ctrl+C interrupts it and may leave the ECU half written.</translation>
    </message>
    <message>
        <source>La velocità di linea della sonda (di solito 9600).</source>
        <translation>The wideband&apos;s line speed (default 9600).</translation>
    </message>
    <message>
        <source>La voce %1 ha %2</source>
        <translation>Entry %1 has %2</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): nessun confronto</source>
        <translation>Entry %1 is damaged (%2): no comparison</translation>
    </message>
    <message>
        <source>La voce %1 è danneggiata (%2): non si ripristina</source>
        <translation>Entry %1 is damaged (%2): it is not restored</translation>
    </message>
    <message>
        <source>Le colonne di tempo e miscela (e giri) del registro della sonda, quando i loro nomi non sono quelli soliti.</source>
        <translation>The wideband log&apos;s time and mixture columns (and rpm), when their names are not the usual ones.</translation>
    </message>
    <message>
        <source>Le copie di sicurezza non hanno note: la voce %1 è una copia di sicurezza</source>
        <translation>Backups have no notes: entry %1 is a backup</translation>
    </message>
    <message>
        <source>Le miscele volute sono in lambda, e la tabella mostra lambda.</source>
        <translation>Targets are lambda, and the table shows lambda.</translation>
    </message>
    <message>
        <source>Le moto e le loro centraline (list); attach dà un nome alla moto della centralina collegata ora e ne comincia la cronologia; rename cambia il nome di una moto (la sua cartella resta).</source>
        <translation>The bikes and their ECUs (list); attach names the bike of the ECU linked now and starts its history; rename gives a bike a new name (its folder stays).</translation>
    </message>
    <message>
        <source>Legge curva e K in FILE.prf, in FILE.csv (point,rpm,value) o come CSV sullo standard output (-o -).</source>
        <translation>Read the curve and K into FILE.prf, into FILE.csv (point,rpm,value), or as CSV on standard output (-o -).</translation>
    </message>
    <message>
        <source>Legge, scrive, verifica e controlla dal vivo la centralina Tervalix senza finestra.</source>
        <translation>Reads, writes, verifies and monitors the Tervalix ECU without a window.</translation>
    </message>
    <message>
        <source>Lettura non riuscita: la centralina non risponde.</source>
        <translation>Read failed: the ECU does not respond.</translation>
    </message>
    <message>
        <source>Letture che servono a un punto per una proposta (di solito 20).</source>
        <translation>Readings a point needs for a proposal (default 20).</translation>
    </message>
    <message>
        <source>Miscela voluta per ogni punto (AFR; lambda con --lambda). Di solito lambda 0.90.</source>
        <translation>Target mixture for every point (AFR; lambda with --lambda). Default lambda 0.90.</translation>
    </message>
    <message>
        <source>Mostra (e con --csv registra) la lettura della sonda lambda da questa porta seriale.</source>
        <translation>Show (and record with --csv) the wideband&apos;s reading from this serial port.</translation>
    </message>
    <message>
        <source>Mostra hardware, cilindri e firmware della centralina.</source>
        <translation>Show the ECU&apos;s hardware, cylinders and firmware.</translation>
    </message>
    <message>
        <source>Mostra i dati dal vivo (ora, giri, ADC, cella, valore); con --csv li registra anche.</source>
        <translation>Show live data (time, rpm, ADC, cell index, cell value); with --csv record it too.</translation>
    </message>
    <message>
        <source>Mostra questo aiuto (con un comando: l&apos;aiuto del comando).</source>
        <translation>Show this help (with a command: that command&apos;s help).</translation>
    </message>
    <message>
        <source>Moto %1: centralina %2; voce %3 della cronologia</source>
        <translation>Bike %1: ECU %2; history entry %3</translation>
    </message>
    <message>
        <source>Nessuna moto di nome %1 (tervalix-cli bikes list)</source>
        <translation>No bike named %1 (tervalix-cli bikes list)</translation>
    </message>
    <message>
        <source>Nessuna moto: la voce %1 non c&apos;è (bikes attach NOME)</source>
        <translation>No bike: there is no entry %1 (bikes attach NAME)</translation>
    </message>
    <message>
        <source>Nessuna moto: tervalix-cli bikes attach NOME dà un nome a quella della centralina collegata.</source>
        <translation>No bike: tervalix-cli bikes attach NAME names the one of the linked ECU.</translation>
    </message>
    <message>
        <source>Nessuna voce %1 nella cronologia</source>
        <translation>No entry %1 in the history</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>Notes: %1</translation>
    </message>
    <message>
        <source>Nulla è stato scritto.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Nulla è stato scritto: con --yes si scrive comunque.</source>
        <translation>Nothing was written: with --yes it is written all the same.</translation>
    </message>
    <message>
        <source>Orologio della centralina meno orologio della sonda (sommato alla differenza di data e ora, se ci sono).</source>
        <translation>ECU clock minus wideband clock (added to the date-times&apos; difference when there are any).</translation>
    </message>
    <message>
        <source>Per l&apos;aiuto: %1 --help</source>
        <translation>For help: %1 --help</translation>
    </message>
    <message>
        <source>Più moto: --bike NOME dice di quale è la voce %1</source>
        <translation>Several bikes: --bike NAME says whose entry %1 is</translation>
    </message>
    <message>
        <source>Porta entro i limiti i punti fuori dall&apos;intervallo della centralina e un K fuori da 1..4 (senza, un profilo così è rifiutato).</source>
        <translation>Bring points beyond the unit&apos;s value range, and a K outside 1..4, within them (without it such a profile is refused).</translation>
    </message>
    <message>
        <source>Portati entro i limiti: %1</source>
        <translation>Brought within the limits: %1</translation>
    </message>
    <message>
        <source>Probabilmente la centralina della moto %1: con --bike &quot;%1&quot; lo si conferma e la cronologia la segue.</source>
        <translation>Probably the ECU of bike %1: --bike &quot;%1&quot; confirms it and the history follows it.</translation>
    </message>
    <message>
        <source>Profilo: %1</source>
        <translation>Profile: %1</translation>
    </message>
    <message>
        <source>Punti esclusi dall&apos;analisi, per esempio 0-3,38-40 (riflusso allo scarico, una zona da non toccare): nessuna proposta, e nessun peso nella stima del ritardo.</source>
        <translation>Points left out of the analysis, e.g. 0-3,38-40 (exhaust reversion, a region to leave alone): no proposal, and no part in the delay estimate.</translation>
    </message>
    <message>
        <source>Registra anche i dati dal vivo in questo nuovo file CSV.</source>
        <translation>Also record the live data into this new CSV file.</translation>
    </message>
    <message>
        <source>Registrazione impossibile: %1</source>
        <translation>Cannot record: %1</translation>
    </message>
    <message>
        <source>Registrazione interrotta: %1</source>
        <translation>Recording interrupted: %1</translation>
    </message>
    <message>
        <source>Ricevuto %1 durante la scrittura: la scrittura è stata portata a termine prima di uscire.</source>
        <translation>%1 received during the write: the write was finished before exiting.</translation>
    </message>
    <message>
        <source>Rispetto alla centralina: %1</source>
        <translation>Against the ECU: %1</translation>
    </message>
    <message>
        <source>Salva quello che la centralina contiene come profilo datato in DIR.</source>
        <translation>Save what the ECU holds as a dated profile in DIR.</translation>
    </message>
    <message>
        <source>Salva una copia della centralina, scrive curva e K del profilo e li verifica.</source>
        <translation>Back up the ECU, write the profile&apos;s curve and K, and verify both.</translation>
    </message>
    <message>
        <source>Scrittura interrotta prima che la centralina fosse modificata.</source>
        <translation>Write interrupted before the ECU was changed.</translation>
    </message>
    <message>
        <source>Scrittura interrotta: la centralina può essere scritta a metà. Quello che conteneva prima è in %1</source>
        <translation>Write interrupted: the ECU may be half written. What it held before is in %1</translation>
    </message>
    <message>
        <source>Scrittura non riuscita: la centralina non risponde.</source>
        <translation>Write failed: the ECU does not respond.</translation>
    </message>
    <message>
        <source>Scrive la curva proposta come profilo. Senza --base solo quando ogni punto ha una proposta, e allora con --k.</source>
        <translation>Write the proposed curve as a profile. Without --base only when every point has a proposal, and then with --k.</translation>
    </message>
    <message>
        <source>Scrivere comunque? [s/N] </source>
        <translation>Write all the same? [y/N] </translation>
    </message>
    <message>
        <source>Scrivi senza chiedere anche quando un punto diventa più magro della soglia o la centralina non è quella della moto.</source>
        <translation>Write without asking even when a point becomes leaner than the threshold or the ECU is not the bike&apos;s.</translation>
    </message>
    <message>
        <source>Si ferma dopo questi secondi (di solito: fino a Ctrl+C).</source>
        <translation>Stop after this many seconds (default: run until Ctrl+C).</translation>
    </message>
    <message>
        <source>Sonda persa: %1</source>
        <translation>Wideband lost: %1</translation>
    </message>
    <message>
        <source>Stampa il risultato come JSON.</source>
        <translation>Print the result as JSON.</translation>
    </message>
    <message>
        <source>Terminato.</source>
        <translation>Terminated.</translation>
    </message>
    <message>
        <source>Un registro della sonda lambda (ripetibile; più giri: uno per registro dal vivo, nello stesso ordine, a meno che entrambi i registri abbiano data e ora).</source>
        <translation>A wideband log (repeatable; several runs: one per live log, in the same order, unless both logs carry date-times).</translation>
    </message>
    <message>
        <source>Uno dei comandi qui sotto.</source>
        <translation>One of the commands below.</translation>
    </message>
    <message>
        <source>Usa la centralina USB (HID), come senza --port.</source>
        <translation>Use the ECU on USB HID (the default).</translation>
    </message>
    <message>
        <source>Usa la centralina su questa porta seriale (per esempio /dev/ttyUSB0).</source>
        <translation>Use the ECU on this serial port (for example /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>Valori limitati a %1…%2 (la gamma più ampia): --hw N per quella della centralina.</source>
        <translation>Values limited to %1…%2 (the wider range): --hw N for the unit&apos;s own.</translation>
    </message>
    <message>
        <source>Versione hardware della centralina, per il suo intervallo di valori (di solito: quello più ampio, da -20 a 50).</source>
        <translation>Hardware version of the unit, for its value range (default: the wider range, -20 to 50).</translation>
    </message>
    <message>
        <source>al limite dei valori</source>
        <translation>at the value limit</translation>
    </message>
    <message>
        <source>anello chiuso?</source>
        <translation>closed loop?</translation>
    </message>
    <message>
        <source>argomento di troppo: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>bikes: list, attach NOME oppure rename NOME NUOVO</source>
        <translation>bikes: list, attach NAME or rename NAME NEW</translation>
    </message>
    <message>
        <source>comando [argomenti]</source>
        <translation>command [arguments]</translation>
    </message>
    <message>
        <source>comando sconosciuto: %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>copia di sicurezza</source>
        <translation>backup</translation>
    </message>
    <message>
        <source>da %1</source>
        <translation>from %1</translation>
    </message>
    <message>
        <source>escluso</source>
        <translation>excluded</translation>
    </message>
    <message>
        <source>formato non riconosciuto: %1 (usare .prf, .csv o -)</source>
        <translation>unrecognised format: %1 (use .prf, .csv or -)</translation>
    </message>
    <message>
        <source>history: list, show ID, diff ID [ID], note ID [TESTO] oppure restore ID [--points A-B,...]</source>
        <translation>history: list, show ID, diff ID [ID], note ID [TEXT] or restore ID [--points A-B,...]</translation>
    </message>
    <message>
        <source>indicato</source>
        <translation>given</translation>
    </message>
    <message>
        <source>intervallo 95%</source>
        <translation>95% interval</translation>
    </message>
    <message>
        <source>lettura</source>
        <translation>reading</translation>
    </message>
    <message>
        <source>limitato dal passo</source>
        <translation>limited per pass</translation>
    </message>
    <message>
        <source>manca -o FILE (.prf, .csv, o - per lo standard output)</source>
        <translation>missing -o FILE (.prf, .csv, or - for standard output)</translation>
    </message>
    <message>
        <source>manca il comando</source>
        <translation>missing command</translation>
    </message>
    <message>
        <source>manca il file del profilo (.prf)</source>
        <translation>missing profile file (.prf)</translation>
    </message>
    <message>
        <source>manca il nome della moto</source>
        <translation>the bike&apos;s name is missing</translation>
    </message>
    <message>
        <source>manca il registro dal vivo (LIVE.csv)</source>
        <translation>the live log is missing (LIVE.csv)</translation>
    </message>
    <message>
        <source>nessun dato</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>non verificata</source>
        <translation>unverified</translation>
    </message>
    <message>
        <source>nota: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>note: aggiunge un&apos;etichetta (ripetibile); -NOME la toglie.</source>
        <translation>note: adds a tag (repeatable); -NAME removes it.</translation>
    </message>
    <message>
        <source>note: una condizione, per esempio scarico=sportivo, filtro, benzina, quota, temperatura (ripetibile; chiave= la toglie).</source>
        <translation>note: a condition, for example exhaust=sport, air filter, fuel, altitude, temperature (repeatable; key= removes it).</translation>
    </message>
    <message>
        <source>pochi campioni</source>
        <translation>few samples</translation>
    </message>
    <message>
        <source>punti fuori dai limiti della centralina (da %1 a %2): %3</source>
        <translation>points beyond the ECU&apos;s limits (%1 to %2): %3</translation>
    </message>
    <message>
        <source>punto  giri campioni %1 %2 obiettivo errore%  applicato proposto  stato</source>
        <translation>point   rpm  samples %1 %2    target  error%    applied proposed  flag</translation>
    </message>
    <message>
        <source>restore: solo questi punti (per esempio 0-10,14; K per il K); gli altri restano come sono nella centralina.</source>
        <translation>restore: only these points (for example 0-10,14; K for K); the others stay as the ECU holds them.</translation>
    </message>
    <message>
        <source>scrittura</source>
        <translation>writing</translation>
    </message>
    <message>
        <source>stimato</source>
        <translation>estimated</translation>
    </message>
    <message>
        <source>verifica</source>
        <translation>verifying</translation>
    </message>
    <message>
        <source>vista %1 volte</source>
        <translation>seen %1 times</translation>
    </message>
    <message>
        <source>La moto %1 ora si chiama %2</source>
        <translation>Bike %1 is now called %2</translation>
    </message>
</context>
<context>
    <name>TransferPanel</name>
    <message>
        <source>%1 (%2 giri/min)</source>
        <translation>%1 (%2 rpm)</translation>
    </message>
    <message>
        <source>%1 punti fuori dai limiti della centralina: evidenziati in rosso</source>
        <translation>%1 points outside the ECU&apos;s limits: highlighted in red</translation>
    </message>
    <message>
        <source>%1-%2 (%3-%4 giri/min)</source>
        <translation>%1-%2 (%3-%4 rpm)</translation>
    </message>
    <message numerus="yes">
        <source>%n punti della curva sono fuori dai limiti della centralina (da %1 a %2): %3.
Portarli entro i limiti e scrivere? Altrimenti non viene scritto nulla.</source>
        <translation>
            <numerusform>%n point of the curve is beyond the ECU&apos;s limits (%1 to %2): %3.
Bring it within the limits and write? Otherwise nothing is written.</numerusform>
            <numerusform>%n points of the curve are beyond the ECU&apos;s limits (%1 to %2): %3.
Bring them within the limits and write? Otherwise nothing is written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n punti più magri di %1 o più: %2</source>
        <translation>
            <numerusform>%n point leaner by %1 or more: %2</numerusform>
            <numerusform>%n points leaner by %1 or more: %2</numerusform>
        </translation>
    </message>
    <message>
        <source>... e altre %1 differenze</source>
        <translation>... and %1 more differences</translation>
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
        <translation>ECU now</translation>
    </message>
    <message>
        <source>Entro i limiti della centralina</source>
        <translation>Within the ECU&apos;s limits</translation>
    </message>
    <message>
        <source>K fuori dall&apos;intervallo da %1 a %2</source>
        <translation>K outside the range %1 to %2</translation>
    </message>
    <message>
        <source>K: scritto %1, la centralina contiene %2</source>
        <translation>K: written %1, the ECU holds %2</translation>
    </message>
    <message>
        <source>La centralina contiene K = %1, fuori dall&apos;intervallo da %2 a %3: la centralina non è stata modificata.</source>
        <translation>The ECU holds K = %1, outside the range %2 to %3: the ECU was left as it is.</translation>
    </message>
    <message>
        <source>La curva nell&apos;editor è diversa da quella che la centralina contiene: scrivila per usarla</source>
        <translation>The curve in the editor differs from the one the ECU holds: write it to use it</translation>
    </message>
    <message>
        <source>La scrittura non è iniziata: impossibile salvare il backup della curva presente nella centralina (%1).</source>
        <translation>The write did not start: the backup of the curve in the ECU could not be saved (%1).</translation>
    </message>
    <message>
        <source>Lettura</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Lettura centralina</source>
        <translation>ECU read</translation>
    </message>
    <message>
        <source>Nome del profilo, carattere %1: scritto %2, la centralina contiene %3</source>
        <translation>Profile name, character %1: written %2, the ECU holds %3</translation>
    </message>
    <message>
        <source>Non scritto nella centralina</source>
        <translation>Not written to the ECU</translation>
    </message>
    <message>
        <source>Nulla è stato scritto nella centralina.</source>
        <translation>Nothing was written into the ECU.</translation>
    </message>
    <message>
        <source>Nulla è stato scritto nella centralina: %1.</source>
        <translation>Nothing was written to the ECU: %1.</translation>
    </message>
    <message>
        <source>Punto %1 (%2 giri/min): scritto %3, la centralina contiene %4</source>
        <translation>Point %1 (%2 rpm): written %3, the ECU holds %4</translation>
    </message>
    <message>
        <source>Rispetto alla centralina: %1</source>
        <translation>Against the ECU: %1</translation>
    </message>
    <message>
        <source>Scrittura</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Scrittura verificata: %1 celle uguali a quanto inviato.</source>
        <translation>Write verified: %1 cells match what was sent.</translation>
    </message>
    <message>
        <source>Scrittura: %1</source>
        <translation>Writing: %1</translation>
    </message>
    <message>
        <source>Scrivere comunque?</source>
        <translation>Write all the same?</translation>
    </message>
    <message>
        <source>Scrivere di nuovo la curva?</source>
        <translation>Write the curve again?</translation>
    </message>
    <message>
        <source>Verifica</source>
        <translation>Verifying</translation>
    </message>
    <message>
        <source>Verifica fallita: la centralina non contiene quanto scritto.</source>
        <translation>Verification failed: the ECU does not hold what was written.</translation>
    </message>
    <message>
        <source>punti fuori dai limiti: %1</source>
        <translation>points beyond the limits: %1</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>tr(&quot;Chiudi&quot;)</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>tr(&quot;Informazioni&quot;)</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>frmDiagnosi</name>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Copia il rapporto</source>
        <translation>Copy Report</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento</source>
        <translation>Connection Diagnosis</translation>
    </message>
    <message>
        <source>Rapporto copiato negli appunti.</source>
        <translation>Report copied to the clipboard.</translation>
    </message>
    <message>
        <source>Rimedio:</source>
        <translation>Fix:</translation>
    </message>
    <message>
        <source>Ripeti la diagnosi</source>
        <translation>Run Again</translation>
    </message>
</context>
<context>
    <name>frmLogin</name>
    <message>
        <source>tr(&quot;Accesso modo esperto&quot;)</source>
        <translation>Expert Mode</translation>
    </message>
    <message>
        <source>tr(&quot;Conferma&quot;)</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>tr(&quot;Digitare la password&quot;)</source>
        <translation>Enter the  password</translation>
    </message>
</context>
<context>
    <name>frmProgPannel</name>
    <message>
        <source>Aggiungi...</source>
        <translation>Add...</translation>
    </message>
    <message>
        <source>Analisi della miscela...</source>
        <translation>Mixture analysis...</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Aumenta di uno</source>
        <translation>Increase by one</translation>
    </message>
    <message>
        <source>Cerca la centralina appena viene collegata</source>
        <translation>Search for the ECU When Plugged In</translation>
    </message>
    <message>
        <source>Chiusura al termine del trasferimento in corso...</source>
        <translation>Closing when the current transfer ends...</translation>
    </message>
    <message>
        <source>Confronta con file...</source>
        <translation>Compare with File...</translation>
    </message>
    <message>
        <source>Confronta con la centralina</source>
        <translation>Compare with ECU</translation>
    </message>
    <message>
        <source>Copia valori</source>
        <translation>Copy Values</translation>
    </message>
    <message>
        <source>Dati dal vivo</source>
        <translation>&amp;Live Data</translation>
    </message>
    <message>
        <source>Diagnosi del collegamento</source>
        <translation>Connection Diagnosis</translation>
    </message>
    <message>
        <source>Diminuisci di uno</source>
        <translation>Decrease by one</translation>
    </message>
    <message>
        <source>Imposta valore...</source>
        <translation>Set Value...</translation>
    </message>
    <message>
        <source>Incolla valori</source>
        <translation>Paste Values</translation>
    </message>
    <message>
        <source>Interpola</source>
        <translation>Interpolate</translation>
    </message>
    <message>
        <source>Leviga</source>
        <translation>Smooth</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>MainWindow</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Nascondi confronto</source>
        <translation>Hide Comparison</translation>
    </message>
    <message>
        <source>Registra dati dal vivo</source>
        <translation>Record Live Data</translation>
    </message>
    <message>
        <source>Ripeti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ripristina ultimo backup</source>
        <translation>Restore Last Backup</translation>
    </message>
    <message>
        <source>Scala in percentuale...</source>
        <translation>Scale by Percentage...</translation>
    </message>
    <message>
        <source>Storico giri e sonda</source>
        <translation>RPM and Probe History</translation>
    </message>
    <message>
        <source>tr(&quot;     Ricerca Porta&quot;)</source>
        <translation>     Search for Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;About&quot;)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>tr(&quot;Aggiorna ROM Centralina&quot;)</source>
        <translation>Update Profile on Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Attiva/Blocca l&apos;aggiornamento della velocita&apos; e dell&apos;analogica sonda temperatura&quot;)</source>
        <translation>Start/Stop the update of RPM</translation>
    </message>
    <message>
        <source>tr(&quot;Banco OFF&quot;)</source>
        <translation>Test Mode OFF</translation>
    </message>
    <message>
        <source>tr(&quot;Carica File di Profilo&quot;)</source>
        <translation>Load Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Carica Profilo&quot;)</source>
        <translation>Load Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Carica la curva profilo da file&quot;) </source>
        <translation>Load from file a profile plot</translation>
    </message>
    <message>
        <source>tr(&quot;Centralina 2 cilindri&quot;)</source>
        <translation>Tervalix for 2 cylinder bikes</translation>
    </message>
    <message>
        <source>tr(&quot;Centralina 4 cilindri&quot;)</source>
        <translation>Tervalix for 4 cylinder bikes</translation>
    </message>
    <message>
        <source>tr(&quot;Cerca Centralina: Ctrl+P&quot;)</source>
        <translation>Search for Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Cerca la porta seriale ove e&apos; collegata la centralina e ne attiva/disattiva la connessione&quot;)</source>
        <translation>Look for Tervalix connection and enable/disable a link</translation>
    </message>
    <message>
        <source>tr(&quot;Chiude l&apos;applicazione&quot;)</source>
        <translation>Close application</translation>
    </message>
    <message>
        <source>tr(&quot;Close&quot;)</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>tr(&quot;Configurazione&quot;)</source>
        <translation>&amp;Configuration</translation>
    </message>
    <message>
        <source>tr(&quot;Divisore numero di giri&quot;)</source>
        <translation>RPM factor divider</translation>
    </message>
    <message>
        <source>tr(&quot;Exit program Alt+F4&quot;)</source>
        <translation>Exit program</translation>
    </message>
    <message>
        <source>tr(&quot;File&quot;)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>tr(&quot;Genera Profilo Piatto&quot;)</source>
        <translation>Generate Flat Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Genera un Profilo Piatto&quot;)</source>
        <translation>Generate a Flat Plot</translation>
    </message>
    <message>
        <source>tr(&quot;Giri/min&quot;)</source>
        <translation>RPM</translation>
    </message>
    <message>
        <source>tr(&quot;Imposta/Rimuove Modalita&apos; Banco di Prova&quot;)</source>
        <translation>Set/Reset Test Mode</translation>
    </message>
    <message>
        <source>tr(&quot;Inglese&quot;)</source>
        <translation>English</translation>
    </message>
    <message>
        <source>tr(&quot;Invia la curva profilo alla centralina&quot;)</source>
        <translation>Send the profile plot to Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Italiano&quot;)</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>tr(&quot;K Iniezione&quot;)</source>
        <translation>RPM Divider</translation>
    </message>
    <message>
        <source>tr(&quot;Legge la curva profilo dalla centralina&quot;)</source>
        <translation>Read the profile plot from Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Leggi ROM Centralina&quot;)</source>
        <translation>Read Profile from Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Link OFF&quot;)</source>
        <translation>RPM Monitor</translation>
    </message>
    <message>
        <source>tr(&quot;Livello Sensore&quot;)</source>
        <translation>TEMP Sensor</translation>
    </message>
    <message>
        <source>tr(&quot;Modo Esperto&quot;)</source>
        <translation>Expert Mode</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Cursore&quot;)</source>
        <translation>&amp;Move Cursor</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Destra: Ctrl+Right&quot;)</source>
        <translation>Move Right</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Giù: Ctrl+Dn&quot;)</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Sinistra: Ctrl+Left&quot;)</source>
        <translation>Move Left</translation>
    </message>
    <message>
        <source>tr(&quot;Muovi Sù: Ctrl+Up&quot;)</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>tr(&quot;Profilo Piatto&quot;)</source>
        <translation>Flat Profile Value</translation>
    </message>
    <message>
        <source>tr(&quot;Profilo utilizzato&quot;)</source>
        <translation>Profile in use</translation>
    </message>
    <message>
        <source>tr(&quot;Salva File di Profilo&quot;)</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Salva Profilo&quot;)</source>
        <translation>Save Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Salva la curva profilo su file&quot;)</source>
        <translation>Save on file the current profile plot</translation>
    </message>
    <message>
        <source>tr(&quot;Seleziona Centralina&quot;)</source>
        <translation>Select &amp;version of Tervalix</translation>
    </message>
    <message>
        <source>tr(&quot;Seleziona Lingua&quot;)</source>
        <translation>Choose your &amp;language</translation>
    </message>
    <message>
        <source>tr(&quot;Valore analogico sonda temperatura&quot;)</source>
        <translation>Analogic value of temperature probe</translation>
    </message>
    <message>
        <source>tr(&quot;Valore del profilo piatto&quot;)</source>
        <translation>Value for Flat Profile</translation>
    </message>
    <message>
        <source>tr(&quot;Virtual Port&quot;)</source>
        <translation>Virtual Comm</translation>
    </message>
</context>
<context>
    <name>frmRicercaPorta</name>
    <message>
        <source>Altra porta (es. /dev/pts/3), Invio</source>
        <translation>Other port (e.g. /dev/pts/3), Enter</translation>
    </message>
    <message>
        <source>Ricerca della centralina USB...</source>
        <translation>Searching for the USB ECU...</translation>
    </message>
    <message>
        <source>tr(&quot;Chiudi&quot;)</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>tr(&quot;Porte rilevate nel sistema&quot;)</source>
        <translation>Communication Ports Found on your System</translation>
    </message>
    <message>
        <source>tr(&quot;Ricerca porta di collegamento con la centralina&quot;)</source>
        <translation>Search for Tervalix</translation>
    </message>
</context>
</TS>
