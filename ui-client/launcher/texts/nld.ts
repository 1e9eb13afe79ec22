<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Bezig met verwerken van %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Laatst geüpload: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Er is een databasefout opgetreden. Start Tarrowind Backup opnieuw.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Deze map overlapt met een andere back-upmap. Kies een andere map.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Bewaar uw bestanden veilig op uw NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximale bestandsgrootte:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd.\nWilt u toch verbinding maken?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.\nVertrouwt u het nieuwe certificaat en wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Van bestanden die groter zijn dan deze grootte, wordt geen back-up gemaakt.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>De verbindings-ID is ongeldig.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Voer 0 in om een back-up te maken van bestanden van elke grootte.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Ontkoppelen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Zoeken naar servers in het lokale netwerk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Uw IP-adres is geblokkeerd door de server.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>De back-upmap is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Verbinding maken met uw NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Voor dit account is een eenmalig wachtwoord (OTP) vereist.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Zoeken naar servers...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Selecteer de doelmap op de server:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>De server heeft een ongeldig antwoord verzonden.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Van deze map wordt al een back-up gemaakt door een andere taak. Kies een andere map.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Voer de gebruikersnaam voor de proxyserver in.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Controleer de onderstaande instellingen voordat u de back-up start.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Deze versie van Tarrowind Backup wordt niet meer ondersteund. Voer een upgrade uit.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Update downloaden...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Back-upmappen</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Ontkoppelen...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Taal:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Hulp nodig? Klik op Help in het menu van het systeemvak.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Uw account controleren...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Er is een nieuwe versie beschikbaar. Klik hier om bij te werken.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Kan het SSL-certificaat van de server niet verifiëren.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Er is een onverwachte fout opgetreden.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklik om de bestandsextensie te bewerken.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>De OTP-code is onjuist.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Kan geen sessie op de server maken.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>De nieuwe taal wordt gebruikt nadat Tarrowind Backup opnieuw is gestart.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Uitgesloten mappen</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Deze computer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>De server is gewijzigd. Koppel deze computer opnieuw aan de server.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systeemstandaard</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Upgrade van Tarrowind Backup is mislukt.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Voer de bestandsextensie in zonder de punt ervoor.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Te veel mislukte aanmeldpogingen. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Bijwerken...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Verbinden via de relayservice</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Proxy-instellingen van het systeem gebruiken</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Kies de mappen op deze computer waarvan u een back-up wilt maken en waar ze op de NAS moeten worden bewaard.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Bestanden worden alleen naar de NAS gekopieerd; wijzigingen op de NAS worden nooit teruggekopieerd.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>De schijf van de NAS is vol. Van de map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup bewaart een kopie van uw mappen op uw NAS en werkt deze bij zodra bestanden veranderen.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Tarrowind Backup openen</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nee, bedankt</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>U hebt geen toegang tot deze map.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Voer het adres en de poort van de proxyserver in.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>De poort moet een getal van 1 tot en met 65535 zijn.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>De proxyserver vereist verificatie</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbinden...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Overdrachtswachtrij</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Geavanceerd</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Er bestaat al een gedeelde map met deze naam.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>De aanvraag is ongeldig.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Uw beheerder vereist verificatie in twee stappen voor dit account.\nSchakel deze eerst in via de NAS-instellingen.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Op de server draait een versie die niet wordt ondersteund. Werk de NAS bij.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Voer de OTP-code in:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Geen proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Uw opslagquotum op de server is opgebruikt.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersie %1\nCopyright (C) Veltrona. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecteren</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Er is geen geldige map geselecteerd.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Van bestanden met deze extensies wordt geen back-up gemaakt:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Back-up maken...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Kan de verbindingsservice niet bereiken.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>De doelmap is alleen-lezen.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Nog %1 bestanden</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>De lokale back-upmap kan niet worden gevonden.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Instellingen toepassen...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Back-up mislukt.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Bestemming:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploaden</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wachten</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Voorbereiden</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbinding</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Dit is niet de server waaraan deze computer is gekoppeld.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Nu starten</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>De gedeelde map is niet aangekoppeld.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Onjuiste gebruikersnaam of onjuist wachtwoord.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>De thuismapservice voor gebruikers is uitgeschakeld op de NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>De gedeelde map bestaat niet.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Dit gebruikersaccount is uitgeschakeld.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Kies de mappen waarvan u een back-up wilt maken:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-versleuteling gebruiken</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Netwerkfout. Controleer uw verbinding.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Vergrendeld</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Alleen-lezen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Selecteer een map op deze computer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Het SSL-certificaat van de server kan niet worden geverifieerd. Van de map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Bestanden worden van deze computer naar de NAS gekopieerd.\nWijzigingen op de NAS worden niet teruggekopieerd.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Zwart-wit pictogram in het systeemvak gebruiken</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Sommige bestanden in de bronmap kunnen niet worden gelezen en worden overgeslagen.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Bijgewerkt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>De update is gedownload. Tarrowind Backup wordt opnieuw gestart om deze te installeren.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Er is een systeemfout opgetreden bij het controleren van de map.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>De richting van deze taak komt niet overeen met die op de server.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgraden</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Gedeeld</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selecteer de mappen op deze computer waarvan u een back-up wilt maken.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Het SSL-certificaat van de server is gewijzigd. Van de map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialisatie mislukt.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Back-upmappen kiezen</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Bestanden op de NAS bewaren wanneer ze van deze computer worden verwijderd</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Van deze map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>De schijf is vol. Maak ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Uitgesloten bestandsextensies</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Er is een netwerkfout opgetreden bij het controleren van de map.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Voer het adres van uw NAS en uw accountgegevens in.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Voltooid</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Deze computer ontkoppelen van de server?\nBack-ups worden gestopt totdat u de computer opnieuw koppelt.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Waarschuwing voor SSL-certificaat</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup wordt geïnitialiseerd...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Uw opslagquotum op de server is opgebruikt. Van de map kan geen back-up worden gemaakt.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Verbinding testen...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Handmatige proxyconfiguratie</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Het quotum van de gedeelde map is opgebruikt.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>U hebt geen toegang tot deze gedeelde map.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Welkom bij Tarrowind Backup.\nDeze wizard helpt u om de mappen van deze computer te back-uppen naar uw NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Tarrowind Backup starten wanneer ik me aanmeld</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Selecteer ten minste één map.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup is gereed.</translation>
    </message>
</context>
</TS>
