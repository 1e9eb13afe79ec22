<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在處理 %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>上次上傳：%1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>發生資料庫錯誤。請重新啟動 Tarrowind Backup。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>此資料夾與另一個備份資料夾重疊。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>位址：</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>將檔案安全地保存在您的 NAS 上</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>檔案大小上限：</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>無法驗證伺服器的 SSL 憑證。\n是否要繼續連線？</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>伺服器的 SSL 憑證已變更。\n您是否信任新憑證並要繼續？</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>大於此大小的檔案將不會備份。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>連線 ID 無效。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>輸入 0 即可備份任何大小的檔案。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除連結</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>搜尋區域網路中的伺服器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 位址已被伺服器封鎖。</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>備份資料夾未掛載。</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>連線至您的 NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>此帳號需要一次性密碼 (OTP)。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>正在搜尋伺服器...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選器</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>選擇伺服器上的目的地資料夾：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>伺服器傳回了無效的回應。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>此資料夾已由另一個工作備份。請選擇其他資料夾。</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>請輸入代理伺服器的使用者名稱。</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>開始備份前，請檢查以下設定。</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>此版本的 Tarrowind Backup 已不再受支援。請進行升級。</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>正在下載更新...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>備份資料夾</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除連結...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>需要協助嗎？請按一下系統匣選單中的「說明」。</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>正在檢查您的帳號...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>伺服器</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>有新版本可用。按一下此處進行更新。</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>驗證伺服器的 SSL 憑證失敗。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>發生未預期的錯誤。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>按兩下以編輯副檔名。</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP 驗證碼不正確。</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>無法在伺服器上建立工作階段。</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>新語言將在 Tarrowind Backup 重新啟動後生效。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的資料夾</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>這台電腦</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>伺服器已變更。請將這台電腦重新連結至伺服器。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系統預設值</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup 升級失敗。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理伺服器</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>請輸入副檔名，開頭不須加上點。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登入失敗次數過多。請稍後再試。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>伺服器的 SSL 憑證已變更。</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>透過中繼服務連線</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系統代理伺服器設定</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>選擇這台電腦上要備份的資料夾，以及要存放在 NAS 上的位置。</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>檔案只會複製到 NAS；NAS 上的變更絕不會複製回來。</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS 的磁碟已滿。無法備份此資料夾。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup 會在您的 NAS 上保留資料夾的副本，並在檔案變更時隨時更新。</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>開啟 Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>不用了，謝謝</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>您沒有存取此資料夾的權限。</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>請輸入代理伺服器的位址和連接埠。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>連接埠必須是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理伺服器需要驗證</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在連線...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>傳輸佇列</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>已有同名的共用資料夾。</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>要求無效。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>您的管理員要求此帳號啟用兩步驟驗證。\n請先在 NAS 設定中啟用此功能。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>伺服器執行的版本不受支援。請更新 NAS。</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>輸入 OTP 驗證碼：</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理伺服器</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>您在伺服器上的儲存空間配額已用盡。</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\n版本 %1\n版權所有 (C) Veltrona。保留一切權利。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選擇</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>未選擇有效的資料夾。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不備份具有下列副檔名的檔案：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在備份...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1，共 %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>無法連線至連線服務。</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>目的地資料夾為唯讀。</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>剩餘 %1 個檔案</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>找不到本機備份資料夾。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在套用設定...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>使用者名稱</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>備份失敗。</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>目的地：</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上傳</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>帳號</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>連線</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>此伺服器並非這台電腦所連結的伺服器。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>立即開始</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>共用資料夾未掛載。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>使用者名稱或密碼不正確。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>NAS 上的使用者家目錄服務已停用。</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>共用資料夾不存在。</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>此使用者帳號已停用。</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>選擇要備份的資料夾：</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>使用 SSL 加密</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>網路錯誤。請檢查您的連線。</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已鎖定</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>唯讀</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>選擇這台電腦上的資料夾</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>無法驗證伺服器的 SSL 憑證。無法備份此資料夾。</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>檔案會從這台電腦複製到 NAS。\n在 NAS 上所做的變更不會複製回來。</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>使用黑白系統匣圖示</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>來源資料夾中的部分檔案無法讀取，將會略過。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新狀態</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>更新已下載完成。Tarrowind Backup 將重新啟動以進行安裝。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>檢查資料夾時發生系統錯誤。</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>此工作的方向與伺服器上的不一致。</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升級</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>已共用</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>選擇這台電腦上您要備份的資料夾。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>伺服器的 SSL 憑證已變更。無法備份此資料夾。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初始化失敗。</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>選擇備份資料夾</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>從這台電腦刪除檔案時，仍在 NAS 上保留這些檔案</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>無法備份此資料夾。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>磁碟已滿。請釋放部分空間後再試一次。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>排除的副檔名</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>檢查資料夾時發生網路錯誤。</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>請輸入您的 NAS 位址與帳號資訊。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>要將這台電腦與伺服器解除連結嗎？\n在重新連結之前，備份將會停止。</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 憑證警告</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup 正在初始化...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>您在伺服器上的儲存空間配額已用盡。無法備份此資料夾。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在測試連線...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手動設定代理伺服器</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共用資料夾的配額已用盡。</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>您沒有存取此共用資料夾的權限。</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>歡迎使用 Tarrowind Backup。\n此精靈將協助您將這台電腦的資料夾備份到 NAS。</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>登入時啟動 Tarrowind Backup</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>請至少選擇一個資料夾。</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup 已就緒。</translation>
    </message>
</context>
</TS>
