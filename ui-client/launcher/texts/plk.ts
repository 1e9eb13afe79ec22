<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Przetwarzanie: %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Ostatnio przesłano: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Wystąpił błąd bazy danych. Uruchom ponownie Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Ten folder pokrywa się z innym folderem kopii zapasowej. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Przechowuj pliki bezpiecznie na serwerze NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maksymalny rozmiar pliku:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera.\nCzy chcesz kontynuować łączenie?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Certyfikat SSL serwera uległ zmianie.\nCzy ufasz nowemu certyfikatowi i chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Pliki większe niż ten rozmiar nie są uwzględniane w kopii zapasowej.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Identyfikator połączenia jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Wpisz 0, aby tworzyć kopie zapasowe plików o dowolnym rozmiarze.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Odłącz</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Wyszukaj serwery w sieci lokalnej</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Twój adres IP został zablokowany przez serwer.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Folder kopii zapasowej nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Połącz z serwerem NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>To konto wymaga hasła jednorazowego (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Wyszukiwanie serwerów...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Wybierz folder docelowy na serwerze:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Serwer zwrócił nieprawidłową odpowiedź.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Ten folder jest już objęty kopią zapasową w ramach innego zadania. Wybierz inny folder.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Wprowadź nazwę użytkownika serwera proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Przed rozpoczęciem tworzenia kopii zapasowej sprawdź poniższe ustawienia.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Ta wersja Tarrowind Backup nie jest już obsługiwana. Uaktualnij aplikację.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Pobieranie aktualizacji...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Foldery kopii zapasowej</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Odłączanie...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Potrzebujesz pomocy? Kliknij Pomoc w menu zasobnika systemowego.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Sprawdzanie konta...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Dostępna jest nowa wersja. Kliknij tutaj, aby zaktualizować.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Nie udało się zweryfikować certyfikatu SSL serwera.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Kliknij dwukrotnie, aby edytować rozszerzenie pliku.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Kod OTP jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Nie udało się utworzyć sesji na serwerze.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Nowy język zostanie zastosowany po ponownym uruchomieniu Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Wykluczone foldery</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Ten komputer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Serwer uległ zmianie. Połącz ponownie ten komputer z serwerem.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Domyślny systemowy</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Nie udało się uaktualnić Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Wpisz rozszerzenie pliku bez kropki na początku.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Zbyt wiele nieudanych prób logowania. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Certyfikat SSL serwera uległ zmianie.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Aktualizowanie...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Połącz przez usługę przekaźnikową</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Użyj systemowych ustawień proxy</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Wybierz foldery na tym komputerze, których kopię zapasową chcesz utworzyć, oraz miejsce ich przechowywania na serwerze NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Pliki są tylko kopiowane na serwer NAS; zmiany wprowadzone na serwerze NAS nigdy nie są kopiowane z powrotem.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Dysk serwera NAS jest pełny. Nie można utworzyć kopii zapasowej folderu.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup przechowuje kopię Twoich folderów na serwerze NAS i aktualizuje ją przy każdej zmianie plików.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Otwórz Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Nie, dziękuję</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Nie masz uprawnień dostępu do tego folderu.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Wprowadź adres i port serwera proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Port musi być liczbą od 1 do 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Serwer proxy wymaga uwierzytelniania</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Łączenie...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Kolejka transferu</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowane</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Folder udostępniony o tej nazwie już istnieje.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Żądanie jest nieprawidłowe.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Administrator wymaga weryfikacji dwuetapowej dla tego konta.\nNajpierw włącz ją w ustawieniach serwera NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Na serwerze działa nieobsługiwana wersja oprogramowania. Zaktualizuj serwer NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Wprowadź kod OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Bez proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Limit miejsca na serwerze został wyczerpany.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nWersja %1\nCopyright (C) Veltrona. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Nie wybrano prawidłowego folderu.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Pliki z tymi rozszerzeniami nie są uwzględniane w kopii zapasowej:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Tworzenie kopii zapasowej...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Nie można połączyć się z usługą połączeń.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Folder docelowy jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Pozostało plików: %1</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Nie można znaleźć lokalnego folderu kopii zapasowej.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Stosowanie ustawień...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Tworzenie kopii zapasowej nie powiodło się.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Miejsce docelowe:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Przesyłanie</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Przygotowywanie</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>To nie jest serwer, z którym połączony jest ten komputer.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Rozpocznij teraz</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Folder udostępniony nie jest zamontowany.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nieprawidłowa nazwa użytkownika lub hasło.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Usługa katalogów domowych użytkowników jest wyłączona na serwerze NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Folder udostępniony nie istnieje.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>To konto użytkownika jest wyłączone.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Wybierz foldery do kopii zapasowej:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Użyj szyfrowania SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Błąd sieci. Sprawdź połączenie.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Wybierz folder na tym komputerze</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Nie można zweryfikować certyfikatu SSL serwera. Nie można utworzyć kopii zapasowej folderu.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Pliki są kopiowane z tego komputera na serwer NAS.\nZmiany wprowadzone na serwerze NAS nie są kopiowane z powrotem.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Użyj czarno-białej ikony w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Niektórych plików w folderze źródłowym nie można odczytać i zostaną one pominięte.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aktualne</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Aktualizacja została pobrana. Tarrowind Backup zostanie uruchomiony ponownie, aby ją zainstalować.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Podczas sprawdzania folderu wystąpił błąd systemowy.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Kierunek tego zadania nie jest zgodny z kierunkiem ustawionym na serwerze.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Uaktualnij</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Udostępniony</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Wybierz foldery na tym komputerze, których kopię zapasową chcesz utworzyć.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Certyfikat SSL serwera uległ zmianie. Nie można utworzyć kopii zapasowej folderu.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Inicjowanie nie powiodło się.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Wybierz foldery kopii zapasowej</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Zachowuj pliki na serwerze NAS po usunięciu ich z tego komputera</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Nie można utworzyć kopii zapasowej tego folderu.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Dysk jest pełny. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Wykluczone rozszerzenia plików</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Podczas sprawdzania folderu wystąpił błąd sieci.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Wprowadź adres serwera NAS i dane konta.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Odłączyć ten komputer od serwera?\nTworzenie kopii zapasowych zostanie wstrzymane do czasu ponownego połączenia.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Ostrzeżenie dotyczące certyfikatu SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Inicjowanie Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Limit miejsca na serwerze został wyczerpany. Nie można utworzyć kopii zapasowej folderu.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testowanie połączenia...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ręczna konfiguracja proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Limit miejsca folderu udostępnionego został wyczerpany.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Nie masz uprawnień dostępu do tego folderu udostępnionego.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Witamy w Tarrowind Backup.\nTen kreator pomoże Ci utworzyć kopię zapasową folderów tego komputera na serwerze NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Uruchamiaj Tarrowind Backup po zalogowaniu</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Wybierz co najmniej jeden folder.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup jest gotowy.</translation>
    </message>
</context>
</TS>
