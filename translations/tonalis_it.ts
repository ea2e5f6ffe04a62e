<?xml version='1.0' encoding='utf-8'?>
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
        <translation>Comando che porta l'USCITA 2 a ON per un tempo fisso (Timer).</translation>
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
        <translation>Timer dell'Uscita 2 ON o OFF in secondi (1-255)</translation>
    </message>
    <message>
        <source>12-13: Voltage Check [Output 4]</source>
        <translation>12-13: Controllo tensione [Usc. 4]</translation>
    </message>
    <message>
        <source>Enable(ON)/Disable(OFF) the OUTPUT 4 to be triggered by Lo and Hi voltage levels.</source>
        <translation>Abilita (ON) o disabilita (OFF) il comando dell'USCITA 4 da parte delle soglie di tensione Lo e Hi.</translation>
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
        <translation>0.0-25.0V. Se la tensione scende sotto questa soglia bassa, l'Uscita 4 viene spenta.</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Hi</translation>
    </message>
    <message>
        <source>0.0-25.0V. If voltage rises above this High limit the Output 4 will be switched On.</source>
        <translation>0.0-25.0V. Se la tensione sale sopra questa soglia alta, l'Uscita 4 viene accesa.</translation>
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
        <translation>All'accensione</translation>
    </message>
    <message>
        <source>Settings at Power-On</source>
        <translation>Impostazioni all'accensione</translation>
    </message>
    <message>
        <source>Press button to set this output to ON after Power-On</source>
        <translation>Premere per avere questa uscita ON dopo l'accensione</translation>
    </message>
    <message>
        <source>CW Enabled</source>
        <translation>CW attivo</translation>
    </message>
    <message>
        <source>Enable/Disable CW Reply to Commands at Power-On</source>
        <translation>Abilita/disabilita la risposta CW ai comandi all'accensione</translation>
    </message>
    <message>
        <source>V.Check Enabled</source>
        <translation>Contr. V attivo</translation>
    </message>
    <message>
        <source>Enable/Disable Voltage Check (Output 4) at Power-On</source>
        <translation>Abilita/disabilita il controllo tensione (Uscita 4) all'accensione</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Load Configuration from Disk</source>
        <translation>Carica la configurazione dal disco</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
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
        <source>READ</source>
        <translation>LEGGI</translation>
    </message>
    <message>
        <source>Read data from Quorvantelix</source>
        <translation>Leggi i dati dal Quorvantelix</translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation>SCRIVI</translation>
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
        <translation>Sequenza da sostituire. Non può finire con l'ID modifica</translation>
    </message>
    <message>
        <source>New Sequence</source>
        <translation>Nuova sequenza</translation>
    </message>
    <message>
        <source>New Sequence. Cannot contain Checksum ID or end with Modifier ID</source>
        <translation>Nuova sequenza. Non può contenere l'ID checksum né finire con l'ID modifica</translation>
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
        <source>Calculate Sequence to Send</source>
        <translation>Calcola la sequenza da inviare</translation>
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
        <translation>Pausa tra una cifra e l'altra</translation>
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
        <source>Speak LANGUAGE, en or it, whatever the system's language and the Station setup say.</source>
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
        <source>The radio's CAT command (Hamlib)</source>
        <translation>Comando CAT della radio (Hamlib)</translation>
    </message>
    <message>
        <source>A running rigctld (Hamlib daemon)</source>
        <translation>Un rigctld in esecuzione (demone Hamlib)</translation>
    </message>
    <message>
        <source>Serial ports need the dialout group: sudo adduser $USER dialout, then log in again. ModemManager or brltty may take a USB serial adapter as it is plugged in (the port is busy, or vanishes): journalctl -b | grep -i -e ModemManager -e brltty tells which. ModemManager leaves alone an adapter that a udev rule marks with ENV{ID_MM_DEVICE_IGNORE}="1"; brltty takes only the adapters its own udev rule lists, so where a braille display needs it, use an adapter it does not list.</source>
        <translation>Le porte seriali richiedono il gruppo dialout: sudo adduser $USER dialout, poi rientrare nella sessione. ModemManager o brltty possono prendersi un adattatore seriale USB appena collegato (la porta risulta occupata, o sparisce): journalctl -b | grep -i -e ModemManager -e brltty dice quale dei due. ModemManager lascia stare un adattatore che una regola udev marca con ENV{ID_MM_DEVICE_IGNORE}="1"; brltty prende solo gli adattatori elencati dalla sua regola udev, quindi dove serve per un display braille usare un adattatore che non vi compare.</translation>
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
        <source>Keying needs write access to the chip's hidraw device: the Tonalis package's udev rule gives it to the audio group (sudo adduser $USER audio, then log in again).</source>
        <translation>Per andare in trasmissione serve l'accesso in scrittura al dispositivo hidraw del chip: la regola udev del pacchetto Tonalis lo dà al gruppo audio (sudo adduser $USER audio, poi rientrare nella sessione).</translation>
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
        <translation>L'ID modifica e l'ID checksum non possono essere vuoti.</translation>
    </message>
    <message>
        <source>Please insert Modifier ID / Checksum ID in Direct Programming Tab.</source>
        <translation>Inserire l'ID modifica e l'ID checksum nella scheda Programmazione.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Original Sequence ends with Modifier ID Sequence.</source>
        <translation>La sequenza originale finisce con la sequenza dell'ID modifica.</translation>
    </message>
    <message>
        <source>Please modify Original Sequence.</source>
        <translation>Modificare la sequenza originale.</translation>
    </message>
    <message>
        <source>New Sequence ends with Modifier ID Sequence.</source>
        <translation>La nuova sequenza finisce con la sequenza dell'ID modifica.</translation>
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
        <source>%1 "%2" holds characters that are not DTMF digits.</source>
        <translation>%1 "%2" contiene caratteri che non sono cifre DTMF.</translation>
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
        <source>Checksum ID "%1" must be one DTMF digit.</source>
        <translation>L'ID checksum "%1" deve essere una sola cifra DTMF.</translation>
    </message>
    <message>
        <source>Please correct it in Direct Programming Tab.</source>
        <translation>Correggerlo nella scheda Programmazione.</translation>
    </message>
    <message>
        <source>New Sequence "%1" contains the Checksum ID %2.</source>
        <translation>La nuova sequenza "%1" contiene l'ID checksum %2.</translation>
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
        <translation>Sceglierne un'altra.</translation>
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
        <source>Checksum ID must be one DTMF digit (%1), not "%2".</source>
        <translation>L'ID checksum deve essere una cifra DTMF (%1), non "%2".</translation>
    </message>
    <message>
        <source>Please insert a valid Morse Speed</source>
        <translation>Inserire una velocità Morse valida</translation>
    </message>
    <message>
        <source>Morse Speed "%1" is not a number.</source>
        <translation>La velocità Morse "%1" non è un numero.</translation>
    </message>
    <message>
        <source>Please insert a valid Output 2 Timer Interval</source>
        <translation>Inserire un intervallo valido per il Timer dell'Uscita 2</translation>
    </message>
    <message>
        <source>Output 2 Timer Interval "%1" is not a number.</source>
        <translation>L'intervallo del Timer dell'Uscita 2 "%1" non è un numero.</translation>
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
        <translation>L'ID modifica è vuoto</translation>
    </message>
    <message>
        <source>CW Call contains %1, which the decoder cannot send (A-Z, 0-9, space and : ; &lt; = &gt; ? @).</source>
        <translation>Il nominativo CW contiene %1, che il decoder non può trasmettere (A-Z, 0-9, spazio e : ; &lt; = &gt; ? @).</translation>
    </message>
    <message>
        <source>CW Call is too long: %1 characters, at most %2 fit in the decoder.</source>
        <translation>Il nominativo CW è troppo lungo: %1 caratteri, nel decoder ne entrano al massimo %2.</translation>
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
        <source>The commands and settings on one page for the site's crew, the keys masked (Ctrl+P)</source>
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
        <source>%1 (modified)</source>
        <translation>%1 (modificato)</translation>
    </message>
    <message>
        <source>Tonalis v%1 - DTMF sender</source>
        <translation>Tonalis v%1 - invio DTMF</translation>
    </message>
    <message>
        <source>Board's reply: %1...</source>
        <translation>Risposta della scheda: %1...</translation>
    </message>
    <message>
        <source>The board looks unprogrammed: every byte of its memory is FF (erased). The fields show no commands and no CW call; fill them in and PROGRAM the board.</source>
        <translation>La scheda sembra non programmata: ogni byte della sua memoria vale FF (cancellato). I campi non mostrano comandi né nominativo CW; compilarli e premere SCRIVI.</translation>
    </message>
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
        <source>Sequence to Send (%1 digits)</source>
        <translation>Sequenza da inviare (%1 cifre)</translation>
    </message>
    <message>
        <source>Not monitoring: %1.</source>
        <translation>Nessun monitoraggio: %1.</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Stazione</translation>
    </message>
    <message>
        <source>Your transmission cannot be monitored: %1.</source>
        <translation>La trasmissione non può essere monitorata: %1.</translation>
    </message>
    <message>
        <source>Sending works as before; choose an input device in the Station dialog.</source>
        <translation>L'invio funziona come prima; scegliere un dispositivo d'ingresso nella finestra Stazione.</translation>
    </message>
    <message>
        <source>Monitoring the transmission...</source>
        <translation>Monitoraggio della trasmissione...</translation>
    </message>
    <message>
        <source>The board history cannot be written: %1</source>
        <translation>Impossibile scrivere lo storico della scheda: %1</translation>
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
        <source>Click here to put %1 into command %2 (now on the board)</source>
        <translation>Clic qui per mettere %1 nel comando %2 (ora sulla scheda)</translation>
    </message>
    <message>
        <source>Listening for the board's reply...</source>
        <translation>In ascolto della risposta della scheda...</translation>
    </message>
    <message>
        <source>Not listening for the reply: %1.</source>
        <translation>Nessun ascolto della risposta: %1.</translation>
    </message>
    <message>
        <source>The board's reply cannot be heard: %1.</source>
        <translation>La risposta della scheda non può essere ascoltata: %1.</translation>
    </message>
    <message>
        <source>No reply heard (%1).</source>
        <translation>Nessuna risposta ricevuta (%1).</translation>
    </message>
    <message>
        <source>Board's reply at %1: %2</source>
        <translation>Risposta della scheda alle %1: %2</translation>
    </message>
    <message>
        <source>call %1 recognised</source>
        <translation>nominativo %1 riconosciuto</translation>
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
        <source>The sound device "%1" chosen in the Station setup is not there. Sequences are sent on the default device until it is back or another one is chosen.</source>
        <translation>Il dispositivo audio "%1" scelto nella Stazione non c'è. Le sequenze vanno sul dispositivo predefinito finché non torna o non se ne sceglie un altro.</translation>
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
        <source>Serial ports, the radio's sound card and how the transmitter is keyed</source>
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
        <source>The configuration's commands, each sent with one click</source>
        <translation>I comandi della configurazione, ognuno inviato con un clic</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>&amp;Registro...</translation>
    </message>
    <message>
        <source>Every send, its result and the board's reply: filter, copy, export</source>
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
        <source> (the board history's last entry, %1)</source>
        <translation> (l'ultima voce dello storico della scheda, %1)</translation>
    </message>
    <message>
        <source>PROGRAM was stopped: the board may now hold part of the new configuration and part of the old one. Program it again before use: the content it held before%1 or the configuration in the fields.</source>
        <translation>SCRIVI è stato interrotto: la scheda può ora contenere parte della nuova configurazione e parte della vecchia. Riprogrammarla prima dell'uso: con il contenuto che aveva prima%1 o con la configurazione nei campi.</translation>
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
        <source>Puts this content into the window's fields as READ would; PROGRAM then restores it</source>
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
        <source>Differs from the window's fields:</source>
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
        <source>The system's</source>
        <translation>Quella del sistema</translation>
    </message>
    <message>
        <source>The language of the windows and messages, from the program's next start.</source>
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
        <translation>Selezionare prima una porta nell'elenco.</translation>
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
        <source>A steady 1 kHz sine for 60 s, at the peak of one DTMF tone and the level above: set the transmitter's deviation (the manual tells how) and the sound card's mixer.</source>
        <translation>Una sinusoide fissa a 1 kHz per 60 s, al picco di un tono DTMF e al livello qui sopra: per regolare la deviazione del trasmettitore (il manuale spiega come) e il mixer della scheda audio.</translation>
    </message>
    <message>
        <source>Stop &amp;tone</source>
        <translation>&amp;Ferma il tono</translation>
    </message>
    <message>
        <source>The tones' level from the usual one (0 dB): lower it when the transmitter over-deviates and the board misses digits.</source>
        <translation>Il livello dei toni rispetto a quello normale (0 dB): abbassarlo quando il trasmettitore devia troppo e la scheda perde cifre.</translation>
    </message>
    <message>
        <source>The high tone's level above the low one's (0: equal). A radio's flat data input loses the high tone: a positive twist makes up for it.</source>
        <translation>Il livello del tono alto sopra quello del basso (0: uguali). L'ingresso dati piatto di una radio perde il tono alto: un twist positivo lo compensa.</translation>
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
        <source>The test tone is the digit 5 for one second. The input is where the board's Morse replies are heard, and where a second receiver (or the radio's monitor output) lets Tonalis check its own transmission.</source>
        <translation>Il tono di prova è la cifra 5 per un secondo. L'ingresso è dove si ascoltano le risposte Morse della scheda, e dove un secondo ricevitore (o l'uscita monitor della radio) permette a Tonalis di controllare la propria trasmissione.</translation>
    </message>
    <message>
        <source>After each send, &amp;listen for the board's Morse reply for up to</source>
        <translation>Dopo ogni invio, a&amp;scolta la risposta Morse della scheda per al massimo</translation>
    </message>
    <message>
        <source>&amp;Monitor my transmission on the input device</source>
        <translation>&amp;Monitora la mia trasmissione sul dispositivo d'ingresso</translation>
    </message>
    <message>
        <source>During each send, record the input (a second receiver, or the radio's monitor output) and show how many digits reached the air, their level, twist and timing.</source>
        <translation>Durante ogni invio, registra l'ingresso (un secondo ricevitore, o l'uscita monitor della radio) e mostra quante cifre sono andate in aria, con livello, twist e tempi.</translation>
    </message>
    <message>
        <source>In the &amp;journal, show the Modifier ID and Checksum ID as *</source>
        <translation>Nel &amp;registro, mostra l'ID modifica e l'ID checksum come *</translation>
    </message>
    <message>
        <source>They are the site's keys: anyone who reads the journal could change its commands.</source>
        <translation>Sono le chiavi del sito: chiunque legga il registro potrebbe cambiarne i comandi.</translation>
    </message>
    <message>
        <source>&amp;Inverted: the transmitter is keyed when the line is low</source>
        <translation>&amp;Invertito: il trasmettitore è attivo quando la linea è bassa</translation>
    </message>
    <message>
        <source>The port is the window's "PTT Comm" (COM%1), opened when its Enable box is ticked. Programming and PTT then share that port, one at a time.</source>
        <translation>La porta è la "COM PTT" della finestra (COM%1), aperta quando la sua casella Abilita è spuntata. Programmazione e PTT condividono allora quella porta, una alla volta.</translation>
    </message>
    <message>
        <source>  (CM108 family)</source>
        <translation>  (famiglia CM108)</translation>
    </message>
    <message>
        <source>No %1 found: is the radio interface plugged in?</source>
        <translation>Nessun %1 trovato: l'interfaccia radio è collegata?</translation>
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
        <source>the model's default</source>
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
        <translation>Quanto resta attivo il trasmettitore dopo l'ultimo tono, perché la portante non cada sotto di esso.</translation>
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
        <source>The transmitter could not be keyed; the message said why.</source>
        <translation>Il trasmettitore non si è potuto attivare; il messaggio ha detto perché.</translation>
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
        <source>Journal</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>The journal of sends cannot be written: %1.</source>
        <translation>Impossibile scrivere il registro degli invii: %1.</translation>
    </message>
    <message>
        <source>Playing the calibration tone: 1 kHz for 60 s...</source>
        <translation>Tono di calibrazione in corso: 1 kHz per 60 s...</translation>
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
        <translation>Indicare l'host su cui gira rigctld: un nome come localhost o un indirizzo come 127.0.0.1 (senza spazi né porta: la porta ha il suo campo).</translation>
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
        <translation>Li&amp;vello d'uscita:</translation>
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
</context>
</TS>