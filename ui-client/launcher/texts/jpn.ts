<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 を処理中</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>最終アップロード: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>データベース エラーが発生しました。Tarrowind Backup を再起動してください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>このフォルダーは別のバックアップ フォルダーと重複しています。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>アドレス:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>ファイルを NAS に安全に保管</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>最大ファイル サイズ:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>サーバーの SSL 証明書を検証できません。\n接続を続行しますか?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>サーバーの SSL 証明書が変更されました。\n新しい証明書を信頼して続行しますか?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>このサイズを超えるファイルはバックアップされません。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>接続 ID が無効です。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>サイズに関係なくすべてのファイルをバックアップするには、0 を入力してください。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>リンク解除</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>ローカル ネットワーク上のサーバーを検索</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>お使いの IP アドレスはサーバーによってブロックされています。</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>バックアップ フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>NAS に接続</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>このアカウントにはワンタイム パスワード (OTP) が必要です。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>サーバーを検索しています...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>サーバー上の保存先フォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>サーバーから無効な応答が返されました。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>このフォルダーは別のタスクで既にバックアップされています。別のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>プロキシ サーバーのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>バックアップを開始する前に、以下の設定を確認してください。</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>このバージョンの Tarrowind Backup はサポートされなくなりました。アップグレードしてください。</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>アップデートをダウンロードしています...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>バックアップ フォルダー</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>リンクを解除しています...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>ヘルプが必要な場合は、トレイ メニューの [ヘルプ] をクリックしてください。</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>アカウントを確認しています...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>サーバー</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>新しいバージョンを利用できます。ここをクリックして更新してください。</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>サーバーの SSL 証明書の検証に失敗しました。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>ダブルクリックして拡張子を編集します。</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP コードが正しくありません。</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>サーバーでセッションを作成できませんでした。</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>新しい言語は Tarrowind Backup の再起動後に適用されます。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>除外するフォルダー</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>このコンピューター</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>サーバーが変更されました。このコンピューターをサーバーにもう一度リンクしてください。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定値</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup のアップグレードに失敗しました。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>プロキシ</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>拡張子は先頭のドットを付けずに入力してください。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>サインインの失敗回数が多すぎます。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>サーバーの SSL 証明書が変更されました。</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>更新しています...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>リレー サービス経由で接続</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>システムのプロキシ設定を使用</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>バックアップするこのコンピューター上のフォルダーと、NAS 上の保存先を選択してください。</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>ファイルは NAS にコピーされるだけで、NAS 上の変更がコピーし戻されることはありません。</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS のディスクがいっぱいです。フォルダーをバックアップできません。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup は NAS 上にフォルダーのコピーを保持し、ファイルが変更されるたびに更新します。</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Tarrowind Backup を開く</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>いいえ、結構です</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>このフォルダーにアクセスする権限がありません。</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>プロキシ サーバーのアドレスとポートを入力してください。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>ポートには 1 ～ 65535 の数値を指定してください。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>プロキシ サーバーで認証が必要</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>接続しています...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>転送キュー</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>同じ名前の共有フォルダーが既に存在します。</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>要求が無効です。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>管理者により、このアカウントでは 2 段階認証が必須になっています。\n先に NAS の設定で有効にしてください。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>サーバーで実行されているバージョンはサポートされていません。NAS を更新してください。</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>OTP コードを入力してください:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>プロキシを使用しない</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>サーバー上のストレージ クォータを使い切りました。</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nバージョン %1\nCopyright (C) Veltrona. All rights reserved.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>有効なフォルダーが選択されていません。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>次の拡張子のファイルはバックアップされません:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>バックアップしています...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>接続サービスに到達できません。</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>保存先フォルダーは読み取り専用です。</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>残り %1 ファイル</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>ローカルのバックアップ フォルダーが見つかりません。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>設定を適用しています...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>バックアップに失敗しました。</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>保存先:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>アップロード中</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>準備中</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>このサーバーは、このコンピューターのリンク先のサーバーではありません。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>今すぐ開始</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>共有フォルダーがマウントされていません。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>ユーザー名またはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>NAS でユーザー ホーム サービスが無効になっています。</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>共有フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>このユーザー アカウントは無効になっています。</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>バックアップするフォルダーを選択してください:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>SSL 暗号化を使用</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>ネットワーク エラーです。接続を確認してください。</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>ロック中</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>このコンピューター上のフォルダーを選択</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>サーバーの SSL 証明書を検証できません。フォルダーをバックアップできません。</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>ファイルはこのコンピューターから NAS にコピーされます。\nNAS 上で行った変更はコピーし戻されません。</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>白黒のトレイ アイコンを使用</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>ソース フォルダー内の一部のファイルを読み取れないため、スキップされます。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>アップデートをダウンロードしました。インストールのため、Tarrowind Backup を再起動します。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>フォルダーの確認中にシステム エラーが発生しました。</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>このタスクの方向がサーバー上の設定と一致しません。</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>アップグレード</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共有</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>バックアップするこのコンピューター上のフォルダーを選択してください。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>サーバーの SSL 証明書が変更されました。フォルダーをバックアップできません。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初期化に失敗しました。</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>バックアップ フォルダーの選択</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>このコンピューターから削除されたファイルを NAS 上に残す</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>このフォルダーはバックアップできません。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>ディスクがいっぱいです。空き領域を増やしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>除外するファイル拡張子</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>フォルダーの確認中にネットワーク エラーが発生しました。</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>NAS のアドレスとアカウント情報を入力してください。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>このコンピューターとサーバーのリンクを解除しますか?\n再度リンクするまでバックアップは停止します。</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 証明書の警告</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup を初期化しています...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>サーバー上のストレージ クォータを使い切りました。フォルダーをバックアップできません。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>接続をテストしています...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>プロキシを手動で設定</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共有フォルダーのクォータを使い切りました。</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>この共有フォルダーにアクセスする権限がありません。</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Tarrowind Backup へようこそ。\nこのウィザードでは、このコンピューターのフォルダーを NAS にバックアップする手順をご案内します。</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>サインイン時に Tarrowind Backup を起動する</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>フォルダーを 1 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup の準備ができました。</translation>
    </message>
</context>
</TS>
