<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Behandler %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Sist lastet opp: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Det oppstod en databasefeil. Start Tarrowind Backup på nytt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Denne mappen overlapper med en annen sikkerhetskopimappe. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Oppbevar filene dine trygt på NAS-en din</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maksimal filstørrelse:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>SSL-sertifikatet til serveren kan ikke bekreftes.\nVil du fortsette tilkoblingen?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>SSL-sertifikatet til serveren er endret.\nStoler du på det nye sertifikatet, og vil du fortsette?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som er større enn denne størrelsen, blir ikke sikkerhetskopiert.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Tilkoblings-ID-en er ugyldig.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Angi 0 for å sikkerhetskopiere filer av alle størrelser.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koble fra</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Søk etter servere på det lokale nettverket</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passord</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremdrift</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP-adressen din er blokkert av serveren.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Sikkerhetskopimappen er ikke montert.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Koble til NAS-en din</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Denne kontoen krever et engangspassord (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Søker etter servere...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Velg målmappen på serveren:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Serveren sendte et ugyldig svar.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Denne mappen sikkerhetskopieres allerede av en annen oppgave. Velg en annen mappe.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Angi brukernavnet for proxyserveren.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Kontroller innstillingene nedenfor før du starter sikkerhetskopieringen.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Denne versjonen av Tarrowind Backup støttes ikke lenger. Oppgrader den.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Laster ned oppdateringen...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Sikkerhetskopimapper</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kobler fra...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Trenger du hjelp? Klikk på Hjelp i menyen i varslingsområdet.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Kontrollerer kontoen din...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>En ny versjon er tilgjengelig. Klikk her for å oppdatere.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Kunne ikke bekrefte SSL-sertifikatet til serveren.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Det oppstod en uventet feil.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklikk for å redigere filtypen.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP-koden er feil.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Kunne ikke opprette en økt på serveren.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Det nye språket tas i bruk når Tarrowind Backup har startet på nytt.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Ekskluderte mapper</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne datamaskinen</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Serveren er endret. Koble denne datamaskinen til serveren på nytt.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Kunne ikke oppgradere Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Angi filtypen uten punktum foran.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede påloggingsforsøk. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>SSL-sertifikatet til serveren er endret.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Oppdaterer...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Koble til via relétjenesten</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Bruk systemets proxyinnstillinger</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Velg mappene på denne datamaskinen som skal sikkerhetskopieres, og hvor de skal lagres på NAS-en.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Filer kopieres bare til NAS-en; endringer på NAS-en kopieres aldri tilbake.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Disken på NAS-en er full. Mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup oppbevarer en kopi av mappene dine på NAS-en din og oppdaterer den hver gang filer endres.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Åpne Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nei takk</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har ikke tillatelse til å få tilgang til denne mappen.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Angi adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Porten må være et tall fra 1 til 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren krever autentisering</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Kobler til...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Overføringskø</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finnes allerede en delt mappe med dette navnet.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Forespørselen er ugyldig.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Administratoren din krever totrinnsbekreftelse for denne kontoen.\nSlå den på i NAS-innstillingene først.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Serveren kjører en versjon som ikke støttes. Oppdater NAS-en.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Angi OTP-koden:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Lagringskvoten din på serveren er brukt opp.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersjon %1\nCopyright (C) Veltrona. Med enerett.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Ingen gyldig mappe ble valgt.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypene blir ikke sikkerhetskopiert:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhetskopierer...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Får ikke kontakt med tilkoblingstjenesten.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Målmappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 filer gjenstår</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Finner ikke den lokale sikkerhetskopimappen.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tar i bruk innstillingene...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brukernavn</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Sikkerhetskopieringen mislyktes.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Mål:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laster opp</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Venter</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Forbereder</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Tilkobling</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Dette er ikke serveren som denne datamaskinen er koblet til.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nå</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Den delte mappen er ikke montert.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Feil brukernavn eller passord.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Tjenesten for brukernes hjemmemapper er deaktivert på NAS-en.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Den delte mappen finnes ikke.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Denne brukerkontoen er deaktivert.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Velg mappene som skal sikkerhetskopieres:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Bruk SSL-kryptering</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Nettverksfeil. Kontroller tilkoblingen.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Velg en mappe på denne datamaskinen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>SSL-sertifikatet til serveren kan ikke bekreftes. Mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Filer kopieres fra denne datamaskinen til NAS-en.\nEndringer som gjøres på NAS-en, kopieres ikke tilbake.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Bruk et svart-hvitt ikon i varslingsområdet</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Noen filer i kildemappen kan ikke leses og blir hoppet over.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Oppdatert</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neste</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Oppdateringen er lastet ned. Tarrowind Backup starter på nytt for å installere den.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Det oppstod en systemfeil under kontroll av mappen.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Retningen for denne oppgaven samsvarer ikke med den på serveren.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Oppgrader</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delt</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Velg mappene på denne datamaskinen som du vil sikkerhetskopiere.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>SSL-sertifikatet til serveren er endret. Mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialiseringen mislyktes.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Velg sikkerhetskopimapper</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Behold filer på NAS-en når de slettes fra denne datamaskinen</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Denne mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sett på pause</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Disken er full. Frigjør plass og prøv igjen.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Ekskluderte filtyper</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Det oppstod en nettverksfeil under kontroll av mappen.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Angi adressen til NAS-en din og kontoopplysningene dine.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Vil du koble denne datamaskinen fra serveren?\nSikkerhetskopieringen stopper til du kobler den til igjen.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advarsel om SSL-sertifikat</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup initialiseres...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Lagringskvoten din på serveren er brukt opp. Mappen kan ikke sikkerhetskopieres.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester tilkoblingen...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfigurasjon</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Kvoten for den delte mappen er brukt opp.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har ikke tillatelse til å få tilgang til denne delte mappen.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Velkommen til Tarrowind Backup.\nDenne veiviseren hjelper deg med å sikkerhetskopiere mappene på denne datamaskinen til NAS-en din.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Start Tarrowind Backup når jeg logger på</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Velg minst én mappe.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup er klar.</translation>
    </message>
</context>
</TS>
