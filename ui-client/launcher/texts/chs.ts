<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在处理 %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>最近上传：%1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>发生数据库错误。请重新启动 Tarrowind Backup。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>此文件夹与另一个备份文件夹重叠。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>将文件安全地保存在您的 NAS 上</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>最大文件大小：</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>无法验证服务器的 SSL 证书。\n是否继续连接？</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>服务器的 SSL 证书已更改。\n是否信任新证书并继续？</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>大于此大小的文件将不会备份。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>连接 ID 无效。</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>输入 0 可备份任意大小的文件。</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>解除链接</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>搜索本地网络中的服务器</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>您的 IP 地址已被服务器阻止。</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>备份文件夹未挂载。</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>连接到您的 NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>此账户需要一次性密码 (OTP)。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>正在搜索服务器...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选器</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>选择服务器上的目标文件夹：</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>服务器返回了无效的响应。</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>此文件夹已由另一个任务备份。请选择其他文件夹。</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>请输入代理服务器的用户名。</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>开始备份前，请检查以下设置。</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>此版本的 Tarrowind Backup 已不再受支持。请进行升级。</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>正在下载更新...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>备份文件夹</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>正在解除链接...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>需要帮助？请单击托盘菜单中的“帮助”。</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>正在检查您的账户...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>有新版本可用。单击此处进行更新。</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>验证服务器的 SSL 证书失败。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生意外错误。</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>双击以编辑文件扩展名。</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>OTP 验证码不正确。</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>无法在服务器上创建会话。</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>新语言将在 Tarrowind Backup 重新启动后生效。</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>排除的文件夹</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>此计算机</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>服务器已更改。请将此计算机重新链接到服务器。</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Tarrowind Backup 升级失败。</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>代理</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>请输入不带前导点的文件扩展名。</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>登录失败次数过多。请稍后重试。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>服务器的 SSL 证书已更改。</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>正在更新...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>通过中继服务连接</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>使用系统代理设置</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>选择此计算机上要备份的文件夹，以及在 NAS 上存放它们的位置。</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>文件仅复制到 NAS；NAS 上的更改永远不会复制回来。</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>NAS 的磁盘已满。无法备份该文件夹。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup 会在您的 NAS 上保留文件夹的副本，并在文件发生变化时随时更新。</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>打开 Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>不，谢谢</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>您没有访问此文件夹的权限。</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>请输入代理服务器的地址和端口。</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>端口必须是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>代理服务器需要身份验证</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>传输队列</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>已存在同名的共享文件夹。</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>请求无效。</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>您的管理员要求此账户启用两步验证。\n请先在 NAS 设置中启用该功能。</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>服务器运行的版本不受支持。请更新 NAS。</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>输入 OTP 验证码：</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>不使用代理</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>您在服务器上的存储配额已用完。</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\n版本 %1\n版权所有 (C) Veltrona。保留所有权利。</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>未选择有效的文件夹。</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>不备份具有以下扩展名的文件：</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>正在备份...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1，共 %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>无法连接到连接服务。</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>目标文件夹为只读。</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>剩余 %1 个文件</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>找不到本地备份文件夹。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>正在应用设置...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>备份失败。</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>目标：</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账户</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>准备中</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>此服务器不是此计算机所链接的服务器。</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>立即开始</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>共享文件夹未挂载。</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>用户名或密码不正确。</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>NAS 上的用户主目录服务已禁用。</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>共享文件夹不存在。</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>此用户账户已被禁用。</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>选择要备份的文件夹：</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>使用 SSL 加密</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>网络错误。请检查您的网络连接。</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>已锁定</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>选择此计算机上的文件夹</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>无法验证服务器的 SSL 证书。无法备份该文件夹。</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>文件将从此计算机复制到 NAS。\n在 NAS 上所做的更改不会复制回来。</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>使用黑白托盘图标</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>源文件夹中的部分文件无法读取，将被跳过。</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
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
        <translation>更新已下载。Tarrowind Backup 将重新启动以进行安装。</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>检查文件夹时发生系统错误。</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>此任务的方向与服务器上的不一致。</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>升级</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>已共享</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>选择此计算机上要备份的文件夹。</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>服务器的 SSL 证书已更改。无法备份该文件夹。</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>初始化失败。</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>选择备份文件夹</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>从此计算机删除文件时，在 NAS 上保留这些文件</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>无法备份此文件夹。</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>磁盘已满。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>排除的文件扩展名</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>检查文件夹时发生网络错误。</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>请输入您的 NAS 地址和账户信息。</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>要将此计算机与服务器解除链接吗？\n在重新链接之前，备份将停止。</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL 证书警告</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup 正在初始化...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>您在服务器上的存储配额已用完。无法备份该文件夹。</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>正在测试连接...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>手动配置代理</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>共享文件夹的配额已用完。</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>您没有访问此共享文件夹的权限。</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>欢迎使用 Tarrowind Backup。\n此向导将帮助您将此计算机的文件夹备份到 NAS。</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>登录时启动 Tarrowind Backup</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>请至少选择一个文件夹。</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup 已就绪。</translation>
    </message>
</context>
</TS>
