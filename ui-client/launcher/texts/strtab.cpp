#include "texts/strtab.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

namespace StrTable {
namespace {

// Null until InitStrTable; afterwards static literals, read-only.
const char *ktab[NUM_STRING_IDS];
const char *stab[NUM_STRING_IDS];

}  // namespace

void InitStrTable() {
    // The key text is the enumerator's own name, so keys and ids cannot drift.
#define STRTAB_ENTRY(key, text) \
    ktab[key] = #key;           \
    stab[key] = text
    STRTAB_ENTRY(btn_resume, "Resume");
    STRTAB_ENTRY(main_desc_processing_file, "Processing %1");
    STRTAB_ENTRY(main_desc_last_upload, "Last uploaded: %1");
    STRTAB_ENTRY(err_database, "A database error occurred. Please restart Tarrowind Backup.");
    STRTAB_ENTRY(btn_wizard_readonly_yes, "OK");
    STRTAB_ENTRY(
        wizard_conflict_sync_folder_warning,
        "This folder overlaps with another backup folder. Please choose a different folder.");
    STRTAB_ENTRY(setting_proxy_ip, "Address:");
    STRTAB_ENTRY(wizard_welcome_slogan, "Keep your files safe on your NAS");
    STRTAB_ENTRY(setting_filter_max_size, "Maximum file size:");
    STRTAB_ENTRY(msg_ssl_error,
                 "The SSL certificate of the server cannot be verified.\\nDo you want to continue "
                 "connecting?");
    STRTAB_ENTRY(msg_ssl_change,
                 "The SSL certificate of the server has changed.\\nDo you trust the new "
                 "certificate and want to continue?");
    STRTAB_ENTRY(setting_filter_size_limit_tooltip,
                 "Files larger than this size are not backed up.");
    STRTAB_ENTRY(tray_exit, "Exit");
    STRTAB_ENTRY(err_autoconn_invalidid, "The connection ID is invalid.");
    STRTAB_ENTRY(setting_filter_zero_desc, "Enter 0 to back up files of any size.");
    STRTAB_ENTRY(btn_unlink, "Unlink");
    STRTAB_ENTRY(msg_error, "Error");
    STRTAB_ENTRY(wizard_find_local_crv_tooltip, "Search for servers on the local network");
    STRTAB_ENTRY(btn_settings, "Settings");
    STRTAB_ENTRY(setting_tab_option, "General");
    STRTAB_ENTRY(connection_password, "Password");
    STRTAB_ENTRY(main_queue_column_progress, "Progress");
    STRTAB_ENTRY(err_ip_not_allowed, "Your IP address has been blocked by the server.");
    STRTAB_ENTRY(err_syncfolder_not_mounted, "The backup folder is not mounted.");
    STRTAB_ENTRY(wizard_connection_title, "Connect to Your NAS");
    STRTAB_ENTRY(tray_about, "About");
    STRTAB_ENTRY(err_otp_required, "This account requires a one-time password (OTP).");
    STRTAB_ENTRY(btn_cancel, "Cancel");
    STRTAB_ENTRY(local_crv_search, "Searching for servers...");
    STRTAB_ENTRY(setting_tab_filter, "Filter");
    STRTAB_ENTRY(treedialog_server_desc, "Select the destination folder on the server:");
    STRTAB_ENTRY(btn_back, "Back");
    STRTAB_ENTRY(err_proto, "The server sent an invalid response.");
    STRTAB_ENTRY(
        wizard_conflict_backup_warning,
        "This folder is already backed up by another task. Please choose a different folder.");
    STRTAB_ENTRY(setting_proxy_err_empty_username,
                 "Please enter the user name for the proxy server.");
    STRTAB_ENTRY(wizard_summary_desc,
                 "Please check the settings below before starting the backup.");
    STRTAB_ENTRY(err_version_client,
                 "This version of Tarrowind Backup is no longer supported. Please upgrade it.");
    STRTAB_ENTRY(msg_download_downloading, "Downloading the update...");
    STRTAB_ENTRY(setting_tab_folder, "Backup Folders");
    STRTAB_ENTRY(connection_unlinking, "Unlinking...");
    STRTAB_ENTRY(setting_option_language_title, "Language:");
    STRTAB_ENTRY(wizard_welcome_help, "Need help? Click Help in the tray menu.");
    STRTAB_ENTRY(msg_checkpass, "Checking your account...");
    STRTAB_ENTRY(connection_server, "Server");
    STRTAB_ENTRY(tray_click_to_update, "A new version is available. Click here to update.");
    STRTAB_ENTRY(err_ssl_verify_fail, "Failed to verify the SSL certificate of the server.");
    STRTAB_ENTRY(err_abnormal, "An unexpected error occurred.");
    STRTAB_ENTRY(setting_filter_table_editor_tooltip, "Double-click to edit the file extension.");
    STRTAB_ENTRY(err_otp_invalid, "The OTP code is incorrect.");
    STRTAB_ENTRY(err_create_session_fail, "Failed to create a session on the server.");
    STRTAB_ENTRY(setting_proxy_port, "Port:");
    STRTAB_ENTRY(setting_option_language_restart,
                 "The new language is used after Tarrowind Backup restarts.");
    STRTAB_ENTRY(wizard_summary_table_path, "Path");
    STRTAB_ENTRY(wizard_summary_table_except_path, "Excluded folders");
    STRTAB_ENTRY(wizard_summary_table_local_title, "This computer");
    STRTAB_ENTRY(err_crv_change,
                 "The server has changed. Please link this computer to the server again.");
    STRTAB_ENTRY(setting_option_language_default, "System default");
    STRTAB_ENTRY(wizard_client_upgrade_failed, "Failed to upgrade Tarrowind Backup.");
    STRTAB_ENTRY(btn_proxy, "Proxy");
    STRTAB_ENTRY(setting_filter_point_prefix, "Enter the file extension without the leading dot.");
    STRTAB_ENTRY(err_max_tries, "Too many failed sign-in attempts. Please try again later.");
    STRTAB_ENTRY(err_ssl_change, "The SSL certificate of the server has changed.");
    STRTAB_ENTRY(tray_updating, "Updating...");
    STRTAB_ENTRY(connection_use_linkway, "Connect through the relay service");
    STRTAB_ENTRY(setting_proxy_sys_proxy, "Use the system proxy settings");
    STRTAB_ENTRY(
        wizard_setsyncfolder_desc,
        "Choose the folders on this computer to back up and where to keep them on the NAS.");
    STRTAB_ENTRY(read_only_tooltip,
                 "Files are only copied to the NAS; changes on the NAS are never copied back.");
    STRTAB_ENTRY(wizard_diskfull_sync_folder_warning,
                 "The disk of the NAS is full. The folder cannot be backed up.");
    STRTAB_ENTRY(main_status_pause, "Paused");
    STRTAB_ENTRY(wizard_welcome_info,
                 "Tarrowind Backup keeps a copy of your folders on your NAS and updates it "
                 "whenever files change.");
    STRTAB_ENTRY(tray_main_app, "Open Tarrowind Backup");
    STRTAB_ENTRY(btn_no_need, "No, thanks");
    STRTAB_ENTRY(btn_continue, "Continue");
    STRTAB_ENTRY(setting_tab_proxy, "Proxy");
    STRTAB_ENTRY(wizard_access_deny_sync_folder_warning,
                 "You do not have permission to access this folder.");
    STRTAB_ENTRY(setting_proxy_err_ipport_empty,
                 "Please enter the address and port of the proxy server.");
    STRTAB_ENTRY(setting_proxy_err_invalid_port, "The port must be a number from 1 to 65535.");
    STRTAB_ENTRY(setting_proxy_auth, "The proxy server requires authentication");
    STRTAB_ENTRY(main_status_error, "Error");
    STRTAB_ENTRY(main_status_connecting, "Connecting...");
    STRTAB_ENTRY(main_queue_title, "Transfer Queue");
    STRTAB_ENTRY(btn_advanced, "Advanced");
    STRTAB_ENTRY(wizard_summary_table_remote_title, "NAS");
    STRTAB_ENTRY(wizard_share_name_duplicate_warning,
                 "A shared folder with this name already exists.");
    STRTAB_ENTRY(err_invalid, "The request is invalid.");
    STRTAB_ENTRY(err_otp_enforced,
                 "Your administrator requires 2-step verification for this account.\\nPlease turn "
                 "it on in the NAS settings first.");
    STRTAB_ENTRY(wizard_summary_title, "Summary");
    STRTAB_ENTRY(err_version_server,
                 "The server runs a version that is not supported. Please update the NAS.");
    STRTAB_ENTRY(connection_enter_otp, "Enter the OTP code:");
    STRTAB_ENTRY(wizard_summary_table_server, "Server");
    STRTAB_ENTRY(setting_proxy_no_proxy, "No proxy");
    STRTAB_ENTRY(err_quotafull, "Your storage quota on the server is used up.");
    STRTAB_ENTRY(btn_ok, "OK");
    STRTAB_ENTRY(msg_about,
                 "Tarrowind Backup\\nVersion %1\\nCopyright (C) Veltrona. All rights reserved.");
    STRTAB_ENTRY(btn_select, "Select");
    STRTAB_ENTRY(err_no_valid_folder, "No valid folder was selected.");
    STRTAB_ENTRY(setting_filter_table_desc, "Files with these extensions are not backed up:");
    STRTAB_ENTRY(main_status_syncing, "Backing up...");
    STRTAB_ENTRY(main_queue_progress, "%1 of %2");
    STRTAB_ENTRY(err_autoconn_ctrl, "Cannot reach the connection service.");
    STRTAB_ENTRY(wizard_readonly_sync_folder_warning, "The destination folder is read-only.");
    STRTAB_ENTRY(main_desc_processing_count, "%1 files left");
    STRTAB_ENTRY(err_local_sync_folder_miss, "The local backup folder cannot be found.");
    STRTAB_ENTRY(main_queue_column_file, "File");
    STRTAB_ENTRY(manage_setting_applying, "Applying settings...");
    STRTAB_ENTRY(setting_proxy_username, "User name");
    STRTAB_ENTRY(err_backup_fail, "Backup failed.");
    STRTAB_ENTRY(backup_chooser_destination, "Destination:");
    STRTAB_ENTRY(main_queue_uploading, "Uploading");
    STRTAB_ENTRY(main_queue_waiting, "Waiting");
    STRTAB_ENTRY(wizard_summary_table_account, "Account");
    STRTAB_ENTRY(main_queue_preparing, "Preparing");
    STRTAB_ENTRY(setting_tab_connection, "Connection");
    STRTAB_ENTRY(err_crv_not_match, "This server is not the one this computer is linked to.");
    STRTAB_ENTRY(btn_wizard_readonly_no, "Cancel");
    STRTAB_ENTRY(btn_start_now, "Start Now");
    STRTAB_ENTRY(err_share_not_mounted, "The shared folder is not mounted.");
    STRTAB_ENTRY(connection_username, "User name");
    STRTAB_ENTRY(msg_test_username_fail, "Incorrect user name or password.");
    STRTAB_ENTRY(err_user_home_disabled, "The user home service is disabled on the NAS.");
    STRTAB_ENTRY(wizard_share_nonexist_sync_folder_warning, "The shared folder does not exist.");
    STRTAB_ENTRY(wizard_user_disable_sync_folder_warning, "This user account is disabled.");
    STRTAB_ENTRY(backup_chooser_choose_source, "Choose the folders to back up:");
    STRTAB_ENTRY(connection_ssl, "Use SSL encryption");
    STRTAB_ENTRY(err_network, "Network error. Please check your connection.");
    STRTAB_ENTRY(setting_proxy_password, "Password");
    STRTAB_ENTRY(main_queue_locking, "Locked");
    STRTAB_ENTRY(read_only, "Read-only");
    STRTAB_ENTRY(version, "Version %1");
    STRTAB_ENTRY(treedialog_pc_title, "Select a Folder on This Computer");
    STRTAB_ENTRY(main_queue_column_status, "Status");
    STRTAB_ENTRY(
        wizard_ssl_verify_fail_sync_folder_warning,
        "The SSL certificate of the server cannot be verified. The folder cannot be backed up.");
    STRTAB_ENTRY(wizard_readonly_backup_desc,
                 "Files are copied from this computer to the NAS.\\nChanges made on the NAS are "
                 "not copied back.");
    STRTAB_ENTRY(setting_option_use_black_white_icon, "Use a black and white tray icon");
    STRTAB_ENTRY(tray_help, "Help");
    STRTAB_ENTRY(wizard_source_readonly_warning,
                 "Some files in the source folder cannot be read and will be skipped.");
    STRTAB_ENTRY(main_status_uptodate, "Up to date");
    STRTAB_ENTRY(btn_ssl_continue, "Continue");
    STRTAB_ENTRY(btn_done, "Done");
    STRTAB_ENTRY(btn_next, "Next");
    STRTAB_ENTRY(msg_download_done,
                 "The update has been downloaded. Tarrowind Backup restarts to install it.");
    STRTAB_ENTRY(wizard_system_err_sync_folder_warning,
                 "A system error occurred while checking the folder.");
    STRTAB_ENTRY(err_sync_direction_mismatch,
                 "The direction of this task does not match the one on the server.");
    STRTAB_ENTRY(tray_upgrade, "Upgrade");
    STRTAB_ENTRY(share_enabled, "Shared");
    STRTAB_ENTRY(backup_chooser_desc,
                 "Select the folders on this computer that you want to back up.");
    STRTAB_ENTRY(wizard_ssl_change_sync_folder_warning,
                 "The SSL certificate of the server has changed. The folder cannot be backed up.");
    STRTAB_ENTRY(err_init_failed, "Initialization failed.");
    STRTAB_ENTRY(app_name, "Tarrowind Backup");
    STRTAB_ENTRY(wizard_setsyncfolder_title, "Choose Backup Folders");
    STRTAB_ENTRY(err_auth, "Incorrect user name or password.");
    STRTAB_ENTRY(setting_filter_ignore_local_delete,
                 "Keep files on the NAS when they are deleted from this computer");
    STRTAB_ENTRY(wizard_invalid_sync_folder_warning, "This folder cannot be backed up.");
    STRTAB_ENTRY(btn_pause, "Pause");
    STRTAB_ENTRY(err_diskfull, "The disk is full. Please free some space and try again.");
    STRTAB_ENTRY(setting_filter_table_title, "Excluded file extensions");
    STRTAB_ENTRY(wizard_network_err_sync_folder_warning,
                 "A network error occurred while checking the folder.");
    STRTAB_ENTRY(wizard_connection_desc, "Enter the address of your NAS and your account.");
    STRTAB_ENTRY(main_queue_completed, "Completed");
    STRTAB_ENTRY(connection_unlink_confirm,
                 "Unlink this computer from the server?\\nBackups stop until you link it again.");
    STRTAB_ENTRY(title_ssl_warning, "SSL Certificate Warning");
    STRTAB_ENTRY(desc_trwd_env_preparing, "Tarrowind Backup is initializing...");
    STRTAB_ENTRY(wizard_quotafull_sync_folder_warning,
                 "Your storage quota on the server is used up. The folder cannot be backed up.");
    STRTAB_ENTRY(wizard_client_upgrade, "Upgrade");
    STRTAB_ENTRY(upgrade_failed, "Failed to upgrade Tarrowind Backup.");
    STRTAB_ENTRY(btn_apply, "Apply");
    STRTAB_ENTRY(msg_test_connect, "Testing the connection...");
    STRTAB_ENTRY(setting_proxy_manual, "Manual proxy configuration");
    STRTAB_ENTRY(msg_share_quotafull, "The quota of the shared folder is used up.");
    STRTAB_ENTRY(err_share_perm, "You do not have permission to access this shared folder.");
    STRTAB_ENTRY(wizard_welcome_desc,
                 "Welcome to Tarrowind Backup.\\nThis wizard helps you back up the folders of this "
                 "computer to your NAS.");
    STRTAB_ENTRY(setting_option_start_upon_login, "Start Tarrowind Backup when I sign in");
    STRTAB_ENTRY(backup_chooser_no_folder_selected, "Please select at least one folder.");
    STRTAB_ENTRY(desc_trwd_env_preparation_done, "Tarrowind Backup is ready.");
#undef STRTAB_ENTRY
}

QString LoadStr(int id) {
    if (id < 0 || static_cast<unsigned int>(id) >= NUM_STRING_IDS || stab[id] == nullptr) {
        return QString();
    }
    QString text = QCoreApplication::translate("global", stab[id], nullptr, -1);
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\\t"), QLatin1String("\t"));
    return text;
}

int LookupStrID(QString strKey) {
    const QByteArray key = strKey.toLocal8Bit();
    for (unsigned int i = 0; i < NUM_STRING_IDS; ++i) {
        if (ktab[i] != nullptr && qstricmp(key.constData(), ktab[i]) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace StrTable
