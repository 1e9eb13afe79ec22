<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 wird verarbeitet</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Zuletzt hochgeladen: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Ein Datenbankfehler ist aufgetreten. Bitte starten Sie Tarrowind Backup neu.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Dieser Ordner überschneidet sich mit einem anderen Sicherungsordner. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Bewahren Sie Ihre Dateien sicher auf Ihrem NAS auf</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximale Dateigröße:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Das SSL-Zertifikat des Servers kann nicht überprüft werden.\nMöchten Sie die Verbindung trotzdem herstellen?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.\nVertrauen Sie dem neuen Zertifikat und möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Dateien über dieser Größe werden nicht gesichert.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Die Verbindungs-ID ist ungültig.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Geben Sie 0 ein, um Dateien jeder Größe zu sichern.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Verknüpfung aufheben</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Im lokalen Netzwerk nach Servern suchen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ihre IP-Adresse wurde vom Server gesperrt.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Der Sicherungsordner ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Mit Ihrem NAS verbinden</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Für dieses Konto ist ein Einmalpasswort (OTP) erforderlich.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Server werden gesucht...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Wählen Sie den Zielordner auf dem Server aus:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Der Server hat eine ungültige Antwort gesendet.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Dieser Ordner wird bereits von einer anderen Aufgabe gesichert. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Bitte geben Sie den Benutzernamen für den Proxyserver ein.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Bitte überprüfen Sie die folgenden Einstellungen, bevor Sie die Sicherung starten.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Diese Version von Tarrowind Backup wird nicht mehr unterstützt. Bitte aktualisieren Sie sie.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Update wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Verknüpfung wird aufgehoben...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Benötigen Sie Hilfe? Klicken Sie im Menü des Infobereichs auf „Hilfe“.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Ihr Konto wird überprüft...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Eine neue Version ist verfügbar. Klicken Sie hier, um zu aktualisieren.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Das SSL-Zertifikat des Servers konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Doppelklicken Sie, um die Dateierweiterung zu bearbeiten.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Der OTP-Code ist falsch.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Auf dem Server konnte keine Sitzung erstellt werden.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Die neue Sprache wird nach einem Neustart von Tarrowind Backup verwendet.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ausgeschlossene Ordner</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Der Server hat sich geändert. Bitte verknüpfen Sie diesen Computer erneut mit dem Server.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Geben Sie die Dateierweiterung ohne den vorangestellten Punkt ein.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zu viele fehlgeschlagene Anmeldeversuche. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Wird aktualisiert...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Über den Relay-Dienst verbinden</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxyeinstellungen des Systems verwenden</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer aus, die gesichert werden sollen, und legen Sie fest, wo sie auf dem NAS gespeichert werden.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Dateien werden nur auf das NAS kopiert; Änderungen auf dem NAS werden nie zurückkopiert.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Der Datenträger des NAS ist voll. Der Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup bewahrt eine Kopie Ihrer Ordner auf Ihrem NAS auf und aktualisiert sie, sobald sich Dateien ändern.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Tarrowind Backup öffnen</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nein, danke</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf diesen Ordner.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Bitte geben Sie die Adresse und den Port des Proxyservers ein.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Der Port muss eine Zahl zwischen 1 und 65535 sein.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Der Proxyserver erfordert eine Authentifizierung</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Übertragungswarteschlange</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ein freigegebener Ordner mit diesem Namen ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Die Anfrage ist ungültig.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Ihr Administrator verlangt für dieses Konto die 2-Schritt-Verifizierung.\nBitte aktivieren Sie sie zuerst in den NAS-Einstellungen.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Auf dem Server läuft eine nicht unterstützte Version. Bitte aktualisieren Sie das NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Geben Sie den OTP-Code ein:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Kein Proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist aufgebraucht.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Es wurde kein gültiger Ordner ausgewählt.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Dateien mit diesen Erweiterungen werden nicht gesichert:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Wird gesichert...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Der Verbindungsdienst ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Der Zielordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Noch %1 Dateien</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Der lokale Sicherungsordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Einstellungen werden übernommen...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Sicherung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wird hochgeladen</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Wird vorbereitet</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Dies ist nicht der Server, mit dem dieser Computer verknüpft ist.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Jetzt starten</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Der freigegebene Ordner ist nicht eingebunden.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Benutzername oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Der Benutzer-Home-Dienst ist auf dem NAS deaktiviert.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Der freigegebene Ordner ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Dieses Benutzerkonto ist deaktiviert.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Wählen Sie die zu sichernden Ordner aus:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-Verschlüsselung verwenden</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netzwerkfehler. Bitte überprüfen Sie Ihre Verbindung.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Ordner auf diesem Computer auswählen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Das SSL-Zertifikat des Servers kann nicht überprüft werden. Der Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Dateien werden von diesem Computer auf das NAS kopiert.\nAuf dem NAS vorgenommene Änderungen werden nicht zurückkopiert.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Schwarz-weißes Symbol im Infobereich verwenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Einige Dateien im Quellordner können nicht gelesen werden und werden übersprungen.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Das Update wurde heruntergeladen. Tarrowind Backup wird zur Installation neu gestartet.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Beim Überprüfen des Ordners ist ein Systemfehler aufgetreten.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Die Richtung dieser Aufgabe stimmt nicht mit der auf dem Server überein.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Freigegeben</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Wählen Sie die Ordner auf diesem Computer aus, die Sie sichern möchten.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Das SSL-Zertifikat des Servers hat sich geändert. Der Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialisierung fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Sicherungsordner auswählen</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Dateien auf dem NAS behalten, wenn sie auf diesem Computer gelöscht werden</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Dieser Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Der Datenträger ist voll. Bitte geben Sie Speicherplatz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ausgeschlossene Dateierweiterungen</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Beim Überprüfen des Ordners ist ein Netzwerkfehler aufgetreten.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Geben Sie die Adresse Ihres NAS und Ihre Kontodaten ein.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Verknüpfung dieses Computers mit dem Server aufheben?\nSicherungen werden angehalten, bis Sie ihn erneut verknüpfen.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL-Zertifikatswarnung</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup wird initialisiert...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Ihr Speicherkontingent auf dem Server ist aufgebraucht. Der Ordner kann nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbindung wird getestet...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuelle Proxykonfiguration</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Das Kontingent des freigegebenen Ordners ist aufgebraucht.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Sie haben keine Berechtigung für den Zugriff auf diesen freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Willkommen bei Tarrowind Backup.\nDieser Assistent hilft Ihnen, die Ordner dieses Computers auf Ihrem NAS zu sichern.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Tarrowind Backup bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Bitte wählen Sie mindestens einen Ordner aus.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup ist bereit.</translation>
    </message>
</context>
</TS>
