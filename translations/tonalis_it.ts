<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>tonalis</name>
    <message>
        <source>DTMF sequence (0 to 10 digits). Double Click to copy in Sequence to Send.</source>
        <translation>Sequenza DTMF (da 0 a 10 cifre). Doppio clic per copiarla in Sequenza da inviare.</translation>
    </message>
    <message>
        <source>DTMF sequence (0 to 10 digits). Double Click to copy in Sequence to Send</source>
        <translation>Sequenza DTMF (da 0 a 10 cifre). Doppio clic per copiarla in Sequenza da inviare</translation>
    </message>
    <message>
        <source>DTMF sequence (1 to 10 digits). Double Click to copy in Sequence to Send</source>
        <translation>Sequenza DTMF (da 1 a 10 cifre). Doppio clic per copiarla in Sequenza da inviare</translation>
    </message>
    <message>
        <source>Output %1 ON</source>
        <translation>Uscita %1 ON</translation>
    </message>
    <message>
        <source>Output %1 OFF</source>
        <translation>Uscita %1 OFF</translation>
    </message>
    <message>
        <source>Direct Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Remote Modify / Send</source>
        <translation>Modifica remota / Invio</translation>
    </message>
    <message>
        <source>Default Commands</source>
        <translation>Comandi base</translation>
    </message>
    <message>
        <source>Special Commands</source>
        <translation>Comandi speciali</translation>
    </message>
    <message>
        <source>0: Output 1 ON</source>
        <translation>0: Uscita 1 ON</translation>
    </message>
    <message>
        <source>1: Output 1 OFF</source>
        <translation>1: Uscita 1 OFF</translation>
    </message>
    <message>
        <source>2: Output 2 ON</source>
        <translation>2: Uscita 2 ON</translation>
    </message>
    <message>
        <source>3: Output 2 OFF</source>
        <translation>3: Uscita 2 OFF</translation>
    </message>
    <message>
        <source>4: Output 3 ON</source>
        <translation>4: Uscita 3 ON</translation>
    </message>
    <message>
        <source>5: Output 3 OFF</source>
        <translation>5: Uscita 3 OFF</translation>
    </message>
    <message>
        <source>6: Output 4 ON</source>
        <translation>6: Uscita 4 ON</translation>
    </message>
    <message>
        <source>7: Output 4 OFF</source>
        <translation>7: Uscita 4 OFF</translation>
    </message>
    <message>
        <source>8: Send Status</source>
        <translation>8: Invia stato</translation>
    </message>
    <message>
        <source>9: CW Reply Enable/Disable</source>
        <translation>9: Risposta CW sì/no</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Morse speed (14-150 WPM)</source>
        <translation>Velocità Morse (14-150 WPM)</translation>
    </message>
    <message>
        <source>10-11: Timer [Output 2]</source>
        <translation>10-11: Timer [Uscita 2]</translation>
    </message>
    <message>
        <source>Command to activate OUTPUT 2 to ON for a fixed time (Timer).</source>
        <translation>Comando che porta l&apos;USCITA 2 a ON per un tempo fisso (Timer).</translation>
    </message>
    <message>
        <source>off-ON-off</source>
        <translation>off-ON-off</translation>
    </message>
    <message>
        <source>on-OFF-on</source>
        <translation>on-OFF-on</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Timer for Output 2 ON or OFF in seconds (1-255)</source>
        <translation>Timer dell&apos;Uscita 2 ON o OFF in secondi (1-255)</translation>
    </message>
    <message>
        <source>12-13: Voltage Check [Output 4]</source>
        <translation>12-13: Controllo tensione [Usc. 4]</translation>
    </message>
    <message>
        <source>Enable(ON)/Disable(OFF) the OUTPUT 4 to be triggered by Lo and Hi voltage levels.</source>
        <translation>Abilita (ON) o disabilita (OFF) il comando dell&apos;USCITA 4 da parte delle soglie di tensione Lo e Hi.</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Abilita</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disabilita</translation>
    </message>
    <message>
        <source>Lo</source>
        <translation>Lo</translation>
    </message>
    <message>
        <source>0.0-25.0V. If voltage drops below this Low limit the Output 4 will be switched Off.</source>
        <translation>0.0-25.0V. Se la tensione scende sotto questa soglia bassa, l&apos;Uscita 4 viene spenta.</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hi</translation>
    </message>
    <message>
        <source>0.0-25.0V. If voltage rises above this High limit the Output 4 will be switched On.</source>
        <translation>0.0-25.0V. Se la tensione sale sopra questa soglia alta, l&apos;Uscita 4 viene accesa.</translation>
    </message>
    <message>
        <source>14: ALL Outputs ON</source>
        <translation>14: TUTTE le uscite ON</translation>
    </message>
    <message>
        <source>15: ALL Ouputs OFF</source>
        <translation>15: TUTTE le uscite OFF</translation>
    </message>
    <message>
        <source>Fixed Parameters</source>
        <translation>Parametri fissi</translation>
    </message>
    <message>
        <source>CW Call</source>
        <translation>Nominativo</translation>
    </message>
    <message>
        <source>CW Call to be transmitted in reply (0-6 char)</source>
        <translation>Nominativo CW trasmesso in risposta (0-6 caratteri)</translation>
    </message>
    <message>
        <source>Modifier ID</source>
        <translation>ID modifica</translation>
    </message>
    <message>
        <source>Modifier Sequence (1 to 8 digits)</source>
        <translation>Sequenza di modifica (da 1 a 8 cifre)</translation>
    </message>
    <message>
        <source>Checksum ID</source>
        <translation>ID checksum</translation>
    </message>
    <message>
        <source>Checksum Digit (1 digit)</source>
        <translation>Cifra di checksum (1 cifra)</translation>
    </message>
    <message>
        <source>Power-On Settings</source>
        <translation>All&apos;accensione</translation>
    </message>
    <message>
        <source>Settings at Power-On</source>
        <translation>Impostazioni all&apos;accensione</translation>
    </message>
    <message>
        <source>Press button to set this output to ON after Power-On</source>
        <translation>Premere per avere questa uscita ON dopo l&apos;accensione</translation>
    </message>
    <message>
        <source>CW Enabled</source>
        <translation>CW attivo</translation>
    </message>
    <message>
        <source>Enable/Disable CW Reply to Commands at Power-On</source>
        <translation>Abilita/disabilita la risposta CW ai comandi all&apos;accensione</translation>
    </message>
    <message>
        <source>V.Check Enabled</source>
        <translation>Contr. V attivo</translation>
    </message>
    <message>
        <source>Enable/Disable Voltage Check (Output 4) at Power-On</source>
        <translation>Abilita/disabilita il controllo tensione (Uscita 4) all&apos;accensione</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Load Configuration from Disk</source>
        <translation>Carica la configurazione dal disco</translation>
    </message>
    <message>
        <source>Save Configuration to Disk</source>
        <translation>Salva la configurazione sul disco</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmazione</translation>
    </message>
    <message>
        <source>Prg Comm</source>
        <translation>COM prog.</translation>
    </message>
    <message>
        <source>Program Comm number (1-16)</source>
        <translation>Numero della COM di programmazione (1-16)</translation>
    </message>
    <message>
        <source>Enable Program Comm</source>
        <translation>Abilita la COM di programmazione</translation>
    </message>
    <message>
        <source>Read data from Quorvantelix</source>
        <translation>Leggi i dati dal Quorvantelix</translation>
    </message>
    <message>
        <source>Program Quorvantelix</source>
        <translation>Scrivi la configurazione nel Quorvantelix</translation>
    </message>
    <message>
        <source>Remotely Replace a Command</source>
        <translation>Sostituzione remota di un comando</translation>
    </message>
    <message>
        <source>Original Sequence</source>
        <translation>Sequenza originale</translation>
    </message>
    <message>
        <source>Sequence to be replaced. Cannot end with Modifier ID</source>
        <translation>Sequenza da sostituire. Non può finire con l&apos;ID modifica</translation>
    </message>
    <message>
        <source>New Sequence</source>
        <translation>Nuova sequenza</translation>
    </message>
    <message>
        <source>New Sequence. Cannot contain Checksum ID or end with Modifier ID</source>
        <translation>Nuova sequenza. Non può contenere l&apos;ID checksum né finire con l&apos;ID modifica</translation>
    </message>
    <message>
        <source>Modifier ID:</source>
        <translation>ID modifica:</translation>
    </message>
    <message>
        <source>Checksum ID:</source>
        <translation>ID checksum:</translation>
    </message>
    <message>
        <source>Calculate correct sequence for remotely replace a command.</source>
        <translation>Calcola la sequenza giusta per sostituire un comando da remoto.</translation>
    </message>
    <message>
        <source>Send Sequence</source>
        <translation>Invia sequenza</translation>
    </message>
    <message>
        <source>Sequence to Send (1024 digits)</source>
        <translation>Sequenza da inviare (1024 cifre)</translation>
    </message>
    <message>
        <source>Allowed digits: 0..9*#ABCD, Space and Return</source>
        <translation>Cifre ammesse: 0..9*#ABCD, spazio e Invio</translation>
    </message>
    <message>
        <source>Digit duration</source>
        <translation>Durata cifra</translation>
    </message>
    <message>
        <source>Duration of a Digit</source>
        <translation>Durata di una cifra</translation>
    </message>
    <message>
        <source>mS</source>
        <translation>mS</translation>
    </message>
    <message>
        <source>Interdigit duration</source>
        <translation>Pausa tra cifre</translation>
    </message>
    <message>
        <source>Pause between digits</source>
        <translation>Pausa tra una cifra e l&apos;altra</translation>
    </message>
    <message>
        <source>Betw. sequences</source>
        <translation>Tra sequenze</translation>
    </message>
    <message>
        <source>Pause between two sequences</source>
        <translation>Pausa tra due sequenze</translation>
    </message>
    <message>
        <source>PTT Comm</source>
        <translation>COM PTT</translation>
    </message>
    <message>
        <source>PTT Comm number (1-16)</source>
        <translation>Numero della COM del PTT (1-16)</translation>
    </message>
    <message>
        <source>Enable PTT Comm</source>
        <translation>Abilita la COM del PTT</translation>
    </message>
    <message>
        <source>Tx Delay</source>
        <translation>Ritardo TX</translation>
    </message>
    <message>
        <source>TX Delay (20-2000)</source>
        <translation>Ritardo TX (20-2000)</translation>
    </message>
    <message>
        <source>Send Sequence using Sound Card</source>
        <translation>Invia la sequenza con la scheda audio</translation>
    </message>
    <message>
        <source>Original Sequence [cmd 15]</source>
        <translation>Sequenza originale [cmd 15]</translation>
    </message>
    <message>
        <source>New Sequence  [cmd 15]</source>
        <translation>Nuova sequenza  [cmd 15]</translation>
    </message>
    <message>
        <source>Sequence to Send</source>
        <translation>Sequenza da inviare</translation>
    </message>
    <message>
        <source>The manual cannot be shown.</source>
        <translation>Il manuale non si può mostrare.</translation>
    </message>
    <message>
        <source>Edits, reads and programs the DTMF decoder board, and sends DTMF sequences.</source>
        <translation>Modifica, legge e programma la scheda decodificatrice DTMF, e invia sequenze DTMF.</translation>
    </message>
    <message>
        <source>Record every byte on the serial line with its time in FILE, for a problem report.</source>
        <translation>Registra in FILE ogni byte della linea seriale con il suo istante, per una segnalazione di problemi.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Send sequences on this sound device (tonalis-cli audio-devices lists them).</source>
        <translation>Invia le sequenze su questo dispositivo audio (tonalis-cli audio-devices li elenca).</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Speak LANGUAGE, en or it, whatever the system&apos;s language and the Station setup say.</source>
        <translation>Usa la lingua LANGUAGE, en o it, qualunque sia quella del sistema o della Stazione.</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1.</source>
        <translation>Impossibile scrivere il file di traccia %1.</translation>
    </message>
    <message>
        <source>No sound output device is called %1. tonalis-cli audio-devices lists them.</source>
        <translation>Nessun dispositivo di uscita audio si chiama %1. tonalis-cli audio-devices li elenca.</translation>
    </message>
    <message>
        <source>Configuration file (*.prg)</source>
        <translation>File di configurazione (*.prg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>RTS of the PTT Comm port</source>
        <translation>RTS della porta COM del PTT</translation>
    </message>
    <message>
        <source>DTR of the PTT Comm port</source>
        <translation>DTR della porta COM del PTT</translation>
    </message>
    <message>
        <source>GPIO of a CM108 / CM119 sound chip</source>
        <translation>GPIO di un chip audio CM108 / CM119</translation>
    </message>
    <message>
        <source>The radio&apos;s CAT command (Hamlib)</source>
        <translation>Comando CAT della radio (Hamlib)</translation>
    </message>
    <message>
        <source>A running rigctld (Hamlib daemon)</source>
        <translation>Un rigctld in esecuzione (demone Hamlib)</translation>
    </message>
    <message>
        <source>Serial ports need the dialout group: sudo adduser $USER dialout, then log in again. ModemManager or brltty may take a USB serial adapter as it is plugged in (the port is busy, or vanishes): journalctl -b | grep -i -e ModemManager -e brltty tells which. ModemManager leaves alone an adapter that a udev rule marks with ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;; brltty takes only the adapters its own udev rule lists, so where a braille display needs it, use an adapter it does not list.</source>
        <translation>Le porte seriali richiedono il gruppo dialout: sudo adduser $USER dialout, poi rientrare nella sessione. ModemManager o brltty possono prendersi un adattatore seriale USB appena collegato (la porta risulta occupata, o sparisce): journalctl -b | grep -i -e ModemManager -e brltty dice quale dei due. ModemManager lascia stare un adattatore che una regola udev marca con ENV{ID_MM_DEVICE_IGNORE}=&quot;1&quot;; brltty prende solo gli adattatori elencati dalla sua regola udev, quindi dove serve per un display braille usare un adattatore che non vi compare.</translation>
    </message>
    <message>
        <source>hidraw device</source>
        <translation>dispositivo hidraw</translation>
    </message>
    <message>
        <source>HID device</source>
        <translation>dispositivo HID</translation>
    </message>
    <message>
        <source>Keying needs write access to the chip&apos;s hidraw device: the Tonalis package&apos;s udev rule gives it to the audio group (sudo adduser $USER audio, then log in again).</source>
        <translation>Per andare in trasmissione serve l&apos;accesso in scrittura al dispositivo hidraw del chip: la regola udev del pacchetto Tonalis lo dà al gruppo audio (sudo adduser $USER audio, poi rientrare nella sessione).</translation>
    </message>
    <message>
        <source>This PC has no sound card.</source>
        <translation>Questo PC non ha schede audio.</translation>
    </message>
    <message>
        <source>The program cannot send the DTMF tones</source>
        <translation>Il programma non può inviare i toni DTMF</translation>
    </message>
    <message>
        <source>Output 1 ON</source>
        <translation>Uscita 1 ON</translation>
    </message>
    <message>
        <source>Output 1 OFF</source>
        <translation>Uscita 1 OFF</translation>
    </message>
    <message>
        <source>Output 2 ON</source>
        <translation>Uscita 2 ON</translation>
    </message>
    <message>
        <source>Output 2 OFF</source>
        <translation>Uscita 2 OFF</translation>
    </message>
    <message>
        <source>Output 3 ON</source>
        <translation>Uscita 3 ON</translation>
    </message>
    <message>
        <source>Output 3 OFF</source>
        <translation>Uscita 3 OFF</translation>
    </message>
    <message>
        <source>Output 4 ON</source>
        <translation>Uscita 4 ON</translation>
    </message>
    <message>
        <source>Output 4 OFF</source>
        <translation>Uscita 4 OFF</translation>
    </message>
    <message>
        <source>Send Status</source>
        <translation>Invia stato</translation>
    </message>
    <message>
        <source>CW Reply Enable/Disable</source>
        <translation>Risposta CW sì/no</translation>
    </message>
    <message>
        <source>Timer [Output 2] off-ON-off</source>
        <translation>Timer [Uscita 2] off-ON-off</translation>
    </message>
    <message>
        <source>Timer [Output 2] on-OFF-on</source>
        <translation>Timer [Uscita 2] on-OFF-on</translation>
    </message>
    <message>
        <source>Voltage Check Enable</source>
        <translation>Controllo tensione abilitato</translation>
    </message>
    <message>
        <source>Voltage Check Disable</source>
        <translation>Controllo tensione disabilitato</translation>
    </message>
    <message>
        <source>ALL Outputs ON</source>
        <translation>TUTTE le uscite ON</translation>
    </message>
    <message>
        <source>ALL Outputs OFF</source>
        <translation>TUTTE le uscite OFF</translation>
    </message>
    <message>
        <source>Pages of the window</source>
        <translation>Pagine della finestra</translation>
    </message>
    <message>
        <source>Pages of the commands</source>
        <translation>Pagine dei comandi</translation>
    </message>
    <message>
        <source>FAILED to read version! Please Check Connections / Decoder</source>
        <translation>Lettura della versione FALLITA! Controllare i collegamenti / il decoder</translation>
    </message>
    <message>
        <source>FAILED to read data!  Please check Connections / Decoder</source>
        <translation>Lettura dei dati FALLITA!  Controllare i collegamenti / il decoder</translation>
    </message>
    <message>
        <source>FAILED to get Version!  Unable to program, please check Decoder</source>
        <translation>Versione NON ricevuta!  Impossibile programmare, controllare il decoder</translation>
    </message>
    <message>
        <source>FAILED to read data!  Unable to program, please check Decoder</source>
        <translation>Lettura dei dati FALLITA!  Impossibile programmare, controllare il decoder</translation>
    </message>
    <message>
        <source>Stopped: the port was closed before the exchange ended.</source>
        <translation>Interrotto: la porta è stata chiusa prima della fine dello scambio.</translation>
    </message>
    <message>
        <source>Error reading data from %1</source>
        <translation>Errore nella lettura dei dati da %1</translation>
    </message>
    <message>
        <source>Error programming %1</source>
        <translation>Errore nella programmazione di %1</translation>
    </message>
    <message>
        <source>%1 successfully programmed</source>
        <translation>%1 programmato correttamente</translation>
    </message>
    <message>
        <source>Data from %1 successfully read</source>
        <translation>Dati di %1 letti correttamente</translation>
    </message>
    <message>
        <source>Modifier ID or Checksum ID cannot be empty.</source>
        <translation>L&apos;ID modifica e l&apos;ID checksum non possono essere vuoti.</translation>
    </message>
    <message>
        <source>Please insert Modifier ID / Checksum ID in Direct Programming Tab.</source>
        <translation>Inserire l&apos;ID modifica e l&apos;ID checksum nella scheda Programmazione.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Original Sequence ends with Modifier ID Sequence.</source>
        <translation>La sequenza originale finisce con la sequenza dell&apos;ID modifica.</translation>
    </message>
    <message>
        <source>Please modify Original Sequence.</source>
        <translation>Modificare la sequenza originale.</translation>
    </message>
    <message>
        <source>New Sequence ends with Modifier ID Sequence.</source>
        <translation>La nuova sequenza finisce con la sequenza dell&apos;ID modifica.</translation>
    </message>
    <message>
        <source>Please modify New Sequence.</source>
        <translation>Modificare la nuova sequenza.</translation>
    </message>
    <message>
        <source>Original/New Sequence too short.</source>
        <translation>Sequenza originale o nuova troppo corta.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds characters that are not DTMF digits.</source>
        <translation>%1 &quot;%2&quot; contiene caratteri che non sono cifre DTMF.</translation>
    </message>
    <message>
        <source>Only 0-9, *, #, A, B, C and D can be sent.</source>
        <translation>Si possono inviare solo 0-9, *, #, A, B, C e D.</translation>
    </message>
    <message>
        <source>%1 is too long: %2 digits, at most %3 fit in the decoder.</source>
        <translation>%1 è troppo lunga: %2 cifre, nel decoder ne entrano al massimo %3.</translation>
    </message>
    <message>
        <source>Checksum ID &quot;%1&quot; must be one DTMF digit.</source>
        <translation>L&apos;ID checksum &quot;%1&quot; deve essere una sola cifra DTMF.</translation>
    </message>
    <message>
        <source>Please correct it in Direct Programming Tab.</source>
        <translation>Correggerlo nella scheda Programmazione.</translation>
    </message>
    <message>
        <source>New Sequence &quot;%1&quot; contains the Checksum ID %2.</source>
        <translation>La nuova sequenza &quot;%1&quot; contiene l&apos;ID checksum %2.</translation>
    </message>
    <message>
        <source>The decoder would take it as the end of the new command.</source>
        <translation>Il decoder lo prenderebbe per la fine del nuovo comando.</translation>
    </message>
    <message>
        <source>Digit %1 already used in command sequences.</source>
        <translation>La cifra %1 è già usata nelle sequenze dei comandi.</translation>
    </message>
    <message>
        <source>Please choose another digit.</source>
        <translation>Sceglierne un&apos;altra.</translation>
    </message>
    <message>
        <source>Comm Break Detected</source>
        <translation>Rilevato break sulla COM</translation>
    </message>
    <message>
        <source>Comm Frame Error</source>
        <translation>Errore di frame sulla COM</translation>
    </message>
    <message>
        <source>Comm OverRun Error</source>
        <translation>Errore di overrun sulla COM</translation>
    </message>
    <message>
        <source>Comm OverFlow Error</source>
        <translation>Errore di overflow sulla COM</translation>
    </message>
    <message>
        <source>Comm Parity Error</source>
        <translation>Errore di parità sulla COM</translation>
    </message>
    <message>
        <source>Comm Tx Buffer Full</source>
        <translation>Buffer di trasmissione della COM pieno</translation>
    </message>
    <message>
        <source>Comm Device Control Block Error</source>
        <translation>Errore nel blocco di controllo della COM</translation>
    </message>
    <message>
        <source>Error no.%1 on %2</source>
        <translation>Errore n.%1 su %2</translation>
    </message>
    <message>
        <source>Sequence completed.</source>
        <translation>Sequenza completata.</translation>
    </message>
    <message>
        <source>Effective time = %1</source>
        <translation>Tempo effettivo = %1</translation>
    </message>
    <message>
        <source>Sending Sequence.....</source>
        <translation>Invio della sequenza.....</translation>
    </message>
    <message>
        <source>%1 contains %2, which is not a DTMF digit (%3).</source>
        <translation>%1 contiene %2, che non è una cifra DTMF (%3).</translation>
    </message>
    <message>
        <source>the control character %1</source>
        <translation>il carattere di controllo %1</translation>
    </message>
    <message>
        <source>Command #%1</source>
        <translation>Comando n.%1</translation>
    </message>
    <message>
        <source>Checksum ID empty.</source>
        <translation>ID checksum vuoto.</translation>
    </message>
    <message>
        <source>Checksum ID must be one DTMF digit (%1), not &quot;%2&quot;.</source>
        <translation>L&apos;ID checksum deve essere una cifra DTMF (%1), non &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Please insert a valid Morse Speed</source>
        <translation>Inserire una velocità Morse valida</translation>
    </message>
    <message>
        <source>Morse Speed &quot;%1&quot; is not a number.</source>
        <translation>La velocità Morse &quot;%1&quot; non è un numero.</translation>
    </message>
    <message>
        <source>Please insert a valid Output 2 Timer Interval</source>
        <translation>Inserire un intervallo valido per il Timer dell&apos;Uscita 2</translation>
    </message>
    <message>
        <source>Output 2 Timer Interval &quot;%1&quot; is not a number.</source>
        <translation>L&apos;intervallo del Timer dell&apos;Uscita 2 &quot;%1&quot; non è un numero.</translation>
    </message>
    <message>
        <source>Battery High Level must be grater than Low level</source>
        <translation>La soglia alta della batteria deve essere maggiore di quella bassa</translation>
    </message>
    <message>
        <source>Please insert a valid Low Battery Voltage</source>
        <translation>Inserire una tensione bassa della batteria valida</translation>
    </message>
    <message>
        <source>Please insert a valid High Battery Voltage</source>
        <translation>Inserire una tensione alta della batteria valida</translation>
    </message>
    <message>
        <source>Command #%1 is equal to Command #%2</source>
        <translation>Il comando n.%1 è uguale al comando n.%2</translation>
    </message>
    <message>
        <source>Modifier ID is empty</source>
        <translation>L&apos;ID modifica è vuoto</translation>
    </message>
    <message>
        <source>CW Call contains %1, which the decoder cannot send (A-Z, 0-9, space and : ; &lt; = &gt; ? @).</source>
        <translation>Il nominativo CW contiene %1, che il decoder non può trasmettere (A-Z, 0-9, spazio e : ; &lt; = &gt; ? @).</translation>
    </message>
    <message>
        <source>CW Call is too long: %1 characters, at most %2 fit in the decoder.</source>
        <translation>Il nominativo CW è troppo lungo: %1 caratteri, nel decoder ne entrano al massimo %2.</translation>
    </message>
    <message>
        <source>low tone %1 Hz is %2 % off</source>
        <translation>tono basso %1 Hz spostato del %2 %</translation>
    </message>
    <message>
        <source>high tone %1 Hz is %2 % off</source>
        <translation>tono alto %1 Hz spostato del %2 %</translation>
    </message>
    <message>
        <source>level %1 dBFS, below %2 dBFS</source>
        <translation>livello %1 dBFS, sotto %2 dBFS</translation>
    </message>
    <message>
        <source>twist %1 dB, beyond %2/%3 dB</source>
        <translation>twist %1 dB, oltre %2/%3 dB</translation>
    </message>
    <message>
        <source>%1 ms long, under %2 ms</source>
        <translation>lunga %1 ms, meno di %2 ms</translation>
    </message>
    <message>
        <source>gap before it %1 ms, under %2 ms</source>
        <translation>pausa prima %1 ms, meno di %2 ms</translation>
    </message>
    <message>
        <source>heard %1, which was not sent</source>
        <translation>udita %1, che non era stata inviata</translation>
    </message>
    <message>
        <source>not heard</source>
        <translation>non udita</translation>
    </message>
    <message>
        <source>digit %1 (%2): taken</source>
        <translation>cifra %1 (%2): accettata</translation>
    </message>
    <message>
        <source>digit %1 (%2): %3</source>
        <translation>cifra %1 (%2): %3</translation>
    </message>
    <message>
        <source>digit %1 (%2) not heard</source>
        <translation>cifra %1 (%2) non udita</translation>
    </message>
    <message>
        <source>after digit %1: %2</source>
        <translation>dopo la cifra %1: %2</translation>
    </message>
    <message>
        <source>%1 of %2 digits heard</source>
        <translation>%1 cifre udite su %2</translation>
    </message>
    <message>
        <source>%1: the recording is silent</source>
        <translation>%1: la registrazione è muta</translation>
    </message>
    <message>
        <source>%1: no DTMF in the recording (its peak %2 dBFS)</source>
        <translation>%1: nessun DTMF nella registrazione (picco %2 dBFS)</translation>
    </message>
    <message>
        <source>%1, 1 more problem</source>
        <translation>%1, ancora 1 problema</translation>
    </message>
    <message>
        <source>%1, %2 more problems</source>
        <translation>%1, altri %2 problemi</translation>
    </message>
    <message>
        <source>%1, level %2 dBFS, twist %3 dB, shortest digit %4 ms</source>
        <translation>%1, livello %2 dBFS, twist %3 dB, cifra più breve %4 ms</translation>
    </message>
    <message>
        <source>%1, gap %2 ms</source>
        <translation>%1, pausa %2 ms</translation>
    </message>
    <message>
        <source>every digit would be taken</source>
        <translation>ogni cifra sarebbe accettata</translation>
    </message>
    <message>
        <source>%1 would be missed</source>
        <translation>%1 andrebbero perse</translation>
    </message>
    <message>
        <source>%1 is not there: is the radio interface plugged in?</source>
        <translation>%1 non c&apos;è: l&apos;interfaccia radio è collegata?</translation>
    </message>
    <message>
        <source>No permission to use %1: a udev rule must give your user access to the sound interface&apos;s hidraw device (the README shows one).</source>
        <translation>Nessun permesso di usare %1: una regola udev deve dare al proprio utente l&apos;accesso al dispositivo hidraw dell&apos;interfaccia audio (il README ne mostra una).</translation>
    </message>
    <message>
        <source>%1 is not a CM108&apos;s hidraw device: %2</source>
        <translation>%1 non è il dispositivo hidraw di un CM108: %2</translation>
    </message>
    <message>
        <source>it is an ordinary file, and it is not written to.</source>
        <translation>è un file normale, e non ci si scrive.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>è una cartella.</translation>
    </message>
    <message>
        <source>it is a disk (a block device), and it is not written to.</source>
        <translation>è un disco (un dispositivo a blocchi), e non ci si scrive.</translation>
    </message>
    <message>
        <source>it is not a device.</source>
        <translation>non è un dispositivo.</translation>
    </message>
    <message>
        <source>it is a device of another kind (hidraw devices are /dev/hidrawN), and it is not written to.</source>
        <translation>è un dispositivo di un altro tipo (i dispositivi hidraw sono /dev/hidrawN), e non ci si scrive.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <translation>%1 è usato da un altro programma.</translation>
    </message>
    <message>
        <source>%1 is not a CM108&apos;s HID device (the Station dialog lists them), and it is not written to.</source>
        <translation>%1 non è il dispositivo HID di un CM108 (la finestra Stazione li elenca), e non ci si scrive.</translation>
    </message>
    <message>
        <source>The rig refused the release (%1).</source>
        <translation>La radio ha rifiutato il rilascio (%1).</translation>
    </message>
    <message>
        <source>Cannot key the transmitter (%1):</source>
        <translation>Impossibile mettere in trasmissione (%1):</translation>
    </message>
    <message>
        <source>Cannot release the transmitter (%1):</source>
        <translation>Impossibile rilasciare il trasmettitore (%1):</translation>
    </message>
    <message>
        <source>rigctld refused PTT (%1). A rigctld started without a PTT type refuses it: start it with -P RIG (or the PTT type your radio needs).</source>
        <translation>rigctld ha rifiutato il PTT (%1). Un rigctld avviato senza un tipo di PTT lo rifiuta: avviarlo con -P RIG (o il tipo di PTT che serve alla radio).</translation>
    </message>
    <message>
        <source>The rig refused PTT (%1).</source>
        <translation>La radio ha rifiutato il PTT (%1).</translation>
    </message>
    <message>
        <source>The rig did not confirm PTT (%1); it was released again, to be safe.</source>
        <translation>La radio non ha confermato il PTT (%1); è stato rilasciato di nuovo, per sicurezza.</translation>
    </message>
    <message>
        <source>The rig did not confirm PTT (%1), and releasing it failed too (%2): the keyed state is unknown. Check the transmitter now!</source>
        <translation>La radio non ha confermato il PTT (%1), e anche il rilascio è fallito (%2): non si sa se è in trasmissione. Controllare subito il trasmettitore!</translation>
    </message>
    <message>
        <source>Hamlib has no rig model %1 (rigctl --list shows them).</source>
        <translation>Hamlib non ha il modello di radio %1 (rigctl --list li mostra).</translation>
    </message>
    <message>
        <source>rigctld does not answer at %1 (%2). Is it running?</source>
        <translation>rigctld non risponde su %1 (%2). È in funzione?</translation>
    </message>
    <message>
        <source>The rig on %1 does not answer (%2). Check that it is on, the cable, the model and the speed.</source>
        <translation>La radio su %1 non risponde (%2). Controllare che sia accesa, il cavo, il modello e la velocità.</translation>
    </message>
    <message>
        <source>Cannot open %1 (%2). Is the device there, not used by another program, and is your user in the dialout group?</source>
        <translation>Impossibile aprire %1 (%2). Il dispositivo c&apos;è, non è usato da un altro programma, e il proprio utente è nel gruppo dialout?</translation>
    </message>
    <message>
        <source>CAT through Hamlib is not part of the Windows build: run rigctld (Hamlib for Windows) for the rig and choose rigctld in the Station setup.</source>
        <translation>Il CAT attraverso Hamlib non fa parte della versione per Windows: avviare rigctld (Hamlib per Windows) per la radio e scegliere rigctld nella Stazione.</translation>
    </message>
    <message>
        <source>Cannot key the transmitter: the PTT setting cannot be read.</source>
        <translation>Impossibile mettere in trasmissione: l&apos;impostazione del PTT non si può leggere.</translation>
    </message>
    <message>
        <source>Choose the PTT again in the Station dialog.</source>
        <translation>Scegliere di nuovo il PTT nella finestra Stazione.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>the sound system could not start: %1</source>
        <translation>il sistema audio non è partito: %1</translation>
    </message>
    <message>
        <source>this machine has no sound input device</source>
        <translation>questo computer non ha dispositivi audio di ingresso</translation>
    </message>
    <message>
        <source>no sound input device is called %1</source>
        <translation>nessun dispositivo audio di ingresso si chiama %1</translation>
    </message>
    <message>
        <source>the input device could not be opened: %1</source>
        <translation>il dispositivo di ingresso non si è aperto: %1</translation>
    </message>
    <message>
        <source>the TX time limit of %1 s was reached</source>
        <translation>è stato raggiunto il limite di tempo TX di %1 s</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Mostra la versione del programma.</translation>
    </message>
    <message>
        <source>The level must be %1 to %2 dB.</source>
        <translation>Il livello deve essere da %1 a %2 dB.</translation>
    </message>
    <message>
        <source>The twist must be -%1 to +%1 dB.</source>
        <translation>Il twist deve essere da -%1 a +%1 dB.</translation>
    </message>
    <message>
        <source>Level %1 dB with twist %2 dB would clip: the two tones together pass full scale.</source>
        <translation>Livello %1 dB con twist %2 dB andrebbe in saturazione: i due toni insieme superano il fondo scala.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>File non trovato.</translation>
    </message>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>This is a folder, not a configuration file.</source>
        <translation>Questa è una cartella, non un file di configurazione.</translation>
    </message>
    <message>
        <source>This is a pipe or a device, not a configuration file.</source>
        <translation>Questa è una pipe o un dispositivo, non un file di configurazione.</translation>
    </message>
    <message>
        <source>The %1 holds a double quote or a line break, which a configuration file cannot keep.</source>
        <translation>Il campo %1 contiene delle virgolette o un a capo, che un file di configurazione non può conservare.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Il file non si è potuto leggere.</translation>
    </message>
    <message>
        <source>The file ends early: %1 of %2 is missing.</source>
        <translation>Il file finisce prima del previsto: manca %1 di %2.</translation>
    </message>
    <message>
        <source>%1 on line %2 is too long.</source>
        <translation>%1 alla riga %2 è troppo lungo.</translation>
    </message>
    <message>
        <source>Line %1: the closing quote of %2 is missing.</source>
        <translation>Riga %1: mancano le virgolette di chiusura di %2.</translation>
    </message>
    <message>
        <source>Line %1: the %2 is &quot;%3&quot;, which is not a check state (0 or 1).</source>
        <translation>Riga %1: il campo %2 vale &quot;%3&quot;, che non è uno stato di spunta (0 o 1).</translation>
    </message>
    <message>
        <source>item %1</source>
        <translation>elemento %1</translation>
    </message>
    <message>
        <source>The board history cannot be written: %1</source>
        <translation>Impossibile scrivere lo storico della scheda: %1</translation>
    </message>
    <message>
        <source>READ and PROGRAM work as before, but their results are not kept.</source>
        <translation>LEGGI e SCRIVI funzionano come prima, ma i loro risultati non vengono conservati.</translation>
    </message>
    <message>
        <source>Cannot create a file in %1: %2</source>
        <translation>Impossibile creare un file in %1: %2</translation>
    </message>
    <message>
        <source>Cannot set the permissions of %1: %2</source>
        <translation>Impossibile impostare i permessi di %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Cannot resolve %1: %2</source>
        <translation>Impossibile risolvere %1: %2</translation>
    </message>
    <message>
        <source>Cannot replace %1: %2</source>
        <translation>Impossibile sostituire %1: %2</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Impossibile creare %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: not a regular file</source>
        <translation>Impossibile scrivere %1: non è un file normale</translation>
    </message>
    <message>
        <source>Output 1 power-on state</source>
        <translation>stato dell&apos;Uscita 1 all&apos;accensione</translation>
    </message>
    <message>
        <source>Output 2 power-on state</source>
        <translation>stato dell&apos;Uscita 2 all&apos;accensione</translation>
    </message>
    <message>
        <source>Output 3 power-on state</source>
        <translation>stato dell&apos;Uscita 3 all&apos;accensione</translation>
    </message>
    <message>
        <source>Output 4 power-on state</source>
        <translation>stato dell&apos;Uscita 4 all&apos;accensione</translation>
    </message>
    <message>
        <source>Morse speed</source>
        <translation>velocità Morse</translation>
    </message>
    <message>
        <source>CW call</source>
        <translation>nominativo CW</translation>
    </message>
    <message>
        <source>Output 2 timer</source>
        <translation>timer dell&apos;Uscita 2</translation>
    </message>
    <message>
        <source>low battery level</source>
        <translation>soglia bassa della batteria</translation>
    </message>
    <message>
        <source>high battery level</source>
        <translation>soglia alta della batteria</translation>
    </message>
    <message>
        <source>command 0</source>
        <translation>comando 0</translation>
    </message>
    <message>
        <source>command 1</source>
        <translation>comando 1</translation>
    </message>
    <message>
        <source>command 2</source>
        <translation>comando 2</translation>
    </message>
    <message>
        <source>command 3</source>
        <translation>comando 3</translation>
    </message>
    <message>
        <source>command 4</source>
        <translation>comando 4</translation>
    </message>
    <message>
        <source>command 5</source>
        <translation>comando 5</translation>
    </message>
    <message>
        <source>command 6</source>
        <translation>comando 6</translation>
    </message>
    <message>
        <source>command 7</source>
        <translation>comando 7</translation>
    </message>
    <message>
        <source>command 8</source>
        <translation>comando 8</translation>
    </message>
    <message>
        <source>command 9</source>
        <translation>comando 9</translation>
    </message>
    <message>
        <source>command 10</source>
        <translation>comando 10</translation>
    </message>
    <message>
        <source>command 11</source>
        <translation>comando 11</translation>
    </message>
    <message>
        <source>command 12</source>
        <translation>comando 12</translation>
    </message>
    <message>
        <source>command 13</source>
        <translation>comando 13</translation>
    </message>
    <message>
        <source>command 14</source>
        <translation>comando 14</translation>
    </message>
    <message>
        <source>command 15</source>
        <translation>comando 15</translation>
    </message>
    <message>
        <source>programming port</source>
        <translation>porta di programmazione</translation>
    </message>
    <message>
        <source>%1: No such file or directory.</source>
        <translation>%1: il file o la cartella non esiste.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1 is a pipe (FIFO), not a file: it is not read, as it could block.</source>
        <translation>%1 è una pipe (FIFO), non un file: non viene letta, perché potrebbe bloccare.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: it is not read.</source>
        <translation>%1 è un dispositivo, non un file: non viene letto.</translation>
    </message>
    <message>
        <source>%1 is too large (%2 bytes) for what it should hold (at most %3).</source>
        <translation>%1 è troppo grande (%2 byte) per ciò che dovrebbe contenere (al massimo %3).</translation>
    </message>
    <message>
        <source>%1 is too large for what it should hold (at most %2 bytes).</source>
        <translation>%1 è troppo grande per ciò che dovrebbe contenere (al massimo %2 byte).</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>Output %1 at power-on</source>
        <translation>Uscita %1 all&apos;accensione</translation>
    </message>
    <message>
        <source>CW replies at power-on</source>
        <translation>Risposte CW all&apos;accensione</translation>
    </message>
    <message>
        <source>Voltage check at power-on</source>
        <translation>Controllo tensione all&apos;accensione</translation>
    </message>
    <message>
        <source>Command %1 (%2)</source>
        <translation>Comando %1 (%2)</translation>
    </message>
    <message>
        <source>Low battery level</source>
        <translation>Soglia bassa della batteria</translation>
    </message>
    <message>
        <source>High battery level</source>
        <translation>Soglia alta della batteria</translation>
    </message>
    <message>
        <source>Byte %1 (no field shows it): %2</source>
        <translation>Byte %1 (nessun campo lo mostra): %2</translation>
    </message>
    <message>
        <source>%1 line %2: %3 = &apos;%4&apos; is %5</source>
        <translation>%1 riga %2: %3 = &apos;%4&apos; è %5</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>più lungo di %1 caratteri</translation>
    </message>
    <message>
        <source>not a whole number from %1 to %2</source>
        <translation>non un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>not a number from %1 to %2</source>
        <translation>non un numero da %1 a %2</translation>
    </message>
    <message>
        <source>neither true nor false</source>
        <translation>né true né false</translation>
    </message>
    <message>
        <source>not one of auto, en, it</source>
        <translation>non uno tra auto, en, it</translation>
    </message>
    <message>
        <source>too loud with that twist (the tones would clip)</source>
        <translation>troppo forte con quel twist (i toni andrebbero in saturazione)</translation>
    </message>
    <message>
        <source>not one of rts, dtr, cm108, cat, rigctld</source>
        <translation>non uno tra rts, dtr, cm108, cat, rigctld</translation>
    </message>
    <message>
        <source>%1 is too large to be a station file</source>
        <translation>%1 è troppo grande per essere un file della stazione</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 non è un file</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>not a history entry (damaged, or cut short)</source>
        <translation>non è una voce dello storico (danneggiata, o troncata)</translation>
    </message>
    <message>
        <source>Cannot make the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>--ptt-line takes rts or dtr, not &apos;%1&apos;.</source>
        <translation>--ptt-line vuole rts o dtr, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--cm108 takes DEVICE[:GPIO] with a GPIO from 1 to 8, not &apos;%1&apos;.</source>
        <translation>--cm108 vuole DEVICE[:GPIO] con un GPIO da 1 a 8, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--cm108 needs a device, such as /dev/hidraw0.</source>
        <translation>--cm108 vuole un dispositivo, come /dev/hidraw0.</translation>
    </message>
    <message>
        <source>--rig takes MODEL:DEVICE[:BAUD] (rigctl --list shows the models), not &apos;%1&apos;.</source>
        <translation>--rig vuole MODEL:DEVICE[:BAUD] (rigctl --list mostra i modelli), non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--rigctld takes HOST:PORT, such as localhost:4532, not &apos;%1&apos;.</source>
        <translation>--rigctld vuole HOST:PORT, come localhost:4532, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>the sound could not be completed</source>
        <translation>il suono non si è potuto completare</translation>
    </message>
    <message>
        <source>the reader went away</source>
        <translation>chi leggeva se ne è andato</translation>
    </message>
    <message>
        <source>%1 is a folder, not a sound file: it is not read.</source>
        <translation>%1 è una cartella, non un file audio: non viene letta.</translation>
    </message>
    <message>
        <source>%1 is a pipe (FIFO), not a sound file: it is not read.</source>
        <translation>%1 è una pipe (FIFO), non un file audio: non viene letta.</translation>
    </message>
    <message>
        <source>%1 is a device, not a sound file: it is not read.</source>
        <translation>%1 è un dispositivo, non un file audio: non viene letto.</translation>
    </message>
    <message>
        <source>%1 is at %2 Hz; the decoders take %3 to %4 Hz.</source>
        <translation>%1 è a %2 Hz; i decodificatori accettano da %3 a %4 Hz.</translation>
    </message>
    <message>
        <source>%1 lasts %2 s; at most %3 s are read.</source>
        <translation>%1 dura %2 s; se ne leggono al massimo %3 s.</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends before the sound its header announces.</source>
        <translation>%1 è troncato: finisce prima del suono che la sua intestazione annuncia.</translation>
    </message>
    <message>
        <source>A calibration tone is 100 to 3500 Hz, up to 600 s, its peak -60 to 0 dBFS.</source>
        <translation>Un tono di taratura va da 100 a 3500 Hz, dura fino a 600 s, con il picco da -60 a 0 dBFS.</translation>
    </message>
    <message>
        <source>Not enough memory for the tone.</source>
        <translation>Memoria insufficiente per il tono.</translation>
    </message>
    <message>
        <source>The sequence is too long to play: %1 samples.</source>
        <translation>La sequenza è troppo lunga da suonare: %1 campioni.</translation>
    </message>
    <message>
        <source>Not enough memory for the sequence: it needs %1 MB.</source>
        <translation>Memoria insufficiente per la sequenza: servono %1 MB.</translation>
    </message>
    <message>
        <source>The Original Sequence %1 is none of the commands: the board would ignore the replacement.</source>
        <translation>La sequenza originale %1 non è nessuno dei comandi: la scheda ignorerebbe la sostituzione.</translation>
    </message>
    <message>
        <source>The New Sequence %1 is already command %2: the board would refuse the replacement, as two commands cannot be the same.</source>
        <translation>La nuova sequenza %1 è già il comando %2: la scheda rifiuterebbe la sostituzione, perché due comandi non possono essere uguali.</translation>
    </message>
    <message>
        <source>%1 lines of the journal are not records and were left out.</source>
        <translation>%1 righe del giornale non sono registrazioni e sono state tralasciate.</translation>
    </message>
    <message>
        <source>Cannot key the transmitter (CM108 GPIO %1 on %2):</source>
        <translation>Impossibile mettere in trasmissione (GPIO %1 del CM108 su %2):</translation>
    </message>
    <message>
        <source>Cannot release the transmitter (CM108 GPIO %1 on %2):</source>
        <translation>Impossibile rilasciare il trasmettitore (GPIO %1 del CM108 su %2):</translation>
    </message>
    <message>
        <source>no device chosen</source>
        <translation>nessun dispositivo scelto</translation>
    </message>
    <message>
        <source>The release got no answer from the rig (%1): the link to it failed, so it may still be keyed.</source>
        <translation>Il rilascio non ha avuto risposta dalla radio (%1): il collegamento è caduto, quindi potrebbe essere ancora in trasmissione.</translation>
    </message>
    <message>
        <source>(blank: erased)</source>
        <translation>(vuoto: cancellato)</translation>
    </message>
    <message>
        <source>sent over the air, not read back</source>
        <translation>inviato via radio, non riletto</translation>
    </message>
    <message>
        <source>confirmed by the READ of %1</source>
        <translation>confermato dalla lettura del %1</translation>
    </message>
    <message>
        <source>the READ of %1 differs</source>
        <translation>la lettura del %1 è diversa</translation>
    </message>
    <message>
        <source>send</source>
        <translation>invio</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>replacement</source>
        <translation>sostituzione</translation>
    </message>
    <message>
        <source>ptt-test</source>
        <translation>prova PTT</translation>
    </message>
    <message>
        <source>test-tone</source>
        <translation>tono di prova</translation>
    </message>
    <message>
        <source>calibration-tone</source>
        <translation>tono di taratura</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>completato</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>fermato</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (a link, pipe, device or folder): a trace is written only to one.</source>
        <translation>%1 non è un file ordinario (un collegamento, una pipe, un dispositivo o una cartella): una traccia si scrive solo in un file ordinario.</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>Sal&amp;va</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>A&amp;bilita</translation>
    </message>
    <message>
        <source>&amp;READ</source>
        <translation>&amp;LEGGI</translation>
    </message>
    <message>
        <source>&amp;PROGRAM</source>
        <translation>SC&amp;RIVI</translation>
    </message>
    <message>
        <source>&amp;Calculate Sequence to Send</source>
        <translation>&amp;Calcola la sequenza da inviare</translation>
    </message>
    <message>
        <source>Se&amp;nd Sequence</source>
        <translation>&amp;Invia sequenza</translation>
    </message>
    <message>
        <source>no program reads the FIFO</source>
        <translation>nessun programma legge la FIFO</translation>
    </message>
    <message>
        <source>The transmitter could not be keyed; the message said why.</source>
        <translation>Il trasmettitore non si è potuto attivare; il messaggio ha detto perché.</translation>
    </message>
    <message>
        <source>The transmitter was keyed for the TX time limit of %1 s, shorter than the test, and released.</source>
        <translation>Il trasmettitore è stato attivato per il limite di trasmissione di %1 s, più breve della prova, e rilasciato.</translation>
    </message>
    <message>
        <source>The transmitter was keyed and released.</source>
        <translation>Il trasmettitore è stato attivato e rilasciato.</translation>
    </message>
    <message>
        <source>The transmitter was keyed, but could not be released: check it now!</source>
        <translation>Il trasmettitore è stato attivato ma non si è potuto rilasciare: controllarlo subito!</translation>
    </message>
    <message>
        <source>a send is under way</source>
        <translation>un invio è in corso</translation>
    </message>
    <message>
        <source>%1 is not a network port: write rfc2217://HOST:PORT or socket://HOST:PORT (an IPv6 address in brackets, [::1]), PORT from 1 to 65535.</source>
        <translation>%1 non è una porta di rete: scrivere rfc2217://HOST:PORTA o socket://HOST:PORTA (un indirizzo IPv6 tra parentesi quadre, [::1]), PORTA da 1 a 65535.</translation>
    </message>
    <message>
        <source>The board&apos;s configuration was not changed.</source>
        <translation>La configurazione della scheda non è stata modificata.</translation>
    </message>
    <message>
        <source>The board may now hold part or all of the new configuration, not verified: read it, or program it again, once the port is back.</source>
        <translation>Ora la scheda può contenere in parte o del tutto la nuova configurazione, non verificata: leggila, o programmala di nuovo, quando la porta torna disponibile.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <translation>Impossibile collegarsi a %1: %2</translation>
    </message>
    <message>
        <source>connection refused (is the serial server running there, on this port?)</source>
        <translation>connessione rifiutata (il server seriale è in funzione là, su questa porta?)</translation>
    </message>
    <message>
        <source>no such host</source>
        <translation>host inesistente</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <source>%1 did not answer the serial line settings (RFC 2217) within %2 s. Is it a telnet port with RFC 2217 (ser2net: telnet(rfc2217))? A raw TCP port is named socket://%1.</source>
        <translation>%1 non ha risposto alle impostazioni della linea seriale (RFC 2217) entro %2 s. È una porta telnet con RFC 2217 (ser2net: telnet(rfc2217))? Una porta TCP semplice si chiama socket://%1.</translation>
    </message>
    <message>
        <source>%1 refuses to set the serial line (RFC 2217). A raw TCP port, set to 4800 8N1 at the server, is named socket://%1.</source>
        <translation>%1 rifiuta di impostare la linea seriale (RFC 2217). Una porta TCP semplice, impostata a 4800 8N1 sul server, si chiama socket://%1.</translation>
    </message>
    <message>
        <source>%1 set the line to %2 instead of %3: the board needs 4800 8N1.</source>
        <translation>%1 ha impostato la linea a %2 invece di %3: la scheda richiede 4800 8N1.</translation>
    </message>
    <message>
        <source>%1 speaks telnet: a port with RFC 2217 is named rfc2217://%1.</source>
        <translation>%1 parla telnet: una porta con RFC 2217 si chiama rfc2217://%1.</translation>
    </message>
    <message>
        <source>the serial server at %1 closed the connection.</source>
        <translation>il server seriale su %1 ha chiuso la connessione.</translation>
    </message>
    <message>
        <source>the serial server at %1 closed the connection, saying &quot;%2&quot;.</source>
        <translation>il server seriale su %1 ha chiuso la connessione, dicendo &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>the network link to %1 failed (%2).</source>
        <translation>il collegamento di rete con %1 si è interrotto (%2).</translation>
    </message>
    <message>
        <source>a port reached over the network cannot key a transmitter: keyed across a network link, it stays keyed when the link dies, and the sound comes from this computer. Key the site&apos;s transmitter at the site.</source>
        <translation>una porta raggiunta via rete non può mandare in trasmissione un trasmettitore: attivato attraverso un collegamento di rete, resta in trasmissione se il collegamento cade, e il suono viene da questo computer. Manda in trasmissione il trasmettitore del sito dal sito stesso.</translation>
    </message>
    <message>
        <source>not a JSON object: %1</source>
        <translation>non è un oggetto JSON: %1</translation>
    </message>
    <message>
        <source>a line longer than %1 bytes: not read</source>
        <translation>una riga più lunga di %1 byte: non letta</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;: the agent runs %2, and stop</source>
        <translation>comando sconosciuto &apos;%1&apos;: l&apos;agente esegue %2, e stop</translation>
    </message>
    <message>
        <source>&quot;args&quot; must be a list of texts</source>
        <translation>&quot;args&quot; deve essere un elenco di testi</translation>
    </message>
    <message>
        <source>request %1 is running: one at a time (stop it first)</source>
        <translation>la richiesta %1 è in corso: una alla volta (prima fermala)</translation>
    </message>
    <message>
        <source>nothing is running</source>
        <translation>non c&apos;è nulla in corso</translation>
    </message>
    <message>
        <source>%1 names a file or folder at the site: the agent writes only its own settings, journal and history. Run the command without it (a READ&apos;s result comes back in its &quot;read&quot; event).</source>
        <translation>%1 indica un file o una cartella nel sito: l&apos;agente scrive solo le proprie impostazioni, il registro e lo storico. Esegui il comando senza (il risultato di una LETTURA torna nel suo evento &quot;read&quot;).</translation>
    </message>
    <message>
        <source>&quot;prg&quot; holds the configuration&apos;s text, and &quot;-&quot; in &quot;args&quot; stands where its file would be</source>
        <translation>&quot;prg&quot; contiene il testo della configurazione, e &quot;-&quot; in &quot;args&quot; sta dove sarebbe il suo file</translation>
    </message>
    <message>
        <source>the command could not be started at the site: %1</source>
        <translation>non è stato possibile avviare il comando nel sito: %1</translation>
    </message>
    <message>
        <source>%1 is not a site: write ssh://HOST, ssh://USER@HOST or ssh://USER@HOST:PORT (an IPv6 address in brackets), or the name of a site in the Sites list.</source>
        <translation>%1 non è un sito: scrivi ssh://HOST, ssh://UTENTE@HOST o ssh://UTENTE@HOST:PORTA (un indirizzo IPv6 tra parentesi quadre), o il nome di un sito dell&apos;elenco Siti.</translation>
    </message>
    <message>
        <source>%1: a host or user may not begin with &apos;-&apos; or hold blanks or control characters.</source>
        <translation>%1: un host o un utente non può iniziare con &apos;-&apos; né contenere spazi o caratteri di controllo.</translation>
    </message>
    <message>
        <source>%1 refused the login: no key of this computer is accepted there for that user. Add this computer&apos;s public key to the site&apos;s authorized_keys (the README shows the line), or name the user in the address (ssh://USER@%1).</source>
        <translation>%1 ha rifiutato l&apos;accesso: nessuna chiave di questo computer è accettata là per quell&apos;utente. Aggiungi la chiave pubblica di questo computer al file authorized_keys del sito (il README mostra la riga), o indica l&apos;utente nell&apos;indirizzo (ssh://UTENTE@%1).</translation>
    </message>
    <message>
        <source>tonalis-cli is not installed at %1 (or not on its PATH): install the tonalis-cli package there, or give the site&apos;s program path in the Sites list.</source>
        <translation>tonalis-cli non è installato su %1 (o non è nel suo PATH): installa là il pacchetto tonalis-cli, o indica il percorso del programma del sito nell&apos;elenco Siti.</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <translation>Impossibile raggiungere %1: %2</translation>
    </message>
    <message>
        <source>Cannot start %1 to reach the site: %2. Install OpenSSH&apos;s client (openssh-client), or set TONALIS_SSH to the command to use.</source>
        <translation>Impossibile avviare %1 per raggiungere il sito: %2. Installa il client di OpenSSH (openssh-client), o imposta TONALIS_SSH al comando da usare.</translation>
    </message>
    <message>
        <source>%1 did not answer as Tonalis&apos;s agent (it said: %2).</source>
        <translation>%1 non ha risposto come l&apos;agente di Tonalis (ha detto: %2).</translation>
    </message>
    <message>
        <source>The agent at %1 speaks version %2 of the protocol and this program version %3 (%4 there): install the same version of Tonalis at both ends.</source>
        <translation>L&apos;agente su %1 parla la versione %2 del protocollo e questo programma la versione %3 (%4 là): installa la stessa versione di Tonalis ai due capi.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 s.</source>
        <translation>%1 non ha risposto entro %2 s.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost before the command ended (%2); the agent there stops it and releases the transmitter.</source>
        <translation>Il collegamento con %1 si è interrotto prima della fine del comando (%2); l&apos;agente là lo ferma e rilascia il trasmettitore.</translation>
    </message>
    <message>
        <source>The host key of %1 is not known here, or has changed. Tonalis never accepts a host key by itself: check the key with the site&apos;s keeper, then connect once with %2 and accept it (or correct ~/.ssh/known_hosts if the site was reinstalled).</source>
        <translation>La chiave host di %1 non è nota qui, o è cambiata. Tonalis non accetta mai da sé una chiave host: verifica la chiave con chi gestisce il sito, poi collegati una volta con %2 e accettala (o correggi ~/.ssh/known_hosts se il sito è stato reinstallato).</translation>
    </message>
    <message>
        <source>matches %1</source>
        <translation>corrisponde a %1</translation>
    </message>
    <message>
        <source>%1 field(s) differ from %2</source>
        <translation>%1 campo/i diverso/i da %2</translation>
    </message>
    <message>
        <source>this computer</source>
        <translation>questo computer</translation>
    </message>
    <message>
        <source>read (no configuration file to compare)</source>
        <translation>letta (nessun file di configurazione con cui confrontarla)</translation>
    </message>
    <message>
        <source>read; %1 cannot be read: %2</source>
        <translation>letta; non è possibile leggere %1: %2</translation>
    </message>
    <message>
        <source>READ failed (exit %1)</source>
        <translation>LETTURA fallita (uscita %1)</translation>
    </message>
    <message>
        <source>Reaching %1...</source>
        <translation>Collegamento a %1...</translation>
    </message>
    <message>
        <source>%1 failed at %2 (exit %3).</source>
        <translation>%1 non riuscito a %2 (uscita %3).</translation>
    </message>
    <message>
        <source>%1 The site&apos;s agent stops the send and releases the transmitter when the connection ends; the release is not confirmed from here.</source>
        <translation>%1 L&apos;agente del sito ferma l&apos;invio e rilascia il trasmettitore quando il collegamento termina; da qui il rilascio non è confermato.</translation>
    </message>
    <message>
        <source>%1 Nothing was sent.</source>
        <translation>%1 Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The send at %1 ended (exit %2) without saying how.</source>
        <translation>L&apos;invio a %1 è terminato (uscita %2) senza dire come.</translation>
    </message>
    <message>
        <source>heard</source>
        <translation>udita</translation>
    </message>
</context>
<context>
    <name>tonalis::AirStrip</name>
    <message>
        <source>Monitor: %1 (the first ten minutes)</source>
        <translation>Monitor: %1 (i primi dieci minuti)</translation>
    </message>
    <message>
        <source>Monitor: %1</source>
        <translation>Monitor: %1</translation>
    </message>
    <message>
        <source>taken</source>
        <translation>ricevuta</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Gap ms</source>
        <translation>Pausa ms</translation>
    </message>
    <message>
        <source>Low Hz</source>
        <translation>Bassa Hz</translation>
    </message>
    <message>
        <source>High Hz</source>
        <translation>Alta Hz</translation>
    </message>
    <message>
        <source>Low dBFS</source>
        <translation>Bassa dBFS</translation>
    </message>
    <message>
        <source>High dBFS</source>
        <translation>Alta dBFS</translation>
    </message>
    <message>
        <source>Twist dB</source>
        <translation>Twist dB</translation>
    </message>
    <message>
        <source>A receiver</source>
        <translation>Un ricevitore</translation>
    </message>
    <message>
        <source>What reached the air</source>
        <translation>Cosa è andato in aria</translation>
    </message>
    <message>
        <source>Click here to put %1 into command %2 (sent over the air, not confirmed)</source>
        <translation>Clic qui per mettere %1 nel comando %2 (inviato via radio, non confermato)</translation>
    </message>
</context>
<context>
    <name>tonalis::BoardLink</name>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Some lines of ports.ini are not understood and are ignored:</source>
        <translation>Alcune righe di ports.ini non sono comprese e vengono ignorate:</translation>
    </message>
    <message>
        <source>Not able to open %1</source>
        <translation>Impossibile aprire %1</translation>
    </message>
    <message>
        <source>Please enter a valid Comm number.</source>
        <translation>Inserire un numero di COM valido.</translation>
    </message>
    <message>
        <source>Cannot key the transmitter: %1 cannot drive its %2 line.</source>
        <translation>Impossibile attivare il trasmettitore: %1 non può pilotare la sua linea %2.</translation>
    </message>
    <message>
        <source>Reading Data.</source>
        <translation>Lettura dei dati.</translation>
    </message>
    <message>
        <source>Sending data on %1.</source>
        <translation>Invio dei dati su %1.</translation>
    </message>
    <message>
        <source>%1 detected.</source>
        <translation>Rilevato %1.</translation>
    </message>
    <message>
        <source>Wrong version detected: %1</source>
        <translation>Rilevata una versione sbagliata: %1</translation>
    </message>
    <message>
        <source>Use %1 !</source>
        <translation>Usare %1 !</translation>
    </message>
    <message>
        <source>The connection to %1 was lost: %2</source>
        <translation>Il collegamento con %1 si è perso: %2</translation>
    </message>
</context>
<context>
    <name>tonalis::ChannelWatch</name>
    <message>
        <source>Not listening to the channel.</source>
        <translation>Il canale non è in ascolto.</translation>
    </message>
    <message>
        <source>Listening paused while we send.</source>
        <translation>Ascolto sospeso mentre trasmettiamo.</translation>
    </message>
    <message>
        <source>Cannot listen: %1.</source>
        <translation>Impossibile ascoltare: %1.</translation>
    </message>
    <message>
        <source>the default input device</source>
        <translation>il dispositivo d&apos;ingresso predefinito</translation>
    </message>
    <message>
        <source>Listening on %1 since %2: %3 sequence(s) heard.</source>
        <translation>In ascolto su %1 dalle %2: %3 sequenze udite.</translation>
    </message>
</context>
<context>
    <name>tonalis::CommandsDialog</name>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>&amp;Print card...</source>
        <translation>&amp;Stampa scheda...</translation>
    </message>
    <message>
        <source>The commands and settings on one page for the site&apos;s crew, the keys masked (Ctrl+P)</source>
        <translation>Comandi e impostazioni su una pagina per il personale del sito, con le chiavi mascherate (Ctrl+P)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>The fields hold edits the board may not hold: what is sent is what the fields say.</source>
        <translation>I campi contengono modifiche che la scheda potrebbe non avere: si invia ciò che dicono i campi.</translation>
    </message>
    <message>
        <source>Commands of the configuration</source>
        <translation>Comandi della configurazione</translation>
    </message>
    <message>
        <source>Send %1</source>
        <translation>Invia %1</translation>
    </message>
</context>
<context>
    <name>tonalis::ConfigDocument</name>
    <message>
        <source>Unable to load data file %1</source>
        <translation>Impossibile caricare il file di dati %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Tonalis v%1 - %2</source>
        <translation>Tonalis v%1 - %2</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message>
        <source>The configuration in the fields has changes that are not saved in %1. Save them before going on?</source>
        <translation>La configurazione nei campi ha modifiche non salvate in %1. Salvarle prima di proseguire?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Nessun file recente</translation>
    </message>
    <message>
        <source>%1 - at %2</source>
        <translation>%1 - a %2</translation>
    </message>
</context>
<context>
    <name>tonalis::FrmIstruzioni</name>
    <message>
        <source>Instructions:</source>
        <translation>Istruzioni:</translation>
    </message>
    <message>
        <source>The help file %1 is missing</source>
        <translation>Manca il file di help %1</translation>
    </message>
    <message>
        <source>%1 is too large to be a manual.</source>
        <translation>%1 è troppo grande per essere un manuale.</translation>
    </message>
</context>
<context>
    <name>tonalis::FrmTone</name>
    <message>
        <source>Tonalis v%1 - DTMF sender</source>
        <translation>Tonalis v%1 - invio DTMF</translation>
    </message>
    <message>
        <source>The board looks unprogrammed: every byte of its memory is FF (erased). The fields show no commands and no CW call; fill them in and PROGRAM the board.</source>
        <translation>La scheda sembra non programmata: ogni byte della sua memoria vale FF (cancellato). I campi non mostrano comandi né nominativo CW; compilarli e premere SCRIVI.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Sequence to Send (%1 digits)</source>
        <translation>Sequenza da inviare (%1 cifre)</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>The journal of sends cannot be written: %1.</source>
        <translation>Impossibile scrivere il registro degli invii: %1.</translation>
    </message>
    <message>
        <source>Some of the Station setup cannot be read:</source>
        <translation>Alcune impostazioni della Stazione non si possono leggere:</translation>
    </message>
    <message>
        <source>The transmitter is not keyed until the PTT is chosen again in the Station dialog.</source>
        <translation>Il trasmettitore non viene attivato finché il PTT non viene scelto di nuovo nella finestra Stazione.</translation>
    </message>
    <message>
        <source>The sound device &quot;%1&quot; chosen in the Station setup is not there. Sequences are sent on the default device until it is back or another one is chosen.</source>
        <translation>Il dispositivo audio &quot;%1&quot; scelto nella Stazione non c&apos;è. Le sequenze vanno sul dispositivo predefinito finché non torna o non se ne sceglie un altro.</translation>
    </message>
    <message>
        <source>PTT by %1 (Station... changes it)</source>
        <translation>PTT con %1 (si cambia da Stazione...)</translation>
    </message>
    <message>
        <source>&amp;Station...</source>
        <translation>&amp;Stazione...</translation>
    </message>
    <message>
        <source>Serial ports, the radio&apos;s sound card and how the transmitter is keyed</source>
        <translation>Porte seriali, scheda audio della radio e modo di attivare il trasmettitore</translation>
    </message>
    <message>
        <source>H&amp;istory...</source>
        <translation>St&amp;orico...</translation>
    </message>
    <message>
        <source>Every board content read or programmed: compare it, put it back</source>
        <translation>Ogni contenuto della scheda letto o programmato: confrontarlo, ripristinarlo</translation>
    </message>
    <message>
        <source>Co&amp;mmands...</source>
        <translation>Co&amp;mandi...</translation>
    </message>
    <message>
        <source>The configuration&apos;s commands, each sent with one click</source>
        <translation>I comandi della configurazione, ognuno inviato con un clic</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Registro...</translation>
    </message>
    <message>
        <source>Every send, its result and the board&apos;s reply: filter, copy, export</source>
        <translation>Ogni invio, il suo esito e la risposta della scheda: filtrare, copiare, esportare</translation>
    </message>
    <message>
        <source>PROGRAM is writing the board. Closing now leaves it half written.</source>
        <translation>SCRIVI sta scrivendo la scheda. Chiudendo ora resterebbe scritta a metà.</translation>
    </message>
    <message>
        <source>Wait for PROGRAM to end?</source>
        <translation>Attendere la fine di SCRIVI?</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attendi</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Chiudi comunque</translation>
    </message>
    <message>
        <source> (the board history&apos;s last entry, %1)</source>
        <translation> (l&apos;ultima voce dello storico della scheda, %1)</translation>
    </message>
    <message>
        <source>PROGRAM was stopped: the board may now hold part of the new configuration and part of the old one. Program it again before use: the content it held before%1 or the configuration in the fields.</source>
        <translation>SCRIVI è stato interrotto: la scheda può ora contenere parte della nuova configurazione e parte della vecchia. Riprogrammarla prima dell&apos;uso: con il contenuto che aveva prima%1 o con la configurazione nei campi.</translation>
    </message>
    <message>
        <source>Please wait end of sound before closing application.</source>
        <translation>Attendere la fine del suono prima di chiudere il programma.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Impossibile salvare le impostazioni: %1</translation>
    </message>
    <message>
        <source>Close the window again to exit without saving them.</source>
        <translation>Chiudere di nuovo la finestra per uscire senza salvarle.</translation>
    </message>
</context>
<context>
    <name>tonalis::HistoryDialog</name>
    <message>
        <source>Board history</source>
        <translation>Storico della scheda</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>first</source>
        <translation>prima</translation>
    </message>
    <message>
        <source>&amp;Load into the fields</source>
        <translation>&amp;Metti nei campi</translation>
    </message>
    <message>
        <source>Puts this content into the window&apos;s fields as READ would; PROGRAM then restores it</source>
        <translation>Mette questo contenuto nei campi della finestra come farebbe LEGGI; SCRIVI poi lo ripristina</translation>
    </message>
    <message>
        <source>Sa&amp;ve as .prg...</source>
        <translation>Sal&amp;va come .prg...</translation>
    </message>
    <message>
        <source>Loaded into the fields at %1. PROGRAM writes exactly these bytes while the fields still show them.</source>
        <translation>Messo nei campi alle %1. SCRIVI scrive esattamente questi byte finché i campi li mostrano.</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Configuration file (*.prg)</source>
        <translation>File di configurazione (*.prg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 on %2 (%3), %4, board %5</source>
        <translation>%1 su %2 (%3), %4, scheda %5</translation>
    </message>
    <message>
        <source>Changed from the entry before (%1):</source>
        <translation>Cambiato rispetto alla voce precedente (%1):</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>The first entry for this device.</source>
        <translation>La prima voce per questo dispositivo.</translation>
    </message>
    <message>
        <source>Differs from the window&apos;s fields:</source>
        <translation>Differisce dai campi della finestra:</translation>
    </message>
    <message>
        <source>nothing: the fields show this content</source>
        <translation>niente: i campi mostrano questo contenuto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Nothing yet: every READ and PROGRAM is kept here, in %1</source>
        <translation>Ancora niente: ogni LEGGI e SCRIVI viene conservato qui, in %1</translation>
    </message>
    <message>
        <source>Board contents read and programmed</source>
        <translation>Contenuti della scheda letti e scritti</translation>
    </message>
    <message>
        <source>The selected content, compared</source>
        <translation>Il contenuto selezionato, confrontato</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1 (modificato)</translation>
    </message>
    <message>
        <source>%1 on %2 (%3), %4</source>
        <translation>%1 su %2 (%3), %4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>tonalis::JournalDialog</name>
    <message>
        <source>Journal of sends</source>
        <translation>Registro degli invii</translation>
    </message>
    <message>
        <source>Any text: a sequence, a command, a reply, failed...</source>
        <translation>Qualunque testo: una sequenza, un comando, una risposta, fallito...</translation>
    </message>
    <message>
        <source>&amp;Showing:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>&amp;From the day:</source>
        <translation>&amp;Dal giorno:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>The sends shown (or those selected), tab-separated, to the clipboard</source>
        <translation>Gli invii mostrati (o quelli selezionati), separati da tabulazioni, negli appunti</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Esporta il registro</translation>
    </message>
    <message>
        <source>CSV (*.csv);;All files (*)</source>
        <translation>CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>%1 of %2 sends</source>
        <translation>%1 di %2 invii</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Invii</translation>
    </message>
    <message>
        <source>&amp;Listen to the channel</source>
        <translation>Ascolta il ca&amp;nale</translation>
    </message>
    <message>
        <source>Each DTMF sequence heard on the Station setup&apos;s input device goes into the journal</source>
        <translation>Ogni sequenza DTMF udita sul dispositivo d&apos;ingresso della Stazione va nel registro</translation>
    </message>
    <message>
        <source>Cannot listen: %1.</source>
        <translation>Impossibile ascoltare: %1.</translation>
    </message>
</context>
<context>
    <name>tonalis::NetworkPortDialog</name>
    <message>
        <source>Add network port</source>
        <translation>Aggiungi porta di rete</translation>
    </message>
    <message>
        <source>The site&apos;s computer or serial server: a name, an IPv4 address, or an IPv6 one.</source>
        <translation>Il computer o il server seriale del sito: un nome, un indirizzo IPv4 o uno IPv6.</translation>
    </message>
    <message>
        <source>Telnet with RFC 2217 (ser2net telnet(rfc2217)): sets the line to 4800 8N1</source>
        <translation>Telnet con RFC 2217 (ser2net telnet(rfc2217)): imposta la linea a 4800 8N1</translation>
    </message>
    <message>
        <source>Raw TCP (ser2net tcp): the server&apos;s line must be set to 4800 8N1</source>
        <translation>TCP semplice (ser2net tcp): la linea del server deve essere impostata a 4800 8N1</translation>
    </message>
    <message>
        <source>A network port reads and programs the board; it never keys a transmitter.</source>
        <translation>Una porta di rete legge e programma la scheda; non manda mai in trasmissione un trasmettitore.</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>&amp;TCP port:</source>
        <translation>Porta &amp;TCP:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>Ti&amp;po:</translation>
    </message>
</context>
<context>
    <name>tonalis::ProgressDialog</name>
    <message>
        <source>Program Parameters</source>
        <translation>Programmazione parametri</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tonalis::SendPanel</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stops the send and releases the transmitter (Escape)</source>
        <translation>Ferma l&apos;invio e rilascia il trasmettitore (Esc)</translation>
    </message>
    <message>
        <source>Monitoring the transmission...</source>
        <translation>Monitoraggio della trasmissione...</translation>
    </message>
    <message>
        <source>Not monitoring: %1.</source>
        <translation>Nessun monitoraggio: %1.</translation>
    </message>
    <message>
        <source>Your transmission cannot be monitored: %1.</source>
        <translation>La trasmissione non può essere monitorata: %1.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>The board history cannot be written: %1</source>
        <translation>Impossibile scrivere lo storico della scheda: %1</translation>
    </message>
    <message>
        <source>Listening for the board&apos;s reply...</source>
        <translation>In ascolto della risposta della scheda...</translation>
    </message>
    <message>
        <source>Not listening for the reply: %1.</source>
        <translation>Nessun ascolto della risposta: %1.</translation>
    </message>
    <message>
        <source>The board&apos;s reply cannot be heard: %1.</source>
        <translation>La risposta della scheda non può essere ascoltata: %1.</translation>
    </message>
    <message>
        <source>Board&apos;s reply: %1...</source>
        <translation>Risposta della scheda: %1...</translation>
    </message>
    <message>
        <source>Stop was pressed</source>
        <translation>è stato premuto Ferma</translation>
    </message>
    <message>
        <source>No reply heard (%1).</source>
        <translation>Nessuna risposta ricevuta (%1).</translation>
    </message>
    <message>
        <source>Board&apos;s reply at %1: %2</source>
        <translation>Risposta della scheda alle %1: %2</translation>
    </message>
    <message>
        <source>call %1 recognised</source>
        <translation>nominativo %1 riconosciuto</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Sending works as before; choose an input device in the Station dialog.</source>
        <translation>L&apos;invio funziona come prima; scegliere un dispositivo d&apos;ingresso nella finestra Stazione.</translation>
    </message>
</context>
<context>
    <name>tonalis::SequenceSender</name>
    <message>
        <source>Sequence stopped: %1</source>
        <translation>Sequenza interrotta: %1</translation>
    </message>
    <message>
        <source>Sequence not sent: %1</source>
        <translation>Sequenza non inviata: %1</translation>
    </message>
    <message>
        <source>Sequence sent</source>
        <translation>Sequenza inviata</translation>
    </message>
    <message>
        <source>%1; the transmitter could NOT be released: check it now!</source>
        <translation>%1; il trasmettitore NON si è potuto rilasciare: controllarlo subito!</translation>
    </message>
    <message>
        <source>Sequence stopped: %1; the transmitter is released.</source>
        <translation>Sequenza interrotta: %1; il trasmettitore è rilasciato.</translation>
    </message>
    <message>
        <source>Sequence stopped: %1.</source>
        <translation>Sequenza interrotta: %1.</translation>
    </message>
    <message>
        <source>Sequence not sent: %1.</source>
        <translation>Sequenza non inviata: %1.</translation>
    </message>
    <message>
        <source>Sequence sent without PTT.</source>
        <translation>Sequenza inviata senza PTT.</translation>
    </message>
    <message>
        <source>the transmitter could not be keyed</source>
        <translation>non è stato possibile mettere in trasmissione</translation>
    </message>
</context>
<context>
    <name>tonalis::SiteBar</name>
    <message>
        <source>Si&amp;te:</source>
        <translation>Si&amp;to:</translation>
    </message>
    <message>
        <source>Where READ, PROGRAM and the sends go: this computer, or a site&apos;s agent over ssh</source>
        <translation>Dove vanno LEGGI, SCRIVI e gli invii: questo computer, o l&apos;agente di un sito tramite ssh</translation>
    </message>
    <message>
        <source>Listening for the board&apos;s reply...</source>
        <translation>In ascolto della risposta della scheda...</translation>
    </message>
    <message>
        <source>none heard</source>
        <translation>nessuna ricevuta</translation>
    </message>
    <message>
        <source>reachable</source>
        <translation>raggiungibile</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>At %1: READ, PROGRAM and the sends go to the site&apos;s board and transmitter.</source>
        <translation>A %1: LEGGI, SCRIVI e gli invii vanno alla scheda e al trasmettitore del sito.</translation>
    </message>
    <message>
        <source>On this computer.</source>
        <translation>Su questo computer.</translation>
    </message>
    <message>
        <source>READ at %1</source>
        <translation>LEGGI a %1</translation>
    </message>
    <message>
        <source>PROGRAM at %1</source>
        <translation>SCRIVI a %1</translation>
    </message>
    <message>
        <source>command %1</source>
        <translation>comando %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Done at %1.</source>
        <translation>Fatto a %1.</translation>
    </message>
    <message>
        <source>Journal at %1</source>
        <translation>Registro di %1</translation>
    </message>
    <message>
        <source>History at %1</source>
        <translation>Storico di %1</translation>
    </message>
</context>
<context>
    <name>tonalis::SitesPanel</name>
    <message>
        <source>Radio sites</source>
        <translation>Siti radio</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Sito</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Last contact</source>
        <translation>Ultimo contatto</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>Last READ</source>
        <translation>Ultima LETTURA</translation>
    </message>
    <message>
        <source>Configuration file</source>
        <translation>File di configurazione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Program at the site</source>
        <translation>Programma nel sito</translation>
    </message>
    <message>
        <source>Where: ssh://USER@HOST[:PORT], or &quot;this computer&quot;. Double-click a cell to change it.</source>
        <translation>Dove: ssh://UTENTE@HOST[:PORTA], o &quot;this computer&quot; (questo computer). Fai doppio clic su una cella per cambiarla.</translation>
    </message>
    <message>
        <source>A&amp;dd site</source>
        <translation>Aggiungi &amp;sito</translation>
    </message>
    <message>
        <source>&amp;Remove site</source>
        <translation>&amp;Rimuovi sito</translation>
    </message>
    <message>
        <source>Test &amp;connection</source>
        <translation>Prova il &amp;collegamento</translation>
    </message>
    <message>
        <source>Reaches the selected site&apos;s agent.</source>
        <translation>Raggiunge l&apos;agente del sito selezionato.</translation>
    </message>
    <message>
        <source>Check &amp;all sites</source>
        <translation>Controlla &amp;tutti i siti</translation>
    </message>
    <message>
        <source>Reads every site&apos;s board in turn and compares it with the site&apos;s configuration file.</source>
        <translation>Legge a turno la scheda di ogni sito e la confronta con il file di configurazione del sito.</translation>
    </message>
    <message>
        <source>What the check is doing</source>
        <translation>Che cosa sta facendo il controllo</translation>
    </message>
    <message>
        <source>sites.ini cannot be read: %1</source>
        <translation>non è possibile leggere sites.ini: %1</translation>
    </message>
    <message>
        <source>Lines of sites.ini that are not understood (ignored):</source>
        <translation>Righe di sites.ini non comprese (ignorate):</translation>
    </message>
    <message>
        <source>New site</source>
        <translation>Nuovo sito</translation>
    </message>
    <message>
        <source>Checking %1 of %2: %3...</source>
        <translation>Controllo %1 di %2: %3...</translation>
    </message>
    <message>
        <source>checking...</source>
        <translation>controllo...</translation>
    </message>
    <message>
        <source>No sites to check: add one first.</source>
        <translation>Nessun sito da controllare: prima aggiungine uno.</translation>
    </message>
    <message>
        <source>Select a site in the list first.</source>
        <translation>Prima seleziona un sito nell&apos;elenco.</translation>
    </message>
    <message>
        <source>reachable</source>
        <translation>raggiungibile</translation>
    </message>
    <message>
        <source>reached, but</source>
        <translation>raggiunto, ma</translation>
    </message>
    <message>
        <source>not reachable</source>
        <translation>non raggiungibile</translation>
    </message>
    <message>
        <source>Sto&amp;p the check</source>
        <translation>&amp;Ferma il controllo</translation>
    </message>
    <message>
        <source>Sites checked: %1.</source>
        <translation>Siti controllati: %1.</translation>
    </message>
    <message>
        <source>Problems of the Sites list</source>
        <translation>Problemi dell&apos;elenco Siti</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Ultimo invio</translation>
    </message>
    <message>
        <source>Board&apos;s reply</source>
        <translation>Risposta della scheda</translation>
    </message>
</context>
<context>
    <name>tonalis::StationDialog</name>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Serial ports</source>
        <translation>Porte seriali</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>PTT</source>
        <translation>PTT</translation>
    </message>
    <message>
        <source>The system&apos;s</source>
        <translation>Quella del sistema</translation>
    </message>
    <message>
        <source>The language of the windows and messages, from the program&apos;s next start.</source>
        <translation>La lingua delle finestre e dei messaggi, dal prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Lan&amp;guage:</source>
        <translation>Lin&amp;gua:</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Name that survives replugging</source>
        <translation>Nome che resta dopo averlo ricollegato</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>&amp;Use the selected port as</source>
        <translation>&amp;Usa la porta selezionata come</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>si può aprire</translation>
    </message>
    <message>
        <source>No serial ports were found on this machine.</source>
        <translation>Su questa macchina non ci sono porte seriali.</translation>
    </message>
    <message>
        <source>No port is mapped: COM1 is %1, COM2 is %2, and so on.</source>
        <translation>Nessuna porta assegnata: COM1 è %1, COM2 è %2, e così via.</translation>
    </message>
    <message>
        <source>Mapped:</source>
        <translation>Assegnate:</translation>
    </message>
    <message>
        <source>Lines of ports.ini that are not understood (ignored):</source>
        <translation>Righe di ports.ini non comprese (ignorate):</translation>
    </message>
    <message>
        <source>Select a port in the list first.</source>
        <translation>Selezionare prima una porta nell&apos;elenco.</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinito</translation>
    </message>
    <message>
        <source>%1  (not found)</source>
        <translation>%1  (non trovato)</translation>
    </message>
    <message>
        <source>&amp;Play test tone</source>
        <translation>&amp;Tono di prova</translation>
    </message>
    <message>
        <source>&amp;Key the transmitter while it plays</source>
        <translation>&amp;Attiva il trasmettitore mentre suona</translation>
    </message>
    <message>
        <source>&amp;Calibration tone</source>
        <translation>Tono di &amp;calibrazione</translation>
    </message>
    <message>
        <source>A steady 1 kHz sine for 60 s, at the peak of one DTMF tone and the level above: set the transmitter&apos;s deviation (the manual tells how) and the sound card&apos;s mixer.</source>
        <translation>Una sinusoide fissa a 1 kHz per 60 s, al picco di un tono DTMF e al livello qui sopra: per regolare la deviazione del trasmettitore (il manuale spiega come) e il mixer della scheda audio.</translation>
    </message>
    <message>
        <source>Stop &amp;tone</source>
        <translation>&amp;Ferma il tono</translation>
    </message>
    <message>
        <source>The tones&apos; level from the usual one (0 dB): lower it when the transmitter over-deviates and the board misses digits.</source>
        <translation>Il livello dei toni rispetto a quello normale (0 dB): abbassarlo quando il trasmettitore devia troppo e la scheda perde cifre.</translation>
    </message>
    <message>
        <source>The high tone&apos;s level above the low one&apos;s (0: equal). A radio&apos;s flat data input loses the high tone: a positive twist makes up for it.</source>
        <translation>Il livello del tono alto sopra quello del basso (0: uguali). L&apos;ingresso dati piatto di una radio perde il tono alto: un twist positivo lo compensa.</translation>
    </message>
    <message>
        <source>Output to the radio:</source>
        <translation>Uscita verso la radio:</translation>
    </message>
    <message>
        <source>Input from the receiver:</source>
        <translation>Ingresso dal ricevitore:</translation>
    </message>
    <message>
        <source>T&amp;wist (high tone):</source>
        <translation>T&amp;wist (tono alto):</translation>
    </message>
    <message>
        <source>The test tone is the digit 5 for one second. The input is where the board&apos;s Morse replies are heard, and where a second receiver (or the radio&apos;s monitor output) lets Tonalis check its own transmission.</source>
        <translation>Il tono di prova è la cifra 5 per un secondo. L&apos;ingresso è dove si ascoltano le risposte Morse della scheda, e dove un secondo ricevitore (o l&apos;uscita monitor della radio) permette a Tonalis di controllare la propria trasmissione.</translation>
    </message>
    <message>
        <source>After each send, &amp;listen for the board&apos;s Morse reply for up to</source>
        <translation>Dopo ogni invio, a&amp;scolta la risposta Morse della scheda per al massimo</translation>
    </message>
    <message>
        <source>&amp;Monitor my transmission on the input device</source>
        <translation>&amp;Monitora la mia trasmissione sul dispositivo d&apos;ingresso</translation>
    </message>
    <message>
        <source>During each send, record the input (a second receiver, or the radio&apos;s monitor output) and show how many digits reached the air, their level, twist and timing.</source>
        <translation>Durante ogni invio, registra l&apos;ingresso (un secondo ricevitore, o l&apos;uscita monitor della radio) e mostra quante cifre sono andate in aria, con livello, twist e tempi.</translation>
    </message>
    <message>
        <source>In the &amp;journal, show the Modifier ID and Checksum ID as *</source>
        <translation>Nel &amp;registro, mostra l&apos;ID modifica e l&apos;ID checksum come *</translation>
    </message>
    <message>
        <source>They are the site&apos;s keys: anyone who reads the journal could change its commands.</source>
        <translation>Sono le chiavi del sito: chiunque legga il registro potrebbe cambiarne i comandi.</translation>
    </message>
    <message>
        <source>&amp;Inverted: the transmitter is keyed when the line is low</source>
        <translation>&amp;Invertito: il trasmettitore è attivo quando la linea è bassa</translation>
    </message>
    <message>
        <source>The port is the window&apos;s &quot;PTT Comm&quot; (COM%1), opened when its Enable box is ticked. Programming and PTT then share that port, one at a time.</source>
        <translation>La porta è la &quot;COM PTT&quot; della finestra (COM%1), aperta quando la sua casella Abilita è spuntata. Programmazione e PTT condividono allora quella porta, una alla volta.</translation>
    </message>
    <message>
        <source>  (CM108 family)</source>
        <translation>  (famiglia CM108)</translation>
    </message>
    <message>
        <source>No %1 found: is the radio interface plugged in?</source>
        <translation>Nessun %1 trovato: l&apos;interfaccia radio è collegata?</translation>
    </message>
    <message>
        <source>GPIO pin:</source>
        <translation>Pin GPIO:</translation>
    </message>
    <message>
        <source>Search: manufacturer, model or number</source>
        <translation>Cerca: produttore, modello o numero</translation>
    </message>
    <message>
        <source>the model&apos;s default</source>
        <translation>quella del modello</translation>
    </message>
    <message>
        <source>Rig model:</source>
        <translation>Modello di radio:</translation>
    </message>
    <message>
        <source>Serial device:</source>
        <translation>Dispositivo seriale:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocità:</translation>
    </message>
    <message>
        <source>CAT through Hamlib is not part of this build: run rigctld (Hamlib) for the rig and choose rigctld above.</source>
        <translation>Il CAT tramite Hamlib non è incluso in questa versione: avviare rigctld (Hamlib) per la radio e scegliere rigctld qui sopra.</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Test PTT</source>
        <translation>Prova PTT</translation>
    </message>
    <message>
        <source>&amp;Test PTT</source>
        <translation>&amp;Prova PTT</translation>
    </message>
    <message>
        <source>St&amp;op</source>
        <translation>Fe&amp;rma</translation>
    </message>
    <message>
        <source>Key for</source>
        <translation>Trasmetti per</translation>
    </message>
    <message>
        <source>no limit</source>
        <translation>nessun limite</translation>
    </message>
    <message>
        <source>A send that keeps the transmitter keyed longer than this is stopped and the transmitter released (a TX watchdog). Long sequences need a long limit.</source>
        <translation>Un invio che tiene il trasmettitore attivo più di così viene fermato e il trasmettitore rilasciato (un watchdog TX). Le sequenze lunghe richiedono un limite lungo.</translation>
    </message>
    <message>
        <source>How long the transmitter stays keyed after the last tone, so that the carrier does not drop under it.</source>
        <translation>Quanto resta attivo il trasmettitore dopo l&apos;ultimo tono, perché la portante non cada sotto di esso.</translation>
    </message>
    <message>
        <source>Key the transmitter by:</source>
        <translation>Attiva il trasmettitore con:</translation>
    </message>
    <message>
        <source>TX time limit:</source>
        <translation>Limite di tempo TX:</translation>
    </message>
    <message>
        <source>PTT tail:</source>
        <translation>Coda del PTT:</translation>
    </message>
    <message>
        <source>The window holds a serial port open (programming or PTT enabled). Untick its Enable box first, then test again.</source>
        <translation>La finestra tiene aperta una porta seriale (programmazione o PTT abilitati). Togliere prima la spunta ad Abilita, poi riprovare.</translation>
    </message>
    <message>
        <source>Keying %1...</source>
        <translation>Attivazione di %1...</translation>
    </message>
    <message>
        <source>Transmitting: %1 s left.</source>
        <translation>In trasmissione: mancano %1 s.</translation>
    </message>
    <message>
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>The journal of sends cannot be written: %1.</source>
        <translation>Impossibile scrivere il registro degli invii: %1.</translation>
    </message>
    <message>
        <source>Playing the test tone...</source>
        <translation>Tono di prova in corso...</translation>
    </message>
    <message>
        <source>Choose the %1 of the sound chip.</source>
        <translation>Scegliere il %1 del chip audio.</translation>
    </message>
    <message>
        <source>Choose the rig model and its serial device.</source>
        <translation>Scegliere il modello di radio e il suo dispositivo seriale.</translation>
    </message>
    <message>
        <source>Lower the level or the twist.</source>
        <translation>Abbassare il livello o il twist.</translation>
    </message>
    <message>
        <source>Give the host rigctld runs on: a name such as localhost or an address such as 127.0.0.1 (no spaces, no port: the port has its own field).</source>
        <translation>Indicare l&apos;host su cui gira rigctld: un nome come localhost o un indirizzo come 127.0.0.1 (senza spazi né porta: la porta ha il suo campo).</translation>
    </message>
    <message>
        <source>The port choices could not be stored: %1</source>
        <translation>Impossibile memorizzare le scelte delle porte: %1</translation>
    </message>
    <message>
        <source>The station could not be stored: %1</source>
        <translation>Impossibile memorizzare la stazione: %1</translation>
    </message>
    <message>
        <source>Output le&amp;vel:</source>
        <translation>Li&amp;vello d&apos;uscita:</translation>
    </message>
    <message>
        <source>Pages of the station</source>
        <translation>Pagine della stazione</translation>
    </message>
    <message>
        <source>Serial ports on this machine</source>
        <translation>Porte seriali di questa macchina</translation>
    </message>
    <message>
        <source>The COM number the selected port becomes</source>
        <translation>Il numero COM che la porta selezionata diventa</translation>
    </message>
    <message>
        <source>Seconds to listen for the reply</source>
        <translation>Secondi di ascolto della risposta</translation>
    </message>
    <message>
        <source>Rig model</source>
        <translation>Modello di radio</translation>
    </message>
    <message>
        <source>%1  (FIFO of raw audio)</source>
        <translation>%1  (FIFO di audio grezzo)</translation>
    </message>
    <message>
        <source>ports.ini cannot be read: %1</source>
        <translation>ports.ini non può essere letto: %1</translation>
    </message>
    <message>
        <source>Playing the calibration tone: 1 kHz, %1 s left...</source>
        <translation>Tono di taratura in corso: 1 kHz, mancano %1 s...</translation>
    </message>
    <message>
        <source>Transmitting: %1 s left (the TX time limit of %2 s).</source>
        <translation>In trasmissione: mancano %1 s (il limite di trasmissione di %2 s).</translation>
    </message>
    <message>
        <source>The language chosen is stored: the windows and messages speak it from the program&apos;s next start.</source>
        <translation>La lingua scelta è memorizzata: finestre e messaggi la useranno dal prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Add &amp;network port...</source>
        <translation>Aggiungi porta di &amp;rete...</translation>
    </message>
    <message>
        <source>A serial port at a site, exported by a network serial server such as ser2net.</source>
        <translation>Una porta seriale in un sito, esportata da un server seriale di rete come ser2net.</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Asks the board on the selected port to identify itself.</source>
        <translation>Chiede alla scheda sulla porta selezionata di identificarsi.</translation>
    </message>
    <message>
        <source>A port at a site, over the network (telnet, RFC 2217)</source>
        <translation>Una porta in un sito, via rete (telnet, RFC 2217)</translation>
    </message>
    <message>
        <source>A port at a site, over the network (raw TCP)</source>
        <translation>Una porta in un sito, via rete (TCP semplice)</translation>
    </message>
    <message>
        <source>reads and programs; never keys a transmitter</source>
        <translation>legge e programma; non manda mai in trasmissione</translation>
    </message>
    <message>
        <source>%1 is open in the main window: untick Enable there to test it here.</source>
        <translation>%1 è aperta nella finestra principale: togli lì la spunta a Abilita per provarla qui.</translation>
    </message>
    <message>
        <source>Asking the board on %1 to identify itself...</source>
        <translation>Richiesta alla scheda su %1 di identificarsi...</translation>
    </message>
    <message>
        <source>What the port test found</source>
        <translation>Che cosa ha trovato la prova della porta</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Siti</translation>
    </message>
    <message>
        <source>The Sites list could not be stored: %1</source>
        <translation>Non è stato possibile salvare l&apos;elenco Siti: %1</translation>
    </message>
</context>
<context>
    <name>tonalis::TonePlayer</name>
    <message>
        <source>the sound device does not respond</source>
        <translation>il dispositivo audio non risponde</translation>
    </message>
    <message>
        <source>The sound device still does not respond: it has not finished opening or closing. Check the sound system, or choose another device in the Station dialog.</source>
        <translation>Il dispositivo audio ancora non risponde: non ha finito di aprirsi o di chiudersi. Controllare il sistema audio, o scegliere un altro dispositivo nella finestra Stazione.</translation>
    </message>
    <message>
        <source>the sound device could not be opened</source>
        <translation>il dispositivo audio non si è aperto</translation>
    </message>
    <message>
        <source>the sound device would not start</source>
        <translation>il dispositivo audio non è partito</translation>
    </message>
    <message>
        <source>The sound device does not respond: it did not open within %1 s. Check the sound system, or choose another device in the Station dialog.</source>
        <translation>Il dispositivo audio non risponde: non si è aperto entro %1 s. Controllare il sistema audio, o scegliere un altro dispositivo nella finestra Stazione.</translation>
    </message>
    <message>
        <source>The sound device does not respond after playing the sequence.</source>
        <translation>Il dispositivo audio non risponde dopo aver suonato la sequenza.</translation>
    </message>
    <message>
        <source>the sound device stopped playing</source>
        <translation>il dispositivo audio ha smesso di suonare</translation>
    </message>
    <message>
        <source>The sound device did not finish playing the sequence in time; playback was stopped.</source>
        <translation>Il dispositivo audio non ha finito di suonare la sequenza in tempo; la riproduzione è stata fermata.</translation>
    </message>
</context>
<context>
    <name>tonalis::cli</name>
    <message>
        <source>%1 is not a 192-byte decoder image.</source>
        <translation>%1 non è un&apos;immagine del decoder di 192 byte.</translation>
    </message>
    <message>
        <source>Simulates the decoder board on a pseudo-terminal, for use without hardware.
Prints the terminal&apos;s device path, then answers like the board until stopped
(Ctrl+C). Faults, repeatable:</source>
        <translation>Simula la scheda decoder su uno pseudo-terminale, per lavorare senza hardware.
Stampa il percorso del dispositivo del terminale, poi risponde come la scheda
finché non viene fermato (Ctrl+C). Guasti, ripetibili:</translation>
    </message>
    <message>
        <source>Also make PATH a symbolic link to the device.</source>
        <translation>Crea anche PATH come collegamento simbolico al dispositivo.</translation>
    </message>
    <message>
        <source>Keep the board&apos;s memory in FILE (192 bytes).</source>
        <translation>Conserva la memoria della scheda in FILE (192 byte).</translation>
    </message>
    <message>
        <source>The banner the board reports.</source>
        <translation>L&apos;intestazione che la scheda riporta.</translation>
    </message>
    <message>
        <source>Misbehave in this way.</source>
        <translation>Comportati male in questo modo.</translation>
    </message>
    <message>
        <source>Record every byte received and sent, with its time, in FILE.</source>
        <translation>Registra in FILE ogni byte ricevuto e inviato, con il suo istante.</translation>
    </message>
    <message>
        <source>Misbehave only for the first N requests (identify, read, program).</source>
        <translation>Comportati male solo per le prime N richieste (identificazione, lettura, programmazione).</translation>
    </message>
    <message>
        <source>Answer the first N requests normally before misbehaving.</source>
        <translation>Rispondi normalmente alle prime N richieste prima di comportarti male.</translation>
    </message>
    <message>
        <source>Answer at full speed instead of at 4800 baud.</source>
        <translation>Rispondi alla massima velocità invece che a 4800 baud.</translation>
    </message>
    <message>
        <source>Wait N ms before answering identify (default 5).</source>
        <translation>Attendi N ms prima di rispondere all&apos;identificazione (predefinito 5).</translation>
    </message>
    <message>
        <source>Wait N ms before answering a read (default 5).</source>
        <translation>Attendi N ms prima di rispondere a una lettura (predefinito 5).</translation>
    </message>
    <message>
        <source>Also hear DTMF from SOURCE and act on it: a sound file, - (raw signed 16-bit mono 8000 Hz on standard input), a FIFO giving the same, or a sound input device.</source>
        <translation>Ascolta anche il DTMF da SOURCE ed eseguilo: un file audio, - (audio grezzo a 16 bit con segno, mono, 8000 Hz sullo standard input), una FIFO che dà lo stesso, o un dispositivo audio di ingresso.</translation>
    </message>
    <message>
        <source>Digits closer than N ms make one sequence (default 1000).</source>
        <translation>Le cifre a meno di N ms l&apos;una dall&apos;altra formano una sequenza (predefinito 1000).</translation>
    </message>
    <message>
        <source>Answer in Morse to TARGET: a .wav file, - (raw audio on standard output), a FIFO, or a sound output device.</source>
        <translation>Rispondi in Morse su TARGET: un file .wav, - (audio grezzo sullo standard output), una FIFO o un dispositivo audio di uscita.</translation>
    </message>
    <message>
        <source>The Morse reply&apos;s tone (default 800 Hz).</source>
        <translation>Il tono della risposta Morse (predefinito 800 Hz).</translation>
    </message>
    <message>
        <source>Hear the air through an FM radio link: &apos;emphasis&apos; (the transmitter&apos;s microphone path) or &apos;flat&apos; (a data input, whose high tone the receiver&apos;s de-emphasis lowers).</source>
        <translation>Ascolta l&apos;etere attraverso un collegamento radio FM: &apos;emphasis&apos; (il percorso microfonico del trasmettitore) o &apos;flat&apos; (un ingresso dati, il cui tono alto viene abbassato dalla de-enfasi del ricevitore).</translation>
    </message>
    <message>
        <source>The link&apos;s deviation limiter: it clips above a sine of this peak (-40 to 0 dBFS; with --channel).</source>
        <translation>Il limitatore di deviazione del collegamento: taglia sopra una sinusoide di questo picco (da -40 a 0 dBFS; con --channel).</translation>
    </message>
    <message>
        <source>Noise on the link, this far under a DTMF pair at the tool&apos;s usual level (0 to 60 dB; with --channel).</source>
        <translation>Rumore sul collegamento, tanto sotto una coppia DTMF al livello abituale dello strumento (da 0 a 60 dB; con --channel).</translation>
    </message>
    <message>
        <source>A reply FIFO also carries what the board hears (through --channel), as a receiver on the frequency gives both: for monitoring a send.</source>
        <translation>Una FIFO di risposta porta anche ciò che la scheda sente (attraverso --channel), come un ricevitore sulla frequenza dà entrambi: per controllare un invio.</translation>
    </message>
    <message>
        <source>unknown fault &apos;%1&apos;. Try --help.</source>
        <translation>guasto sconosciuto &apos;%1&apos;. Provare --help.</translation>
    </message>
    <message>
        <source>--fault-requests takes a number of 1 or more.</source>
        <translation>--fault-requests vuole un numero da 1 in su.</translation>
    </message>
    <message>
        <source>--fault-skip takes a number of 0 or more.</source>
        <translation>--fault-skip vuole un numero da 0 in su.</translation>
    </message>
    <message>
        <source>--%1 takes a number of milliseconds from 0 to 60000.</source>
        <translation>--%1 vuole un numero di millisecondi da 0 a 60000.</translation>
    </message>
    <message>
        <source>Cannot write the log %1.</source>
        <translation>Impossibile scrivere il registro %1.</translation>
    </message>
    <message>
        <source>--sequence-gap-ms takes 50 to 60000, --cw-tone-hz 200 to 3000.</source>
        <translation>--sequence-gap-ms vuole da 50 a 60000, --cw-tone-hz da 200 a 3000.</translation>
    </message>
    <message>
        <source>--channel takes emphasis or flat.</source>
        <translation>--channel vuole emphasis o flat.</translation>
    </message>
    <message>
        <source>--clip-dbfs takes -40 to 0, --snr-db 0 to 60.</source>
        <translation>--clip-dbfs vuole da -40 a 0, --snr-db da 0 a 60.</translation>
    </message>
    <message>
        <source>--clip-dbfs and --snr-db go with --channel.</source>
        <translation>--clip-dbfs e --snr-db vanno con --channel.</translation>
    </message>
    <message>
        <source>--reply goes with --listen.</source>
        <translation>--reply va con --listen.</translation>
    </message>
    <message>
        <source>--echo goes with --reply.</source>
        <translation>--echo va con --reply.</translation>
    </message>
    <message>
        <source>Cannot create a pseudo-terminal: %1</source>
        <translation>Impossibile creare uno pseudo-terminale: %1</translation>
    </message>
    <message>
        <source>Cannot create the link %1: %2</source>
        <translation>Impossibile creare il collegamento %1: %2</translation>
    </message>
    <message>
        <source>board-sim runs on Linux: start it there, and reach its pseudo-terminal through a COM port.</source>
        <translation>board-sim funziona su Linux: avviarlo lì e raggiungere il suo pseudo-terminale attraverso una porta COM.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Provare &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>A file name is missing. Try --help.</source>
        <translation>Manca il nome di un file. Provare --help.</translation>
    </message>
    <message>
        <source>Too many arguments. Try --help.</source>
        <translation>Troppi argomenti. Provare --help.</translation>
    </message>
    <message>
        <source>Unable to load data file %1: %2</source>
        <translation>Impossibile caricare il file dati %1: %2</translation>
    </message>
    <message>
        <source>Checks a configuration file as PROGRAM does and prints the 192-byte decoder image
as hexadecimal, 16 bytes a row, or writes the raw bytes with -o.</source>
        <translation>Controlla un file di configurazione come fa SCRIVI e stampa l&apos;immagine del decoder
di 192 byte in esadecimale, 16 byte per riga, o con -o ne scrive i byte grezzi.</translation>
    </message>
    <message>
        <source>Configuration file to encode.</source>
        <translation>Il file di configurazione da codificare.</translation>
    </message>
    <message>
        <source>Write the raw image to FILE.</source>
        <translation>Scrivi l&apos;immagine grezza in FILE.</translation>
    </message>
    <message>
        <source>Turns a 192-byte decoder image into a configuration file, as READ does
(programming port 1). Writes to standard output without -o.</source>
        <translation>Trasforma un&apos;immagine del decoder di 192 byte in un file di configurazione, come fa
LEGGI (porta di programmazione 1). Senza -o scrive sullo standard output.</translation>
    </message>
    <message>
        <source>Raw decoder image, exactly 192 bytes.</source>
        <translation>Immagine grezza del decoder, esattamente 192 byte.</translation>
    </message>
    <message>
        <source>Write the configuration to FILE.</source>
        <translation>Scrivi la configurazione in FILE.</translation>
    </message>
    <message>
        <source>%1: no such file.</source>
        <translation>%1: il file non esiste.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes; a decoder image has exactly %3.</source>
        <translation>%1 contiene %2 byte; un&apos;immagine del decoder ne ha esattamente %3.</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>The command to replace.</source>
        <translation>Il comando da sostituire.</translation>
    </message>
    <message>
        <source>The decoder&apos;s Modifier ID.</source>
        <translation>L&apos;ID modifica del decoder.</translation>
    </message>
    <message>
        <source>The decoder&apos;s Checksum ID digit.</source>
        <translation>La cifra dell&apos;ID checksum del decoder.</translation>
    </message>
    <message>
        <source>The new command.</source>
        <translation>Il nuovo comando.</translation>
    </message>
    <message>
        <source>Configuration file of the decoder.</source>
        <translation>Il file di configurazione del decoder.</translation>
    </message>
    <message>
        <source>Unexpected argument %1. Try --help.</source>
        <translation>Argomento inatteso %1. Provare --help.</translation>
    </message>
    <message>
        <source>Writes the command card for the site&apos;s crew: one page (A4, or Letter where the locale
measures in inches) with the configuration&apos;s name, each command&apos;s label and digits, the
CW call and speed, the timer, the battery levels and the power-on states. The Modifier ID
and Checksum ID show as * unless --show-keys is given.</source>
        <translation>Scrive la scheda dei comandi per la squadra del sito: una pagina (A4, o Letter dove le
impostazioni locali misurano in pollici) con il nome della configurazione, l&apos;etichetta e
le cifre di ogni comando, nominativo e velocità CW, il timer, le soglie della batteria e
lo stato all&apos;accensione. L&apos;ID modifica e l&apos;ID checksum appaiono come * senza --show-keys.</translation>
    </message>
    <message>
        <source>The configuration.</source>
        <translation>La configurazione.</translation>
    </message>
    <message>
        <source>The PDF to write.</source>
        <translation>Il PDF da scrivere.</translation>
    </message>
    <message>
        <source>Print the Modifier ID and Checksum ID as they are.</source>
        <translation>Stampa l&apos;ID modifica e l&apos;ID checksum così come sono.</translation>
    </message>
    <message>
        <source>-o CARD.pdf is required. Try --help.</source>
        <translation>Serve -o CARD.pdf. Provare --help.</translation>
    </message>
    <message>
        <source>The entry %1 of %2 cannot be read: %3.</source>
        <translation>La voce %1 di %2 non si può leggere: %3.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is neither an entry of %2 nor a file.</source>
        <translation>&apos;%1&apos; non è né una voce di %2 né un file.</translation>
    </message>
    <message>
        <source>The board history: every board content READ and PROGRAM saw or wrote.
  history list [--port P]   one line per entry, oldest first: id, local time,
                            operation, port, file, changes from the entry before
                            for the same device
  history show ID [-o FILE] the entry as a configuration file (.prg)
  history diff A B          what differs, field by field; A and B are entry ids,
                            .prg files or 192-byte images. Exit status 0 when
                            equal, 1 when they differ.</source>
        <translation>La storia della scheda: ogni contenuto che LEGGI e SCRIVI hanno visto o scritto.
  history list [--port P]   una riga per voce, dalla più vecchia: id, ora locale,
                            operazione, porta, file, modifiche rispetto alla voce
                            precedente dello stesso dispositivo
  history show ID [-o FILE] la voce come file di configurazione (.prg)
  history diff A B          cosa differisce, campo per campo; A e B sono id di voci,
                            file .prg o immagini di 192 byte. Codice di uscita 0
                            se uguali, 1 se diversi.</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>Cosa fare.</translation>
    </message>
    <message>
        <source>The history&apos;s folder, instead of the usual one.</source>
        <translation>La cartella della storia, al posto di quella solita.</translation>
    </message>
    <message>
        <source>list: only the entries of this port (COM3, or a device path).</source>
        <translation>list: solo le voci di questa porta (COM3, o il percorso di un dispositivo).</translation>
    </message>
    <message>
        <source>show: write the configuration to FILE.</source>
        <translation>show: scrivi la configurazione in FILE.</translation>
    </message>
    <message>
        <source>No board history: %1 does not exist (nothing was read or programmed yet).</source>
        <translation>Nessuna storia della scheda: %1 non esiste (nulla è stato ancora letto o programmato).</translation>
    </message>
    <message>
        <source>%1 changes</source>
        <translation>%1 modifiche</translation>
    </message>
    <message>
        <source>first</source>
        <translation>prima</translation>
    </message>
    <message>
        <source>DAMAGED: %1</source>
        <translation>DANNEGGIATA: %1</translation>
    </message>
    <message>
        <source>No entry %1 in %2.</source>
        <translation>Nessuna voce %1 in %2.</translation>
    </message>
    <message>
        <source>The entry %1 cannot be read: %2.</source>
        <translation>La voce %1 non si può leggere: %2.</translation>
    </message>
    <message>
        <source>Give list, show ID or diff A B. Try &apos;tonalis-cli history --help&apos;.</source>
        <translation>Indicare list, show ID o diff A B. Provare &apos;tonalis-cli history --help&apos;.</translation>
    </message>
    <message>
        <source>Write every byte on the link, with its time, to FILE.</source>
        <translation>Scrivi in FILE ogni byte del collegamento, con il suo istante.</translation>
    </message>
    <message>
        <source>Keep the board history in DIR instead of the usual folder.</source>
        <translation>Tieni la storia della scheda in DIR invece che nella cartella solita.</translation>
    </message>
    <message>
        <source>--port is required. Try --help.</source>
        <translation>Serve --port. Provare --help.</translation>
    </message>
    <message>
        <source>Cannot write the trace file %1.</source>
        <translation>Impossibile scrivere il file di traccia %1.</translation>
    </message>
    <message>
        <source>Opens the port for programming and shows the board&apos;s banner.</source>
        <translation>Apre la porta per la programmazione e mostra l&apos;intestazione della scheda.</translation>
    </message>
    <message>
        <source>Reads the board&apos;s configuration as READ does. With -o the configuration is saved
as a configuration file.</source>
        <translation>Legge la configurazione della scheda come fa LEGGI. Con -o la configurazione viene
salvata in un file di configurazione.</translation>
    </message>
    <message>
        <source>Save the configuration read to FILE.</source>
        <translation>Salva in FILE la configurazione letta.</translation>
    </message>
    <message>
        <source>Checks a configuration file as PROGRAM does, programs it into the board and
compares the board&apos;s read-back byte for byte.</source>
        <translation>Controlla un file di configurazione come fa SCRIVI, lo programma nella scheda e
confronta la rilettura della scheda byte per byte.</translation>
    </message>
    <message>
        <source>Configuration to program.</source>
        <translation>La configurazione da programmare.</translation>
    </message>
    <message>
        <source>check a configuration file and print or write its decoder image</source>
        <translation>controlla un file di configurazione e stampa o scrive la sua immagine</translation>
    </message>
    <message>
        <source>turn a 192-byte decoder image into a configuration file</source>
        <translation>trasforma un&apos;immagine di 192 byte in un file di configurazione</translation>
    </message>
    <message>
        <source>compute the sequence that replaces a command over the air</source>
        <translation>calcola la sequenza che sostituisce un comando via radio</translation>
    </message>
    <message>
        <source>show the banner of the board on a port</source>
        <translation>mostra l&apos;intestazione della scheda su una porta</translation>
    </message>
    <message>
        <source>read the board&apos;s configuration</source>
        <translation>legge la configurazione della scheda</translation>
    </message>
    <message>
        <source>program a configuration file into the board and verify it</source>
        <translation>programma un file di configurazione nella scheda e lo verifica</translation>
    </message>
    <message>
        <source>list, show and compare the board contents read and programmed</source>
        <translation>elenca, mostra e confronta i contenuti letti e programmati</translation>
    </message>
    <message>
        <source>simulate the decoder board on a pseudo-terminal</source>
        <translation>simula la scheda decoder su uno pseudo-terminale</translation>
    </message>
    <message>
        <source>write the sound of a DTMF sequence to a WAV file</source>
        <translation>scrive il suono di una sequenza DTMF in un file WAV</translation>
    </message>
    <message>
        <source>play a DTMF sequence, keying the transmitter</source>
        <translation>suona una sequenza DTMF, mettendo in trasmissione</translation>
    </message>
    <message>
        <source>write the site crew&apos;s command card as a PDF</source>
        <translation>scrive in PDF la scheda dei comandi per la squadra del sito</translation>
    </message>
    <message>
        <source>print the journal of sends, or export it as CSV</source>
        <translation>stampa il registro degli invii, o lo esporta in CSV</translation>
    </message>
    <message>
        <source>send a command of a configuration by its number or name</source>
        <translation>invia un comando di una configurazione per numero o nome</translation>
    </message>
    <message>
        <source>play a steady calibration tone, keying the transmitter</source>
        <translation>suona un tono fisso di taratura, mettendo in trasmissione</translation>
    </message>
    <message>
        <source>print the DTMF digits heard in a sound file</source>
        <translation>stampa le cifre DTMF udite in un file audio</translation>
    </message>
    <message>
        <source>print the Morse text heard in a sound file</source>
        <translation>stampa il testo Morse udito in un file audio</translation>
    </message>
    <message>
        <source>key the transmitter for a few seconds and release it</source>
        <translation>mette in trasmissione per qualche secondo e poi rilascia</translation>
    </message>
    <message>
        <source>list the sound devices, output and input</source>
        <translation>elenca i dispositivi audio, di uscita e di ingresso</translation>
    </message>
    <message>
        <source>list the serial ports, with the names that survive replugging</source>
        <translation>elenca le porte seriali, con i nomi che restano dopo averle ricollegate</translation>
    </message>
    <message>
        <source>Usage: tonalis-cli [--language en|it] COMMAND [options]</source>
        <translation>Uso: tonalis-cli [--language en|it] COMANDO [opzioni]</translation>
    </message>
    <message>
        <source>Tonalis command line: the decoder board&apos;s configuration, its link and the DTMF sender.</source>
        <translation>Riga di comando di Tonalis: la configurazione della scheda decoder, il suo collegamento e l&apos;invio DTMF.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;. Try &apos;tonalis-cli --help&apos;.</source>
        <translation>comando sconosciuto &apos;%1&apos;. Provare &apos;tonalis-cli --help&apos;.</translation>
    </message>
    <message>
        <source>Choose one way to key the transmitter: --ptt, --cm108, --rig or --rigctld.</source>
        <translation>Scegliere un solo modo di mettere in trasmissione: --ptt, --cm108, --rig o --rigctld.</translation>
    </message>
    <message>
        <source>The PTT stored by the Station setup cannot be used; choose it again there, or give --ptt, --cm108, --rig or --rigctld.</source>
        <translation>Il PTT salvato nella Stazione non si può usare; sceglierlo di nuovo lì, o indicare --ptt, --cm108, --rig o --rigctld.</translation>
    </message>
    <message>
        <source>the PTT Comm port of the settings</source>
        <translation>la COM del PTT delle impostazioni</translation>
    </message>
    <message>
        <source>--ptt-line and --ptt-invert go with --ptt P.</source>
        <translation>--ptt-line e --ptt-invert vanno con --ptt P.</translation>
    </message>
    <message>
        <source>Key PTT on a line of port P: a number 1-16 (mapped by ports.ini) or a device path.</source>
        <translation>PTT su una linea della porta P: un numero 1-16 (associato da ports.ini) o il percorso di un dispositivo.</translation>
    </message>
    <message>
        <source>The line of the --ptt port that keys: rts (default) or dtr.</source>
        <translation>La linea della porta --ptt che comanda la trasmissione: rts (predefinita) o dtr.</translation>
    </message>
    <message>
        <source>The line is low while keyed.</source>
        <translation>La linea è bassa durante la trasmissione.</translation>
    </message>
    <message>
        <source>Key on GPIO pin GPIO (1-8, default 3) of a CM108 sound chip.</source>
        <translation>PTT sul piedino GPIO (1-8, predefinito 3) di un chip audio CM108.</translation>
    </message>
    <message>
        <source>Key with the rig&apos;s CAT command through Hamlib (rigctl --list shows models).</source>
        <translation>PTT con il comando CAT della radio attraverso Hamlib (rigctl --list mostra i modelli).</translation>
    </message>
    <message>
        <source>Key through a running rigctld.</source>
        <translation>PTT attraverso un rigctld in funzione.</translation>
    </message>
    <message>
        <source>Show Hamlib&apos;s own messages on standard error.</source>
        <translation>Mostra i messaggi di Hamlib sullo standard error.</translation>
    </message>
    <message>
        <source>The level, -40 to +6 dB from the usual amplitude (default: the Station setup&apos;s).</source>
        <translation>Il livello, da -40 a +6 dB rispetto all&apos;ampiezza solita (predefinito: quello della Stazione).</translation>
    </message>
    <message>
        <source>The high tone&apos;s level above the low one&apos;s, -10 to +10 dB (default: the Station setup&apos;s).</source>
        <translation>Il livello del tono alto sopra quello del basso, da -10 a +10 dB (predefinito: quello della Stazione).</translation>
    </message>
    <message>
        <source>Digit duration in ms (at least 25; default 50).</source>
        <translation>Durata della cifra in ms (almeno 25; predefinita 50).</translation>
    </message>
    <message>
        <source>Pause between digits in ms (at least 15; default 50).</source>
        <translation>Pausa tra le cifre in ms (almeno 15; predefinita 50).</translation>
    </message>
    <message>
        <source>Pause for each space in ms (at least 25; default 1000).</source>
        <translation>Pausa per ogni spazio in ms (almeno 25; predefinita 1000).</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; corrected to %3 ms</source>
        <translation>%1 &apos;%2&apos; corretta a %3 ms</translation>
    </message>
    <message>
        <source>digit duration</source>
        <translation>durata della cifra</translation>
    </message>
    <message>
        <source>pause between digits</source>
        <translation>pausa tra le cifre</translation>
    </message>
    <message>
        <source>pause for a space</source>
        <translation>pausa per uno spazio</translation>
    </message>
    <message>
        <source>TX delay</source>
        <translation>ritardo TX</translation>
    </message>
    <message>
        <source>--%1 takes a number of dB.</source>
        <translation>--%1 vuole un numero di dB.</translation>
    </message>
    <message>
        <source>Stopped by signal %1; the transmitter is released.</source>
        <translation>Fermato dal segnale %1; il trasmettitore è rilasciato.</translation>
    </message>
    <message>
        <source>Stopped by signal %1; the transmitter is NOT released: release it at the radio (or run tonalis-cli ptt-test --seconds 1 with the same PTT), and check it.</source>
        <translation>Fermato dal segnale %1; il trasmettitore NON è rilasciato: rilasciarlo dalla radio (o eseguire tonalis-cli ptt-test --seconds 1 con lo stesso PTT) e controllarlo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has no tone and is sent as a silent digit (digits are 0-9, *, #, A-D)</source>
        <translation>&apos;%1&apos; non ha un tono e viene inviato come cifra muta (le cifre sono 0-9, *, #, A-D)</translation>
    </message>
    <message>
        <source>Give one sequence (quote it if it holds spaces or * or #). Try --help.</source>
        <translation>Indicare una sequenza (tra virgolette se contiene spazi, * o #). Provare --help.</translation>
    </message>
    <message>
        <source>Writes exactly the sound Send Sequence plays, as a WAV file (8000 Hz, mono, 16 bit).
A space in the sequence stands for a pause.</source>
        <translation>Scrive esattamente il suono che Invia sequenza suona, come file WAV (8000 Hz, mono,
16 bit). Uno spazio nella sequenza vale una pausa.</translation>
    </message>
    <message>
        <source>DTMF digits 0-9, *, #, A-D; spaces for pauses.</source>
        <translation>Cifre DTMF 0-9, *, #, A-D; spazi per le pause.</translation>
    </message>
    <message>
        <source>The WAV file to write.</source>
        <translation>Il file WAV da scrivere.</translation>
    </message>
    <message>
        <source>-o OUT.wav is required. Try --help.</source>
        <translation>Serve -o OUT.wav. Provare --help.</translation>
    </message>
    <message>
        <source>the journal of sends cannot be written: %1</source>
        <translation>il registro degli invii non si può scrivere: %1</translation>
    </message>
    <message>
        <source>Cannot monitor the transmission: %1. Nothing was sent.</source>
        <translation>Impossibile controllare la trasmissione: %1. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>stopped by signal %1</source>
        <translation>fermato dal segnale %1</translation>
    </message>
    <message>
        <source>Plays a DTMF sequence on the sound card as Send Sequence does, keying the transmitter
as chosen (or as the Station setup stored it), and prints the completion text.
The transmitter is released on every way out, Ctrl+C and SIGTERM included.</source>
        <translation>Suona una sequenza DTMF sulla scheda audio come fa Invia sequenza, mettendo in
trasmissione come scelto (o come salvato nella Stazione), e stampa il testo finale.
Il trasmettitore è rilasciato in ogni caso, anche con Ctrl+C e SIGTERM.</translation>
    </message>
    <message>
        <source>Time between keying and the first tone (20-2000; default 200).</source>
        <translation>Tempo tra la messa in trasmissione e il primo tono (20-2000; predefinito 200).</translation>
    </message>
    <message>
        <source>Play on this device (see audio-devices); default: the Station setup&apos;s, or the default.</source>
        <translation>Suona su questo dispositivo (vedi audio-devices); predefinito: quello della Stazione, o quello di sistema.</translation>
    </message>
    <message>
        <source>Stop and release after N s keyed (0: no limit; default: the Station setup&apos;s).</source>
        <translation>Ferma e rilascia dopo N s in trasmissione (0: nessun limite; predefinito: quello della Stazione).</translation>
    </message>
    <message>
        <source>How long PTT stays keyed after the sound, 0-2000 ms (default: the Station setup&apos;s, 40).</source>
        <translation>Quanto il PTT resta attivo dopo il suono, 0-2000 ms (predefinito: quello della Stazione, 40).</translation>
    </message>
    <message>
        <source>Record the transmission on the input device while sending, then print what each digit measures and whether a receiver would take it (exit status 1 when one would be missed).</source>
        <translation>Registra la trasmissione dal dispositivo di ingresso durante l&apos;invio, poi stampa le misure di ogni cifra e se un ricevitore la accetterebbe (codice di uscita 1 se una andrebbe persa).</translation>
    </message>
    <message>
        <source>With --monitor, also keep the recording in FILE.wav.</source>
        <translation>Con --monitor, conserva anche la registrazione in FILE.wav.</translation>
    </message>
    <message>
        <source>--tx-limit takes a number of seconds from 0 (no limit) to %1.</source>
        <translation>--tx-limit vuole un numero di secondi da 0 (nessun limite) a %1.</translation>
    </message>
    <message>
        <source>--tail-ms takes a number of ms from 0 to %1.</source>
        <translation>--tail-ms vuole un numero di ms da 0 a %1.</translation>
    </message>
    <message>
        <source>Usage: tonalis-cli send-command CONFIG.prg N|NAME [send options]
Sends a command of a configuration over the air, exactly as send does with its digits.
N is its number (0-15); NAME its name as the window labels it, in any case, whole or a
part of one name only: &quot;Output 1 ON&quot;, status. The options are send&apos;s (tonalis-cli send
--help): timings, PTT, --monitor and the rest.
</source>
        <translation>Uso: tonalis-cli send-command CONFIG.prg N|NOME [opzioni di send]
Invia via radio un comando di una configurazione, esattamente come send invia le sue cifre.
N è il suo numero (0-15); NOME il suo nome come lo mostra la finestra, maiuscolo o
minuscolo, intero o una parte di un solo nome: &quot;Uscita 1 ON&quot;, stato. Le opzioni sono
quelle di send (tonalis-cli send --help): tempi, PTT, --monitor e le altre.
</translation>
    </message>
    <message>
        <source>Command %1 is empty in %2: nothing to send.</source>
        <translation>Il comando %1 è vuoto in %2: niente da inviare.</translation>
    </message>
    <message>
        <source>command %1: %2</source>
        <translation>comando %1: %2</translation>
    </message>
    <message>
        <source>Plays a steady sine with the transmitter keyed as chosen (or as the Station setup stored
it), to set the transmitter&apos;s deviation and the sound card&apos;s mixer; Ctrl+C stops it.
Levels are the sine&apos;s peak in dBFS (a sine of peak A is 20 log10(A/32768) dBFS); the
default is the peak of one DTMF tone. The manual tells the Bessel-null method.</source>
        <translation>Suona una sinusoide fissa con il trasmettitore attivato come scelto (o come salvato nella
Stazione), per regolare la deviazione del trasmettitore e il mixer della scheda audio;
Ctrl+C la ferma. I livelli sono il picco della sinusoide in dBFS (una sinusoide di picco A
è 20 log10(A/32768) dBFS); il predefinito è il picco di un tono DTMF. Il manuale spiega
il metodo dello zero di Bessel.</translation>
    </message>
    <message>
        <source>The tone, 100-3500 Hz (default 1000).</source>
        <translation>Il tono, 100-3500 Hz (predefinito 1000).</translation>
    </message>
    <message>
        <source>How long, up to 600 s (default 10).</source>
        <translation>Quanto dura, fino a 600 s (predefinito 10).</translation>
    </message>
    <message>
        <source>The peak, -60 to 0 dBFS (default -10.3).</source>
        <translation>Il picco, da -60 a 0 dBFS (predefinito -10.3).</translation>
    </message>
    <message>
        <source>Play on this device; default: the Station setup&apos;s, or the default.</source>
        <translation>Suona su questo dispositivo; predefinito: quello della Stazione, o quello di sistema.</translation>
    </message>
    <message>
        <source>--hz takes 100 to 3500, --seconds up to 600, --level -60 to 0 dBFS.</source>
        <translation>--hz vuole da 100 a 3500, --seconds fino a 600, --level da -60 a 0 dBFS.</translation>
    </message>
    <message>
        <source>Keys the transmitter as chosen (or as the Station setup stored it), waits, and releases it.
Exit status 0 only when both the keying and the release succeeded.</source>
        <translation>Mette in trasmissione come scelto (o come salvato nella Stazione), attende e rilascia.
Codice di uscita 0 solo se sono riusciti sia l&apos;attivazione sia il rilascio.</translation>
    </message>
    <message>
        <source>How long to key, 1-600 s (default 2).</source>
        <translation>Per quanto trasmettere, 1-600 s (predefinito 2).</translation>
    </message>
    <message>
        <source>--seconds takes a number from 1 to 600.</source>
        <translation>--seconds vuole un numero da 1 a 600.</translation>
    </message>
    <message>
        <source>No PTT to test: give --ptt, --cm108, --rig or --rigctld, or set one up in the Station dialog.</source>
        <translation>Nessun PTT da provare: indicare --ptt, --cm108, --rig o --rigctld, o impostarne uno nella finestra Stazione.</translation>
    </message>
    <message>
        <source>keyed for %1 s only: the Station setup&apos;s TX time limit</source>
        <translation>in trasmissione solo per %1 s: il limite di tempo TX della Stazione</translation>
    </message>
    <message>
        <source>released</source>
        <translation>rilasciato</translation>
    </message>
    <message>
        <source>NOT released: check the transmitter</source>
        <translation>NON rilasciato: controllare il trasmettitore</translation>
    </message>
    <message>
        <source>keying %1 for %2 s</source>
        <translation>trasmissione con %1 per %2 s</translation>
    </message>
    <message>
        <source>keyed state unknown: check the transmitter</source>
        <translation>stato della trasmissione sconosciuto: controllare il trasmettitore</translation>
    </message>
    <message>
        <source>not keyed</source>
        <translation>non in trasmissione</translation>
    </message>
    <message>
        <source>keyed</source>
        <translation>in trasmissione</translation>
    </message>
    <message>
        <source>Prints the journal of sends (the window&apos;s and the command line&apos;s), oldest first: each with
its local time, what was sent, how PTT was keyed, the result, and the board&apos;s reply and what
the monitor heard when there were any. The Modifier ID and Checksum ID show as * unless the
Station setup says otherwise ([journal] mask_keys=false in station.ini).</source>
        <translation>Stampa il registro degli invii (della finestra e della riga di comando), dal più vecchio:
ognuno con l&apos;ora locale, cosa è stato inviato, come è stato usato il PTT, l&apos;esito, e la
risposta della scheda e ciò che ha sentito il controllo, quando ci sono. L&apos;ID modifica e
l&apos;ID checksum appaiono come * salvo diversa scelta nella Stazione ([journal]
mask_keys=false in station.ini).</translation>
    </message>
    <message>
        <source>Only the sends of this day (local time) and later.</source>
        <translation>Solo gli invii di questo giorno (ora locale) e dopo.</translation>
    </message>
    <message>
        <source>As CSV, a header first, every field.</source>
        <translation>In CSV, prima un&apos;intestazione, tutti i campi.</translation>
    </message>
    <message>
        <source>--since takes a date as YYYY-MM-DD.</source>
        <translation>--since vuole una data nella forma AAAA-MM-GG.</translation>
    </message>
    <message>
        <source>reply: %1</source>
        <translation>risposta: %1</translation>
    </message>
    <message>
        <source>monitor: %1</source>
        <translation>controllo: %1</translation>
    </message>
    <message>
        <source>Lists the serial ports as the Station dialog does: device, the name that survives replugging,
description, manufacturer, serial number, and whether you may open it.</source>
        <translation>Elenca le porte seriali come la finestra Stazione: dispositivo, il nome che resta dopo
averla ricollegata, descrizione, produttore, numero di serie, e se si può aprire.</translation>
    </message>
    <message>
        <source>No serial ports.</source>
        <translation>Nessuna porta seriale.</translation>
    </message>
    <message>
        <source>stable name:</source>
        <translation>nome stabile:</translation>
    </message>
    <message>
        <source>description:</source>
        <translation>descrizione:</translation>
    </message>
    <message>
        <source>manufacturer:</source>
        <translation>produttore:</translation>
    </message>
    <message>
        <source>serial number:</source>
        <translation>numero di serie:</translation>
    </message>
    <message>
        <source>access:</source>
        <translation>accesso:</translation>
    </message>
    <message>
        <source>can be opened</source>
        <translation>si può aprire</translation>
    </message>
    <message>
        <source>ports.ini: lines not understood:</source>
        <translation>ports.ini: righe non comprese:</translation>
    </message>
    <message>
        <source>Lists the sound devices as the tool sees them.</source>
        <translation>Elenca i dispositivi audio come li vede il programma.</translation>
    </message>
    <message>
        <source>The sound system could not start: %1</source>
        <translation>Il sistema audio non è partito: %1</translation>
    </message>
    <message>
        <source>No sound devices.</source>
        <translation>Nessun dispositivo audio.</translation>
    </message>
    <message>
        <source>Input devices (from the receiver):</source>
        <translation>Dispositivi di ingresso (dal ricevitore):</translation>
    </message>
    <message>
        <source>Output devices (to the radio):</source>
        <translation>Dispositivi di uscita (verso la radio):</translation>
    </message>
    <message>
        <source>%1  [%2; %3 out, %4 in]</source>
        <translation>%1  [%2; %3 uscite, %4 ingressi]</translation>
    </message>
    <message>
        <source>Prints the DTMF digits heard in a sound file (WAV or any format libsndfile reads, any
rate from 8000 to 48000 Hz, the first channel), one a line with its start time and
duration in seconds.
--measure prints a CSV table instead, a row a digit:
  digit,start_ms,length_ms,gap_ms,low_hz,high_hz,low_dbfs,high_dbfs,twist_db
(gap_ms: the silence before the digit, empty for the first; dBFS: a sine of peak
amplitude A is 20 log10(A/32768) dBFS; twist: high minus low), then a summary row:
the number of digits, the shortest digit and gap, the lowest level, the twist&apos;s range
and the largest frequency offset. --expect checks the digits against those sent, as a
telephone-grade receiver takes them (within 1.5 %, twist +4/-8 dB, 40 ms digits,
20 ms gaps, above the level floor): exit status 0 when every digit would be taken.</source>
        <translation>Stampa le cifre DTMF udite in un file audio (WAV o qualunque formato legga libsndfile,
da 8000 a 48000 Hz, il primo canale), una per riga con il suo inizio e la sua durata
in secondi.
--measure stampa invece una tabella CSV, una riga per cifra:
  digit,start_ms,length_ms,gap_ms,low_hz,high_hz,low_dbfs,high_dbfs,twist_db
(gap_ms: il silenzio prima della cifra, vuoto per la prima; dBFS: una sinusoide di
picco A è 20 log10(A/32768) dBFS; twist: alto meno basso), poi una riga di riepilogo:
il numero di cifre, la cifra e la pausa più brevi, il livello più basso, l&apos;intervallo
del twist e il maggiore scarto di frequenza. --expect confronta le cifre con quelle
inviate, come le accetta un ricevitore di qualità telefonica (entro l&apos;1,5 %, twist
+4/-8 dB, cifre di 40 ms, pause di 20 ms, sopra la soglia di livello): codice di
uscita 0 se ogni cifra sarebbe accettata.</translation>
    </message>
    <message>
        <source>The sound to listen to.</source>
        <translation>Il suono da ascoltare.</translation>
    </message>
    <message>
        <source>Print only the digits, on one line.</source>
        <translation>Stampa solo le cifre, su una riga.</translation>
    </message>
    <message>
        <source>Print the table of what each digit measures.</source>
        <translation>Stampa la tabella delle misure di ogni cifra.</translation>
    </message>
    <message>
        <source>The digits that were sent: say, digit by digit, what would make a receiver miss one.</source>
        <translation>Le cifre inviate: dice, cifra per cifra, cosa ne farebbe perdere una a un ricevitore.</translation>
    </message>
    <message>
        <source>The level floor for --expect, -90 to 0 dBFS (default -40).</source>
        <translation>La soglia di livello per --expect, da -90 a 0 dBFS (predefinita -40).</translation>
    </message>
    <message>
        <source>--floor-dbfs takes a number from -90 to 0.</source>
        <translation>--floor-dbfs vuole un numero da -90 a 0.</translation>
    </message>
    <message>
        <source>--expect takes the DTMF digits sent: 0-9, *, #, A-D.</source>
        <translation>--expect vuole le cifre DTMF inviate: 0-9, *, #, A-D.</translation>
    </message>
    <message>
        <source>The speed, 5 to 200 words per minute (the board keys a dot of 1190/WPM ms).</source>
        <translation>La velocità, da 5 a 200 parole al minuto (la scheda trasmette un punto di 1190/WPM ms).</translation>
    </message>
    <message>
        <source>The tone, 300 to 2000 Hz.</source>
        <translation>Il tono, da 300 a 2000 Hz.</translation>
    </message>
    <message>
        <source>Say on standard error which tone and speed were found.</source>
        <translation>Dice sullo standard error quale tono e quale velocità sono stati trovati.</translation>
    </message>
    <message>
        <source>--wpm takes a number from 5 to 200.</source>
        <translation>--wpm vuole un numero da 5 a 200.</translation>
    </message>
    <message>
        <source>--tone-hz takes a number from 300 to 2000.</source>
        <translation>--tone-hz vuole un numero da 300 a 2000.</translation>
    </message>
    <message>
        <source>tone %1 Hz, speed %2 WPM (a dot of %3 ms)</source>
        <translation>tono %1 Hz, velocità %2 WPM (un punto di %3 ms)</translation>
    </message>
    <message>
        <source>no steady tone from 300 to 2000 Hz was found</source>
        <translation>nessun tono fisso trovato tra 300 e 2000 Hz</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Computes the DTMF sequence that makes the decoder replace a command over the air:
Original + Modifier ID + New + Checksum ID + two checksum digits.
With --config, the Modifier ID, the Checksum ID and the commands come from a
configuration file (options given as well take precedence), and the notes the
window shows about them are printed on standard error.
--send [send options], last: sends it as Send Sequence sends a replacement (the options
are send&apos;s: tonalis-cli send --help); with --config, a replacement that completes is
kept in the board history as sent over the air, not confirmed until a READ.</source>
        <translation>Calcola la sequenza DTMF che fa sostituire al decoder un comando via radio:
Originale + ID modifica + Nuova + ID checksum + due cifre di checksum.
Con --config l&apos;ID modifica, l&apos;ID checksum e i comandi vengono da un file di
configurazione (le opzioni date prevalgono), e le note che la finestra mostra
su di essi sono stampate sullo standard error.
--send [opzioni di send], per ultimo: la invia come Invia sequenza invia una sostituzione
(le opzioni sono quelle di send: tonalis-cli send --help); con --config, una sostituzione
completata resta nello storico della scheda come inviata via radio, non confermata fino a un READ.</translation>
    </message>
    <message>
        <source>replacement: %1</source>
        <translation>sostituzione: %1</translation>
    </message>
    <message>
        <source>listening for the board&apos;s reply...</source>
        <translation>in ascolto della risposta della scheda...</translation>
    </message>
    <message>
        <source>Cannot listen for the board&apos;s reply: %1.</source>
        <translation>Impossibile ascoltare la risposta della scheda: %1.</translation>
    </message>
    <message>
        <source>reply: none heard</source>
        <translation>risposta: nessuna udita</translation>
    </message>
    <message>
        <source>history: command %1 is now %2 (sent over the air, not confirmed; a READ confirms it)</source>
        <translation>storico: il comando %1 ora è %2 (inviato via radio, non confermato; un READ lo conferma)</translation>
    </message>
    <message>
        <source>The board history cannot be written: %1</source>
        <translation>Impossibile scrivere lo storico della scheda: %1</translation>
    </message>
    <message>
        <source>Monitor and listen on this device; default: the Station setup&apos;s, or the default.</source>
        <translation>Controlla e ascolta su questo dispositivo; predefinito: quello della Stazione, o quello di sistema.</translation>
    </message>
    <message>
        <source>After the send, listen for the board&apos;s Morse reply on the input device and print it (as the Station setup&apos;s &quot;listen for the reply&quot; does).</source>
        <translation>Dopo l&apos;invio, ascolta la risposta Morse della scheda sul dispositivo d&apos;ingresso e la stampa (come fa &quot;ascolta la risposta&quot; della Stazione).</translation>
    </message>
    <message>
        <source>How long to listen for the reply, 1-120 s (default: the Station setup&apos;s).</source>
        <translation>Per quanto ascoltare la risposta, 1-120 s (predefinito: quello della Stazione).</translation>
    </message>
    <message>
        <source>--monitor-wav goes with --monitor.</source>
        <translation>--monitor-wav va con --monitor.</translation>
    </message>
    <message>
        <source>--listen-seconds takes a number of seconds from 1 to 120.</source>
        <translation>--listen-seconds accetta un numero di secondi da 1 a 120.</translation>
    </message>
    <message>
        <source>Not monitoring the transmission (the Station setup asks for it): %1.</source>
        <translation>Trasmissione non controllata (la Stazione lo chiede): %1.</translation>
    </message>
    <message>
        <source>Port number 1-16 (mapped by ports.ini), a device path, or a port at a site:
rfc2217://HOST:PORT or socket://HOST:PORT.</source>
        <translation>Numero di porta 1-16 (associato da ports.ini), percorso di un dispositivo, o una porta in un sito:
rfc2217://HOST:PORTA o socket://HOST:PORTA.</translation>
    </message>
    <message>
        <source>%1 takes a number from 1 to 16, a device path, rfc2217://HOST:PORT or socket://HOST:PORT, not &apos;%2&apos;.</source>
        <translation>%1 richiede un numero da 1 a 16, il percorso di un dispositivo, rfc2217://HOST:PORTA o socket://HOST:PORTA, non &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The agent at a radio site, for Tonalis elsewhere (tonalis-cli --site, the window&apos;s Sites):
requests on standard input, events on standard output, one JSON object a line
(the README lists them). Reached over SSH; it listens on no port.</source>
        <translation>L&apos;agente in un sito radio, per Tonalis altrove (tonalis-cli --site, i Siti della finestra):
richieste sullo standard input, eventi sullo standard output, un oggetto JSON per riga
(il README li elenca). Si raggiunge via SSH; non ascolta su alcuna porta.</translation>
    </message>
    <message>
        <source>Speak on standard input and output (the only way).</source>
        <translation>Parla su standard input e output (l&apos;unico modo).</translation>
    </message>
    <message>
        <source>agent: --stdio is required.</source>
        <translation>agent: --stdio è obbligatorio.</translation>
    </message>
    <message>
        <source>Save the board&apos;s 192 bytes as read to FILE.</source>
        <translation>Salva in FILE i 192 byte della scheda così come letti.</translation>
    </message>
    <message>
        <source>the agent at a radio site, reached over SSH (--stdio)</source>
        <translation>l&apos;agente in un sito radio, raggiunto via SSH (--stdio)</translation>
    </message>
    <message>
        <source>--site takes a site and a command: tonalis-cli --site ssh://HOST COMMAND ...</source>
        <translation>--site richiede un sito e un comando: tonalis-cli --site ssh://HOST COMANDO ...</translation>
    </message>
    <message>
        <source>Cannot read the configuration file %1: %2</source>
        <translation>Impossibile leggere il file di configurazione %1: %2</translation>
    </message>
    <message>
        <source>The board was read, but %1 cannot be written: %2</source>
        <translation>La scheda è stata letta, ma non è possibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>One configuration file a command: %1 and %2 both name one.</source>
        <translation>Un file di configurazione per comando: %1 e %2 ne indicano uno ciascuno.</translation>
    </message>
    <message>
        <source>The Sites list cannot be read: %1</source>
        <translation>Non è possibile leggere l&apos;elenco Siti: %1</translation>
    </message>
    <message>
        <source>No site is named %1 in %2: name one of the Sites list, or give ssh://[USER@]HOST[:PORT].</source>
        <translation>Nessun sito si chiama %1 in %2: indica uno dell&apos;elenco Siti, o scrivi ssh://[UTENTE@]HOST[:PORTA].</translation>
    </message>
    <message>
        <source>The site&apos;s program %1 may not hold blanks, quotes or a shell&apos;s special characters.</source>
        <translation>Il programma del sito %1 non può contenere spazi, virgolette o caratteri speciali della shell.</translation>
    </message>
    <message>
        <source>Listens to the receiver&apos;s audio until stopped (Ctrl+C, SIGTERM) or for N seconds, and prints
each DTMF sequence heard, a line each: the local time its first digit began and the digits
(HH:MM:SS.mmm SEQUENCE). Digits closer than the sequence gap make one sequence. Each
sequence is also kept in the journal as a &quot;heard&quot; record. Memory stays the same however
long it listens.</source>
        <translation>Ascolta l&apos;audio del ricevitore finché non viene fermato (Ctrl+C, SIGTERM) o per N secondi, e stampa
ogni sequenza DTMF udita, una per riga: l&apos;ora locale in cui è iniziata la sua prima cifra e le cifre
(HH:MM:SS.mmm SEQUENZA). Cifre più vicine della pausa tra sequenze formano una sequenza. Ogni
sequenza resta anche nel registro come voce &quot;heard&quot;. La memoria resta la stessa per quanto
a lungo ascolti.</translation>
    </message>
    <message>
        <source>Listen on this device (see audio-devices, or a FIFO of raw 8000 Hz audio); default: the Station setup&apos;s, or the default.</source>
        <translation>Ascolta su questo dispositivo (vedi audio-devices, o una FIFO di audio grezzo a 8000 Hz); predefinito: quello della Stazione, o il predefinito.</translation>
    </message>
    <message>
        <source>Stop after N seconds (1 to 31536000).</source>
        <translation>Si ferma dopo N secondi (da 1 a 31536000).</translation>
    </message>
    <message>
        <source>Digits closer than N ms make one sequence, 50 to 60000 (default 1000).</source>
        <translation>Cifre più vicine di N ms formano una sequenza, da 50 a 60000 (predefinito 1000).</translation>
    </message>
    <message>
        <source>--seconds takes a number of seconds from 1 to 31536000.</source>
        <translation>--seconds vuole un numero di secondi da 1 a 31536000.</translation>
    </message>
    <message>
        <source>--sequence-gap-ms takes a number of ms from 50 to 60000.</source>
        <translation>--sequence-gap-ms vuole un numero di ms da 50 a 60000.</translation>
    </message>
    <message>
        <source>The journal cannot be written: %1</source>
        <translation>Impossibile scrivere il registro: %1</translation>
    </message>
    <message>
        <source>no audio from the input device for %1 s; still listening.</source>
        <translation>nessun audio dal dispositivo d&apos;ingresso da %1 s; l&apos;ascolto continua.</translation>
    </message>
    <message>
        <source>audio from the input device again.</source>
        <translation>di nuovo audio dal dispositivo d&apos;ingresso.</translation>
    </message>
    <message>
        <source>Cannot listen: %1.</source>
        <translation>Impossibile ascoltare: %1.</translation>
    </message>
    <message>
        <source>listening on %1 (Ctrl+C ends)</source>
        <translation>in ascolto su %1 (Ctrl+C per finire)</translation>
    </message>
    <message>
        <source>the default input device</source>
        <translation>il dispositivo d&apos;ingresso predefinito</translation>
    </message>
    <message>
        <source>%1 sequence(s) heard in %2.</source>
        <translation>%1 sequenze udite in %2.</translation>
    </message>
    <message>
        <source>print and journal each DTMF sequence heard on the channel, for as long as asked</source>
        <translation>stampa e registra ogni sequenza DTMF udita sul canale, per tutto il tempo richiesto</translation>
    </message>
    <message>
        <source>&apos;tonalis-cli COMMAND --help&apos; describes a command.
Exit status: 0 success, 1 refused or failed (the reason is on standard error),
2 usage or file error. Results and progress go to standard output.
--language en|it: English or Italian, whatever the system and the Station setup say.
--json (send, send-command, replace --send, tone, ptt-test, identify, read, program,
listen):
one JSON object a line on standard output, the events as they happen, the last
{&quot;event&quot;:&quot;done&quot;,&quot;exit&quot;:N} (the README lists them).
--site ssh://[USER@]HOST[:PORT] COMMAND ...: runs COMMAND at a radio site through its
agent (tonalis-cli agent --stdio, reached with OpenSSH&apos;s ssh or TONALIS_SSH); files
named here stay here (read -o FILE, program FILE.prg).
</source>
        <translation>&apos;tonalis-cli COMANDO --help&apos; descrive un comando.
Codice di uscita: 0 riuscito, 1 rifiutato o fallito (il motivo è sullo standard error),
2 errore d&apos;uso o di file. Risultati e avanzamento vanno sullo standard output.
--language en|it: inglese o italiano, qualunque cosa dicano il sistema e la Stazione.
Con --json (send, send-command, replace --send, tone, ptt-test, identify, read, program,
listen), un oggetto JSON per riga sullo standard output, gli eventi man mano che accadono,
l&apos;ultimo {&quot;event&quot;:&quot;done&quot;,&quot;exit&quot;:N} (il README li elenca).
--site ssh://[UTENTE@]HOST[:PORTA] COMANDO ...: esegue COMANDO in un sito radio tramite
il suo agente (tonalis-cli agent --stdio, raggiunto con ssh di OpenSSH o TONALIS_SSH); i file
nominati qui restano qui (read -o FILE, program FILE.prg).
</translation>
    </message>
    <message>
        <source>only the first ten minutes were kept in %1</source>
        <translation>in %1 sono stati tenuti solo i primi dieci minuti</translation>
    </message>
    <message>
        <source>--input-device listens live: no file goes with it.</source>
        <translation>--input-device ascolta dal vivo: nessun file va con esso.</translation>
    </message>
    <message>
        <source>Prints the Morse text heard in a sound file (WAV or any format libsndfile reads, any
rate from 8000 to 48000 Hz, the first channel), or live on an input device until
stopped (Ctrl+C, SIGTERM) or for N seconds, as it is read. The tone and the speed
are found when not given.</source>
        <translation>Stampa il testo Morse udito in un file audio (WAV o qualunque formato legga libsndfile, a
qualunque frequenza da 8000 a 48000 Hz, il primo canale), o dal vivo su un dispositivo
d&apos;ingresso finché non viene fermato (Ctrl+C, SIGTERM) o per N secondi, man mano che lo legge.
Il tono e la velocità vengono trovati quando non sono dati.</translation>
    </message>
    <message>
        <source>The sound to listen to (none with --input-device).</source>
        <translation>Il suono da ascoltare (nessuno con --input-device).</translation>
    </message>
    <message>
        <source>Listen live on this device (see audio-devices, or a FIFO of raw 8000 Hz audio).</source>
        <translation>Ascolta dal vivo su questo dispositivo (vedi audio-devices, o una FIFO di audio grezzo a 8000 Hz).</translation>
    </message>
    <message>
        <source>With --input-device, stop after N seconds (1 to 31536000).</source>
        <translation>Con --input-device, si ferma dopo N secondi (da 1 a 31536000).</translation>
    </message>
    <message>
        <source>--seconds goes with --input-device.</source>
        <translation>--seconds va con --input-device.</translation>
    </message>
</context>
</TS>
