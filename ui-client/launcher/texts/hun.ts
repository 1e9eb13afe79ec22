<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Feldolgozás: %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Utoljára feltöltve: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Adatbázishiba történt. Indítsa újra a Tarrowind Backup alkalmazást.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Ez a mappa átfedésben van egy másik biztonsági mentési mappával. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Cím:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Tartsa biztonságban a fájljait a NAS-on</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximális fájlméret:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem ellenőrizhető.\nFolytatja a csatlakozást?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott.\nMegbízik az új tanúsítványban, és folytatja?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Az ennél nagyobb fájlokról nem készül biztonsági mentés.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>A kapcsolatazonosító érvénytelen.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Ha bármilyen méretű fájlról biztonsági mentést szeretne készíteni, adjon meg 0-t.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Leválasztás</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Kiszolgálók keresése a helyi hálózaton</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Jelszó</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Folyamat</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>A kiszolgáló letiltotta az Ön IP-címét.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>A biztonsági mentési mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Csatlakozás a NAS-hoz</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Ehhez a fiókhoz egyszer használatos jelszó (OTP) szükséges.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Kiszolgálók keresése...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Válassza ki a célmappát a kiszolgálón:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>A kiszolgáló érvénytelen választ küldött.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Erről a mappáról már egy másik feladat készít biztonsági mentést. Válasszon másik mappát.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Adja meg a proxykiszolgáló felhasználónevét.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>A biztonsági mentés indítása előtt ellenőrizze az alábbi beállításokat.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>A Tarrowind Backup ezen verziója már nem támogatott. Frissítse az alkalmazást.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Frissítés letöltése...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Biztonsági mentési mappák</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Leválasztás...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Nyelv:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Segítségre van szüksége? Kattintson a Súgó elemre az értesítési terület menüjében.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Fiók ellenőrzése...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Kiszolgáló</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Új verzió érhető el. Kattintson ide a frissítéshez.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Nem sikerült ellenőrizni a kiszolgáló SSL-tanúsítványát.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Váratlan hiba történt.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kattintson duplán a fájlkiterjesztés szerkesztéséhez.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Az OTP-kód helytelen.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Nem sikerült munkamenetet létrehozni a kiszolgálón.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Az új nyelv a Tarrowind Backup újraindítása után lép érvénybe.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Kizárt mappák</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ez a számítógép</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>A kiszolgáló megváltozott. Kapcsolja össze újra ezt a számítógépet a kiszolgálóval.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Rendszer alapértelmezése</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Nem sikerült frissíteni a Tarrowind Backup alkalmazást.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Adja meg a fájlkiterjesztést a kezdő pont nélkül.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Túl sok sikertelen bejelentkezési kísérlet. Próbálja újra később.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Frissítés...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Csatlakozás továbbítószolgáltatáson keresztül</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>A rendszer proxybeállításainak használata</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Válassza ki, hogy a számítógép mely mappáiról készüljön biztonsági mentés, és hol tárolódjanak a NAS-on.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>A fájlok csak a NAS-ra másolódnak; a NAS-on végzett módosítások soha nem másolódnak vissza.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>A NAS lemeze megtelt. A mappáról nem készíthető biztonsági mentés.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>A Tarrowind Backup másolatot tart a mappáiról a NAS-on, és frissíti azt, valahányszor a fájlok módosulnak.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>A Tarrowind Backup megnyitása</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Köszönöm, nem</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nincs hozzáférési jogosultsága ehhez a mappához.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Adja meg a proxykiszolgáló címét és portját.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>A portnak 1 és 65535 közötti számnak kell lennie.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>A proxykiszolgáló hitelesítést igényel</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Csatlakozás...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Átviteli sor</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Már létezik ilyen nevű megosztott mappa.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>A kérés érvénytelen.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>A rendszergazda kétlépcsős azonosítást ír elő ehhez a fiókhoz.\nElőször kapcsolja be a NAS beállításaiban.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>A kiszolgálón nem támogatott verzió fut. Frissítse a NAS-t.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Adja meg az OTP-kódot:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Nincs proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Elfogyott a tárhelykvótája a kiszolgálón.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVerzió: %1\nCopyright (C) Veltrona. Minden jog fenntartva.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Kiválasztás</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Nincs kiválasztva érvényes mappa.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Az alábbi kiterjesztésű fájlokról nem készül biztonsági mentés:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Biztonsági mentés...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>A kapcsolódási szolgáltatás nem érhető el.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>A célmappa írásvédett.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Hátralévő fájlok: %1</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>A helyi biztonsági mentési mappa nem található.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Beállítások alkalmazása...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Felhasználónév</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>A biztonsági mentés sikertelen.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Cél:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Feltöltés</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Fiók</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Előkészítés</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Ez nem az a kiszolgáló, amelyhez ez a számítógép kapcsolódik.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Indítás most</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>A megosztott mappa nincs csatlakoztatva.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Helytelen felhasználónév vagy jelszó.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>A felhasználói kezdőmappa-szolgáltatás le van tiltva a NAS-on.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>A megosztott mappa nem létezik.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Ez a felhasználói fiók le van tiltva.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Válassza ki a biztonsági mentésre kerülő mappákat:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL-titkosítás használata</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Hálózati hiba. Ellenőrizze a kapcsolatot.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zárolva</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Írásvédett</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Mappa kiválasztása ezen a számítógépen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>A kiszolgáló SSL-tanúsítványa nem ellenőrizhető. A mappáról nem készíthető biztonsági mentés.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>A fájlok erről a számítógépről a NAS-ra másolódnak.\nA NAS-on végzett módosítások nem másolódnak vissza.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Fekete-fehér tálcaikon használata</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>A forrásmappa egyes fájljai nem olvashatók, ezért kimaradnak.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Naprakész</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>A frissítés letöltődött. A Tarrowind Backup a telepítéshez újraindul.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Rendszerhiba történt a mappa ellenőrzése közben.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>A feladat iránya nem egyezik a kiszolgálón beállított iránnyal.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Megosztott</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Válassza ki a számítógépen azokat a mappákat, amelyekről biztonsági mentést szeretne készíteni.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>A kiszolgáló SSL-tanúsítványa megváltozott. A mappáról nem készíthető biztonsági mentés.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Az inicializálás sikertelen.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Biztonsági mentési mappák kiválasztása</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Fájlok megtartása a NAS-on, ha törlődnek erről a számítógépről</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Erről a mappáról nem készíthető biztonsági mentés.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>A lemez megtelt. Szabadítson fel helyet, és próbálja újra.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Kizárt fájlkiterjesztések</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Hálózati hiba történt a mappa ellenőrzése közben.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Adja meg a NAS címét és a fiókadatait.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Befejezve</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Leválasztja ezt a számítógépet a kiszolgálóról?\nA biztonsági mentés szünetel, amíg újra össze nem kapcsolja.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Figyelmeztetés az SSL-tanúsítványról</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>A Tarrowind Backup inicializálása...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Elfogyott a tárhelykvótája a kiszolgálón. A mappáról nem készíthető biztonsági mentés.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Alkalmaz</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Kapcsolat tesztelése...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Kézi proxybeállítás</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A megosztott mappa kvótája elfogyott.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nincs hozzáférési jogosultsága ehhez a megosztott mappához.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Üdvözli a Tarrowind Backup.\nEz a varázsló segít biztonsági mentést készíteni a számítógép mappáiról a NAS-ra.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>A Tarrowind Backup indítása bejelentkezéskor</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Válasszon ki legalább egy mappát.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>A Tarrowind Backup készen áll.</translation>
    </message>
</context>
</TS>
