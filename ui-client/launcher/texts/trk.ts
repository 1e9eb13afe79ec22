<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>İşleniyor: %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Son yükleme: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Bir veritabanı hatası oluştu. Lütfen Tarrowind Backup'ı yeniden başlatın.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Bu klasör başka bir yedekleme klasörüyle çakışıyor. Lütfen farklı bir klasör seçin.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Dosyalarınızı NAS'ınızda güvende tutun</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maksimum dosya boyutu:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Sunucunun SSL sertifikası doğrulanamıyor.\nBağlanmaya devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Sunucunun SSL sertifikası değişti.\nYeni sertifikaya güveniyor ve devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Bu boyuttan büyük dosyalar yedeklenmez.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Bağlantı kimliği geçersiz.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Her boyuttaki dosyaları yedeklemek için 0 girin.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Bağlantıyı Kaldır</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Yerel ağda sunucu ara</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>IP adresiniz sunucu tarafından engellendi.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Yedekleme klasörü bağlı değil.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>NAS'ınıza Bağlanın</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Bu hesap tek kullanımlık parola (OTP) gerektiriyor.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Sunucular aranıyor...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Sunucudaki hedef klasörü seçin:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Sunucu geçersiz bir yanıt gönderdi.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Bu klasör zaten başka bir görev tarafından yedekleniyor. Lütfen farklı bir klasör seçin.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Lütfen proxy sunucusu için kullanıcı adını girin.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Lütfen yedeklemeyi başlatmadan önce aşağıdaki ayarları kontrol edin.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Tarrowind Backup'ın bu sürümü artık desteklenmiyor. Lütfen yükseltin.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Güncelleme indiriliyor...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Yedekleme Klasörleri</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Bağlantı kaldırılıyor...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Dil:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Yardım mı gerekiyor? Sistem tepsisi menüsünde Yardım'a tıklayın.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Hesabınız kontrol ediliyor...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Sunucu</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Yeni bir sürüm mevcut. Güncellemek için buraya tıklayın.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamadı.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Dosya uzantısını düzenlemek için çift tıklayın.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP kodu yanlış.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Sunucuda oturum oluşturulamadı.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Bağlantı noktası:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Yeni dil, Tarrowind Backup yeniden başlatıldıktan sonra kullanılır.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Hariç tutulan klasörler</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Bu bilgisayar</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Sunucu değişti. Lütfen bu bilgisayarı sunucuya yeniden bağlayın.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup yükseltilemedi.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Dosya uzantısını baştaki nokta olmadan girin.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Çok fazla başarısız oturum açma denemesi. Lütfen daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Sunucunun SSL sertifikası değişti.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Güncelleniyor...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Aktarma hizmeti üzerinden bağlan</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Sistem proxy ayarlarını kullan</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Bu bilgisayarda yedeklenecek klasörleri ve bunların NAS'ta nerede saklanacağını seçin.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Dosyalar yalnızca NAS'a kopyalanır; NAS'taki değişiklikler asla geri kopyalanmaz.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS diski dolu. Klasör yedeklenemiyor.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup, klasörlerinizin bir kopyasını NAS'ınızda tutar ve dosyalar her değiştiğinde bu kopyayı günceller.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Tarrowind Backup'ı Aç</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Hayır, teşekkürler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Bu klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Lütfen proxy sunucusunun adresini ve bağlantı noktasını girin.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Bağlantı noktası 1 ile 65535 arasında bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Proxy sunucusu kimlik doğrulaması gerektiriyor</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Bağlanıyor...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Aktarım Kuyruğu</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Gelişmiş</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Bu ada sahip bir paylaşılan klasör zaten var.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>İstek geçersiz.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Yöneticiniz bu hesap için 2 adımlı doğrulamayı zorunlu kılıyor.\nLütfen önce NAS ayarlarından bu özelliği etkinleştirin.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Özet</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Sunucu desteklenmeyen bir sürüm çalıştırıyor. Lütfen NAS'ı güncelleyin.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>OTP kodunu girin:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Proxy yok</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Sunucudaki depolama kotanız doldu.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nSürüm %1\nTelif Hakkı (C) Veltrona. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seç</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Geçerli bir klasör seçilmedi.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Bu uzantılara sahip dosyalar yedeklenmez:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Yedekleniyor...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Bağlantı hizmetine ulaşılamıyor.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Hedef klasör salt okunur.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 dosya kaldı</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Yerel yedekleme klasörü bulunamıyor.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Ayarlar uygulanıyor...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Yedekleme başarısız oldu.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Hedef:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Bekliyor</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Hazırlanıyor</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Bağlantı</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Bu sunucu, bu bilgisayarın bağlı olduğu sunucu değil.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Şimdi Başlat</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Paylaşılan klasör bağlı değil.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Kullanıcı adı veya parola yanlış.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Kullanıcı giriş klasörü hizmeti NAS'ta devre dışı.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Paylaşılan klasör mevcut değil.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Bu kullanıcı hesabı devre dışı.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Yedeklenecek klasörleri seçin:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL şifrelemesini kullan</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Ağ hatası. Lütfen bağlantınızı kontrol edin.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Salt okunur</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Bu Bilgisayarda Bir Klasör Seçin</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Sunucunun SSL sertifikası doğrulanamıyor. Klasör yedeklenemiyor.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Dosyalar bu bilgisayardan NAS'a kopyalanır.\nNAS'ta yapılan değişiklikler geri kopyalanmaz.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Siyah beyaz tepsi simgesi kullan</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Kaynak klasördeki bazı dosyalar okunamıyor ve atlanacak.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Güncelleme indirildi. Tarrowind Backup, güncellemeyi yüklemek için yeniden başlatılacak.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Klasör denetlenirken bir sistem hatası oluştu.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Bu görevin yönü sunucudakiyle eşleşmiyor.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Yükselt</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Paylaşılan</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Bu bilgisayarda yedeklemek istediğiniz klasörleri seçin.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Sunucunun SSL sertifikası değişti. Klasör yedeklenemiyor.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Başlatma başarısız oldu.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Yedekleme Klasörlerini Seçin</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Bu bilgisayardan silinen dosyaları NAS'ta tut</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Bu klasör yedeklenemiyor.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Disk dolu. Lütfen biraz yer açıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Hariç tutulan dosya uzantıları</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Klasör denetlenirken bir ağ hatası oluştu.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>NAS'ınızın adresini ve hesap bilgilerinizi girin.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Bu bilgisayarın sunucuyla bağlantısı kaldırılsın mı?\nYeniden bağlayana kadar yedeklemeler durur.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL Sertifikası Uyarısı</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup başlatılıyor...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Sunucudaki depolama kotanız doldu. Klasör yedeklenemiyor.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Uygula</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Bağlantı test ediliyor...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Elle proxy yapılandırması</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Paylaşılan klasörün kotası doldu.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Bu paylaşılan klasöre erişim izniniz yok.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Tarrowind Backup'a hoş geldiniz.\nBu sihirbaz, bu bilgisayardaki klasörleri NAS'ınıza yedeklemenize yardımcı olur.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Oturum açtığımda Tarrowind Backup'ı başlat</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Lütfen en az bir klasör seçin.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup hazır.</translation>
    </message>
</context>
</TS>
