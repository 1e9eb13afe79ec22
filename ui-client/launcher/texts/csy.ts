<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Zpracování: %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Naposledy nahráno: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Došlo k chybě databáze. Restartujte Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Tato složka se překrývá s jinou zálohovanou složkou. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresa:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Uchovávejte své soubory v bezpečí na NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximální velikost souboru:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Certifikát SSL serveru nelze ověřit.\nChcete pokračovat v připojování?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Certifikát SSL serveru se změnil.\nDůvěřujete novému certifikátu a chcete pokračovat?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Soubory větší než tato velikost nebudou zálohovány.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>ID připojení je neplatné.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Chcete-li zálohovat soubory libovolné velikosti, zadejte 0.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odpojit</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Vyhledat servery v místní síti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Průběh</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Vaše IP adresa byla serverem zablokována.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Zálohovaná složka není připojena.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Připojení k vašemu NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Tento účet vyžaduje jednorázové heslo (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Vyhledávání serverů...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Vyberte cílovou složku na serveru:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Server odeslal neplatnou odpověď.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Tuto složku již zálohuje jiná úloha. Vyberte jinou složku.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Zadejte uživatelské jméno pro proxy server.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Před spuštěním zálohování zkontrolujte níže uvedená nastavení.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Tato verze Tarrowind Backup již není podporována. Aktualizujte ji prosím.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Stahování aktualizace...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Zálohované složky</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odpojování...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Jazyk:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Potřebujete pomoc? Klikněte na Nápověda v nabídce oznamovací oblasti.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Kontrola účtu...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Je k dispozici nová verze. Klikněte sem a proveďte aktualizaci.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Ověření certifikátu SSL serveru se nezdařilo.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Došlo k neočekávané chybě.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dvojitým kliknutím upravíte příponu souboru.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Kód OTP je nesprávný.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Vytvoření relace na serveru se nezdařilo.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Nový jazyk se použije po restartu Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Vyloučené složky</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Tento počítač</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Server se změnil. Znovu propojte tento počítač se serverem.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Výchozí nastavení systému</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Aktualizace Tarrowind Backup se nezdařila.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Zadejte příponu souboru bez úvodní tečky.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Příliš mnoho neúspěšných pokusů o přihlášení. Zkuste to znovu později.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certifikát SSL serveru se změnil.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizace...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Připojit prostřednictvím přenosové služby</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Použít systémové nastavení proxy</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat, a kam se mají na NAS ukládat.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Soubory se pouze kopírují na NAS; změny provedené na NAS se nikdy nekopírují zpět.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Disk NAS je plný. Složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup uchovává kopii vašich složek na NAS a aktualizuje ji při každé změně souborů.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Otevřít Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Ne, děkuji</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nemáte oprávnění k přístupu k této složce.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Zadejte adresu a port proxy serveru.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Port musí být číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy server vyžaduje ověření</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Připojování...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Fronta přenosů</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Pokročilé</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Sdílená složka s tímto názvem již existuje.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Požadavek je neplatný.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Správce pro tento účet vyžaduje dvoufázové ověření.\nNejprve jej zapněte v nastavení NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Na serveru běží nepodporovaná verze. Aktualizujte NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Zadejte kód OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVerze %1\nCopyright (C) Veltrona. Všechna práva vyhrazena.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Vybrat</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Nebyla vybrána žádná platná složka.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Soubory s těmito příponami nebudou zálohovány:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Zálohování...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Nelze se spojit se službou připojení.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Cílová složka je jen pro čtení.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Zbývající soubory: %1</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Místní zálohovanou složku nelze najít.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Použití nastavení...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Uživatelské jméno</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Zálohování se nezdařilo.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Cíl:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Nahrávání</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Účet</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Příprava</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Připojení</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Tento server není ten, se kterým je tento počítač propojen.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Spustit nyní</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Sdílená složka není připojena.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nesprávné uživatelské jméno nebo heslo.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Služba domovských složek uživatelů je na NAS zakázána.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Sdílená složka neexistuje.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Tento uživatelský účet je zakázán.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Vyberte složky k zálohování:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Použít šifrování SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Chyba sítě. Zkontrolujte připojení.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Uzamčeno</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Vyberte složku v tomto počítači</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Certifikát SSL serveru nelze ověřit. Složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Soubory se kopírují z tohoto počítače na NAS.\nZměny provedené na NAS se nekopírují zpět.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Použít černobílou ikonu v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Některé soubory ve zdrojové složce nelze přečíst a budou přeskočeny.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktuální</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Aktualizace byla stažena. Tarrowind Backup se restartuje a nainstaluje ji.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Při kontrole složky došlo k systémové chybě.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Směr této úlohy neodpovídá směru na serveru.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizovat</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Sdílené</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Vyberte složky v tomto počítači, které chcete zálohovat.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Certifikát SSL serveru se změnil. Složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inicializace se nezdařila.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Výběr složek k zálohování</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Ponechat soubory na NAS, i když jsou odstraněny z tohoto počítače</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Tuto složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Disk je plný. Uvolněte místo a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Vyloučené přípony souborů</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Při kontrole složky došlo k chybě sítě.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Zadejte adresu svého NAS a údaje svého účtu.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Dokončeno</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Odpojit tento počítač od serveru?\nZálohování bude zastaveno, dokud jej znovu nepropojíte.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Upozornění na certifikát SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Probíhá inicializace Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Vaše kvóta úložiště na serveru je vyčerpána. Složku nelze zálohovat.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Použít</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testování připojení...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ruční konfigurace proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Kvóta sdílené složky je vyčerpána.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nemáte oprávnění k přístupu k této sdílené složce.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Vítejte v Tarrowind Backup.\nTento průvodce vám pomůže zálohovat složky tohoto počítače na váš NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Spouštět Tarrowind Backup po přihlášení</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Vyberte alespoň jednu složku.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup je připraven.</translation>
    </message>
</context>
</TS>
