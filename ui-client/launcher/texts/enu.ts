<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Processing %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Last uploaded: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>A database error occurred. Please restart Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>This folder overlaps with another backup folder. Please choose a different folder.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Keep your files safe on your NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Maximum file size:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Files larger than this size are not backed up.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>The connection ID is invalid.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Enter 0 to back up files of any size.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Unlink</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Search for servers on the local network</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Your IP address has been blocked by the server.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>The backup folder is not mounted.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Connect to Your NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>This account requires a one-time password (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Searching for servers...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Select the destination folder on the server:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>The server sent an invalid response.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>This folder is already backed up by another task. Please choose a different folder.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Please enter the user name for the proxy server.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Please check the settings below before starting the backup.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>This version of Tarrowind Backup is no longer supported. Please upgrade it.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Downloading the update...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Backup Folders</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Unlinking...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Need help? Click Help in the tray menu.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Checking your account...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>A new version is available. Click here to update.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Failed to verify the SSL certificate of the server.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>An unexpected error occurred.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-click to edit the file extension.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>The OTP code is incorrect.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Failed to create a session on the server.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>The new language is used after Tarrowind Backup restarts.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Excluded folders</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>This computer</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>The server has changed. Please link this computer to the server again.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Failed to upgrade Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Enter the file extension without the leading dot.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Too many failed sign-in attempts. Please try again later.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>The SSL certificate of the server has changed.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Updating...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Connect through the relay service</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Use the system proxy settings</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Choose the folders on this computer to back up and where to keep them on the NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Files are only copied to the NAS; changes on the NAS are never copied back.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>The disk of the NAS is full. The folder cannot be backed up.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Open Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, thanks</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>You do not have permission to access this folder.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Please enter the address and port of the proxy server.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>The port must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>The proxy server requires authentication</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Transfer Queue</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>A shared folder with this name already exists.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>The request is invalid.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>The server runs a version that is not supported. Please update the NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Enter the OTP code:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Your storage quota on the server is used up.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>No valid folder was selected.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Files with these extensions are not backed up:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Backing up...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Cannot reach the connection service.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>The destination folder is read-only.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 files left</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>The local backup folder cannot be found.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Applying settings...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Backup failed.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Uploading</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparing</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>This server is not the one this computer is linked to.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Start Now</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>The shared folder is not mounted.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Incorrect user name or password.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>The user home service is disabled on the NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>The shared folder does not exist.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>This user account is disabled.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Choose the folders to back up:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Use SSL encryption</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Network error. Please check your connection.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Select a Folder on This Computer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Use a black and white tray icon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Some files in the source folder cannot be read and will be skipped.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Up to date</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>The update has been downloaded. Tarrowind Backup restarts to install it.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>A system error occurred while checking the folder.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>The direction of this task does not match the one on the server.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Upgrade</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Shared</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Select the folders on this computer that you want to back up.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>The SSL certificate of the server has changed. The folder cannot be backed up.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Initialization failed.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Choose Backup Folders</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Keep files on the NAS when they are deleted from this computer</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>This folder cannot be backed up.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>The disk is full. Please free some space and try again.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Excluded file extensions</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>A network error occurred while checking the folder.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Enter the address of your NAS and your account.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completed</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Unlink this computer from the server?\nBackups stop until you link it again.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>SSL Certificate Warning</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup is initializing...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Your storage quota on the server is used up. The folder cannot be backed up.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testing the connection...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Manual proxy configuration</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>The quota of the shared folder is used up.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>You do not have permission to access this shared folder.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Start Tarrowind Backup when I sign in</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Please select at least one folder.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup is ready.</translation>
    </message>
</context>
</TS>
