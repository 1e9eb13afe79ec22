<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Behandler %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Senest uploadet: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Der opstod en databasefejl. Genstart Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Denne mappe overlapper med en anden backupmappe. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Opbevar dine filer sikkert på din NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maksimal filstørrelse:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Serverens SSL-certifikat kan ikke bekræftes.\nVil du fortsætte med at oprette forbindelse?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Serverens SSL-certifikat er ændret.\nHar du tillid til det nye certifikat, og vil du fortsætte?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer, der er større end denne størrelse, sikkerhedskopieres ikke.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Forbindelses-id'et er ugyldigt.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Angiv 0 for at sikkerhedskopiere filer af enhver størrelse.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Fjern tilknytning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Søg efter servere på det lokale netværk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Adgangskode</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fremskridt</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adresse er blevet blokeret af serveren.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Backupmappen er ikke monteret.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Opret forbindelse til din NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Denne konto kræver en engangsadgangskode (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Søger efter servere...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Vælg destinationsmappen på serveren:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Serveren sendte et ugyldigt svar.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Denne mappe sikkerhedskopieres allerede af en anden opgave. Vælg en anden mappe.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Angiv brugernavnet til proxyserveren.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Kontrollér indstillingerne nedenfor, før du starter sikkerhedskopieringen.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Denne version af Tarrowind Backup understøttes ikke længere. Opgrader den.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Henter opdateringen...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Backupmapper</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Fjerner tilknytning...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprog:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Brug for hjælp? Klik på Hjælp i menuen i meddelelsesområdet.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Kontrollerer din konto...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>En ny version er tilgængelig. Klik her for at opdatere.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Serverens SSL-certifikat kunne ikke bekræftes.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Der opstod en uventet fejl.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dobbeltklik for at redigere filtypenavnet.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP-koden er forkert.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Der kunne ikke oprettes en session på serveren.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Det nye sprog anvendes, når Tarrowind Backup er genstartet.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Udeladte mapper</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Denne computer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Serveren er ændret. Tilknyt denne computer til serveren igen.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup kunne ikke opgraderes.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Angiv filtypenavnet uden det foranstillede punktum.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>For mange mislykkede loginforsøg. Prøv igen senere.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverens SSL-certifikat er ændret.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Opdaterer...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Opret forbindelse via relætjenesten</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Brug systemets proxyindstillinger</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Vælg de mapper på denne computer, der skal sikkerhedskopieres, og hvor de skal opbevares på NAS'en.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Filer kopieres kun til NAS'en; ændringer på NAS'en kopieres aldrig tilbage.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS'ens disk er fuld. Mappen kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Sat på pause</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup opbevarer en kopi af dine mapper på din NAS og opdaterer den, hver gang filer ændres.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Åbn Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nej tak</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne mappe.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Angiv adressen og porten til proxyserveren.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Porten skal være et tal fra 1 til 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyserveren kræver godkendelse</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Opretter forbindelse...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Overførselskø</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanceret</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Der findes allerede en delt mappe med dette navn.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Anmodningen er ugyldig.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Din administrator kræver totrinsbekræftelse for denne konto.\nAktivér den først i NAS-indstillingerne.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Serveren kører en version, der ikke understøttes. Opdater NAS'en.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Angiv OTP-koden:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Din lagerkvote på serveren er opbrugt.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. Alle rettigheder forbeholdes.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vælg</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Der blev ikke valgt en gyldig mappe.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med disse filtypenavne sikkerhedskopieres ikke:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sikkerhedskopierer...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Forbindelsestjenesten kan ikke nås.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Destinationsmappen er skrivebeskyttet.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 filer tilbage</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Den lokale backupmappe blev ikke fundet.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Anvender indstillinger...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Brugernavn</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Backup mislykkedes.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploader</translation>
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
        <translation>Forbindelse</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Denne server er ikke den, som denne computer er tilknyttet.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start nu</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Den delte mappe er ikke monteret.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Forkert brugernavn eller adgangskode.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Tjenesten til brugernes hjemmemapper er deaktiveret på NAS'en.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Den delte mappe findes ikke.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Denne brugerkonto er deaktiveret.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Vælg de mapper, der skal sikkerhedskopieres:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Brug SSL-kryptering</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netværksfejl. Kontrollér din forbindelse.</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Vælg en mappe på denne computer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Serverens SSL-certifikat kan ikke bekræftes. Mappen kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Filer kopieres fra denne computer til NAS'en.\nÆndringer, der foretages på NAS'en, kopieres ikke tilbage.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Brug et sort-hvidt ikon i meddelelsesområdet</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Nogle filer i kildemappen kan ikke læses og springes over.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Opdateret</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Opdateringen er hentet. Tarrowind Backup genstartes for at installere den.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Der opstod en systemfejl under kontrol af mappen.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Denne opgaves retning svarer ikke til retningen på serveren.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Opgrader</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delt</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Vælg de mapper på denne computer, som du vil sikkerhedskopiere.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Serverens SSL-certifikat er ændret. Mappen kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialiseringen mislykkedes.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Vælg backupmapper</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Behold filer på NAS'en, når de slettes fra denne computer</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Denne mappe kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Sæt på pause</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Disken er fuld. Frigør plads, og prøv igen.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Udeladte filtypenavne</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Der opstod en netværksfejl under kontrol af mappen.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Angiv adressen på din NAS og dine kontooplysninger.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Fuldført</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Vil du fjerne denne computers tilknytning til serveren?\nSikkerhedskopieringen stopper, indtil du tilknytter den igen.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advarsel om SSL-certifikat</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup initialiseres...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Din lagerkvote på serveren er opbrugt. Mappen kan ikke sikkerhedskopieres.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anvend</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Tester forbindelsen...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuel proxykonfiguration</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Den delte mappes kvote er opbrugt.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har ikke tilladelse til at få adgang til denne delte mappe.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Velkommen til Tarrowind Backup.\nDenne guide hjælper dig med at sikkerhedskopiere mapperne på denne computer til din NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Start Tarrowind Backup, når jeg logger på</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Vælg mindst én mappe.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup er klar.</translation>
    </message>
</context>
</TS>
