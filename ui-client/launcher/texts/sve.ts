<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Bearbetar %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Senaste uppladdning: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Ett databasfel har uppstått. Starta om Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Den här mappen överlappar en annan säkerhetskopieringsmapp. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adress:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Förvara dina filer säkert på din NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximal filstorlek:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Serverns SSL-certifikat kan inte verifieras.\nVill du fortsätta att ansluta?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Serverns SSL-certifikat har ändrats.\nLitar du på det nya certifikatet och vill du fortsätta?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Filer som är större än den här storleken säkerhetskopieras inte.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Anslutnings-ID:t är ogiltigt.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Ange 0 för att säkerhetskopiera filer oavsett storlek.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Koppla från</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Sök efter servrar i det lokala nätverket</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Lösenord</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Din IP-adress har blockerats av servern.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Säkerhetskopieringsmappen är inte monterad.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Anslut till din NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Det här kontot kräver ett engångslösenord (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Söker efter servrar...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Välj målmappen på servern:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Servern skickade ett ogiltigt svar.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Den här mappen säkerhetskopieras redan av en annan uppgift. Välj en annan mapp.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Ange användarnamnet för proxyservern.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Kontrollera inställningarna nedan innan du startar säkerhetskopieringen.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Den här versionen av Tarrowind Backup stöds inte längre. Uppgradera den.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Hämtar uppdateringen...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Säkerhetskopieringsmappar</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Kopplar från...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Språk:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Behöver du hjälp? Klicka på Hjälp i menyn i meddelandefältet.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Kontrollerar ditt konto...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>En ny version finns tillgänglig. Klicka här för att uppdatera.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Det gick inte att verifiera serverns SSL-certifikat.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ett oväntat fel har uppstått.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dubbelklicka för att redigera filnamnstillägget.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP-koden är felaktig.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Det gick inte att skapa en session på servern.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Det nya språket används när Tarrowind Backup har startats om.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Exkluderade mappar</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Den här datorn</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Servern har ändrats. Koppla den här datorn till servern igen.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Det gick inte att uppgradera Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Ange filnamnstillägget utan inledande punkt.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>För många misslyckade inloggningsförsök. Försök igen senare.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Serverns SSL-certifikat har ändrats.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Uppdaterar...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Anslut via relätjänsten</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Använd systemets proxyinställningar</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Välj vilka mappar på den här datorn som ska säkerhetskopieras och var de ska lagras på NAS:en.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Filer kopieras endast till NAS:en; ändringar på NAS:en kopieras aldrig tillbaka.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS:ens disk är full. Mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup förvarar en kopia av dina mappar på din NAS och uppdaterar den när filer ändras.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Öppna Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nej tack</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Du har inte behörighet att komma åt den här mappen.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Ange proxyserverns adress och port.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Porten måste vara ett tal från 1 till 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxyservern kräver autentisering</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Ansluter...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Överföringskö</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Det finns redan en delad mapp med det här namnet.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Begäran är ogiltig.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Din administratör kräver tvåstegsverifiering för det här kontot.\nAktivera den först i NAS-inställningarna.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Servern kör en version som inte stöds. Uppdatera NAS:en.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Ange OTP-koden:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Ingen proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Din lagringskvot på servern är förbrukad.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. Med ensamrätt.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Välj</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Ingen giltig mapp har valts.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Filer med dessa filnamnstillägg säkerhetskopieras inte:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Säkerhetskopierar...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Det går inte att nå anslutningstjänsten.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Målmappen är skrivskyddad.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 filer kvar</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Den lokala säkerhetskopieringsmappen hittades inte.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Tillämpar inställningar...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Användarnamn</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Säkerhetskopieringen misslyckades.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Mål:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Laddar upp</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Väntar</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Förbereder</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Anslutning</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Det här är inte den server som den här datorn är kopplad till.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Starta nu</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Den delade mappen är inte monterad.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Felaktigt användarnamn eller lösenord.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Tjänsten för användarnas hemmappar är inaktiverad på NAS:en.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Den delade mappen finns inte.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Det här användarkontot är inaktiverat.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Välj mappar att säkerhetskopiera:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Använd SSL-kryptering</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Nätverksfel. Kontrollera din anslutning.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Låst</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Skrivskyddad</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Välj en mapp på den här datorn</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Serverns SSL-certifikat kan inte verifieras. Mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Filer kopieras från den här datorn till NAS:en.\nÄndringar som görs på NAS:en kopieras inte tillbaka.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Använd en svartvit ikon i meddelandefältet</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Vissa filer i källmappen kan inte läsas och hoppas över.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Uppdaterad</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klart</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Uppdateringen har hämtats. Tarrowind Backup startas om för att installera den.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Ett systemfel uppstod när mappen kontrollerades.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Uppgiftens riktning stämmer inte överens med den på servern.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uppgradera</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Delad</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Välj de mappar på den här datorn som du vill säkerhetskopiera.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Serverns SSL-certifikat har ändrats. Mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initieringen misslyckades.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Välj säkerhetskopieringsmappar</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Behåll filer på NAS:en när de tas bort från den här datorn</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Den här mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Disken är full. Frigör utrymme och försök igen.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Exkluderade filnamnstillägg</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Ett nätverksfel uppstod när mappen kontrollerades.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Ange adressen till din NAS och dina kontouppgifter.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Slutförd</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Vill du koppla bort den här datorn från servern?\nSäkerhetskopieringen stoppas tills du kopplar den till servern igen.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Varning om SSL-certifikat</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup initieras...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Din lagringskvot på servern är förbrukad. Mappen kan inte säkerhetskopieras.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testar anslutningen...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manuell proxykonfiguration</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Den delade mappens kvot är förbrukad.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Du har inte behörighet att komma åt den här delade mappen.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Välkommen till Tarrowind Backup.\nDen här guiden hjälper dig att säkerhetskopiera mapparna på den här datorn till din NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Starta Tarrowind Backup när jag loggar in</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Välj minst en mapp.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup är klar.</translation>
    </message>
</context>
</TS>
