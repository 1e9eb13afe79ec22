<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Elaborazione di %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Ultimo caricamento: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Si è verificato un errore del database. Riavviare Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Questa cartella si sovrappone a un'altra cartella di backup. Scegliere una cartella diversa.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Proteggi i tuoi file sul NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Dimensione massima dei file:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Impossibile verificare il certificato SSL del server.\nContinuare la connessione?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Il certificato SSL del server è cambiato.\nConsiderare attendibile il nuovo certificato e continuare?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Non viene eseguito il backup dei file di dimensioni superiori a questo valore.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>L'ID di connessione non è valido.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Immettere 0 per eseguire il backup dei file di qualsiasi dimensione.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Scollega</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Cerca server nella rete locale</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>L'indirizzo IP è stato bloccato dal server.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>La cartella di backup non è montata.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Connessione al NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Questo account richiede una password monouso (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Ricerca dei server in corso...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Selezionare la cartella di destinazione sul server:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Il server ha inviato una risposta non valida.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Il backup di questa cartella viene già eseguito da un'altra attività. Scegliere una cartella diversa.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Immettere il nome utente per il server proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Controllare le impostazioni seguenti prima di avviare il backup.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Questa versione di Tarrowind Backup non è più supportata. Aggiornarla.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Download dell'aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Cartelle di backup</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Scollegamento in corso...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Lingua:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Serve aiuto? Fare clic su Guida nel menu dell'area di notifica.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Verifica dell'account in corso...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>È disponibile una nuova versione. Fare clic qui per aggiornare.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Verifica del certificato SSL del server non riuscita.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Fare doppio clic per modificare l'estensione del file.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Il codice OTP non è corretto.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Impossibile creare una sessione sul server.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>La nuova lingua verrà applicata al riavvio di Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Cartelle escluse</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Questo computer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Il server è cambiato. Collegare nuovamente questo computer al server.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinita di sistema</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Impossibile aggiornare Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Immettere l'estensione del file senza il punto iniziale.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Troppi tentativi di accesso non riusciti. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Il certificato SSL del server è cambiato.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aggiornamento in corso...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Connetti tramite il servizio di inoltro</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usa le impostazioni proxy di sistema</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Scegliere le cartelle di questo computer di cui eseguire il backup e dove conservarle sul NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>I file vengono solo copiati sul NAS; le modifiche apportate sul NAS non vengono mai ricopiate.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Il disco del NAS è pieno. Non è possibile eseguire il backup della cartella.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup conserva una copia delle cartelle sul NAS e la aggiorna ogni volta che i file cambiano.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Apri Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, grazie</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Non si dispone dell'autorizzazione per accedere a questa cartella.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Immettere l'indirizzo e la porta del server proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>La porta deve essere un numero compreso tra 1 e 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Il server proxy richiede l'autenticazione</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connessione in corso...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Coda di trasferimento</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzate</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Esiste già una cartella condivisa con questo nome.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>La richiesta non è valida.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>L'amministratore richiede la verifica in due passaggi per questo account.\nAttivarla prima nelle impostazioni del NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Il server esegue una versione non supportata. Aggiornare il NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Immettere il codice OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nessun proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>La quota di archiviazione sul server è esaurita.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersione %1\nCopyright (C) Veltrona. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Non è stata selezionata alcuna cartella valida.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Non viene eseguito il backup dei file con queste estensioni:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backup in corso...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Impossibile raggiungere il servizio di connessione.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>La cartella di destinazione è di sola lettura.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 file rimanenti</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Impossibile trovare la cartella di backup locale.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applicazione delle impostazioni in corso...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Backup non riuscito.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destinazione:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>In attesa</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connessione</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Questo server non è quello a cui è collegato questo computer.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Avvia ora</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>La cartella condivisa non è montata.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nome utente o password non corretti.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Il servizio home utente è disattivato sul NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>La cartella condivisa non esiste.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Questo account utente è disattivato.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Scegliere le cartelle di cui eseguire il backup:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usa la crittografia SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Errore di rete. Controllare la connessione.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Seleziona una cartella su questo computer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Impossibile verificare il certificato SSL del server. Non è possibile eseguire il backup della cartella.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>I file vengono copiati da questo computer al NAS.\nLe modifiche apportate sul NAS non vengono ricopiate.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Usa un'icona in bianco e nero nell'area di notifica</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Alcuni file nella cartella di origine non possono essere letti e verranno ignorati.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>L'aggiornamento è stato scaricato. Tarrowind Backup verrà riavviato per installarlo.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Si è verificato un errore di sistema durante il controllo della cartella.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>La direzione di questa attività non corrisponde a quella sul server.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Condiviso</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selezionare le cartelle di questo computer di cui si desidera eseguire il backup.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Il certificato SSL del server è cambiato. Non è possibile eseguire il backup della cartella.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inizializzazione non riuscita.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Scegli le cartelle di backup</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Mantieni i file sul NAS quando vengono eliminati da questo computer</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Non è possibile eseguire il backup di questa cartella.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Il disco è pieno. Liberare spazio e riprovare.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Estensioni di file escluse</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Si è verificato un errore di rete durante il controllo della cartella.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Immettere l'indirizzo del NAS e i dati dell'account.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Scollegare questo computer dal server?\nI backup verranno interrotti finché non lo si collegherà di nuovo.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Avviso sul certificato SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Inizializzazione di Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>La quota di archiviazione sul server è esaurita. Non è possibile eseguire il backup della cartella.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test della connessione in corso...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configurazione manuale del proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>La quota della cartella condivisa è esaurita.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Non si dispone dell'autorizzazione per accedere a questa cartella condivisa.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Benvenuti in Tarrowind Backup.\nQuesta procedura guidata consente di eseguire il backup delle cartelle di questo computer sul NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Avvia Tarrowind Backup all'accesso</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Selezionare almeno una cartella.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup è pronto.</translation>
    </message>
</context>
</TS>
