<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Traitement de %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Dernier envoi : %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Une erreur de base de données s'est produite. Veuillez redémarrer Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Ce dossier chevauche un autre dossier de sauvegarde. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Protégez vos fichiers sur votre NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Taille maximale des fichiers :</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Le certificat SSL du serveur ne peut pas être vérifié.\nVoulez-vous poursuivre la connexion ?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>Le certificat SSL du serveur a changé.\nFaites-vous confiance au nouveau certificat et voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Les fichiers dont la taille dépasse cette valeur ne sont pas sauvegardés.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>L'ID de connexion n'est pas valide.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Saisissez 0 pour sauvegarder les fichiers quelle que soit leur taille.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Rechercher des serveurs sur le réseau local</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Votre adresse IP a été bloquée par le serveur.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Le dossier de sauvegarde n'est pas monté.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Connexion à votre NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Ce compte nécessite un mot de passe à usage unique (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Recherche de serveurs...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Sélectionnez le dossier de destination sur le serveur :</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Le serveur a envoyé une réponse non valide.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Ce dossier est déjà sauvegardé par une autre tâche. Veuillez choisir un autre dossier.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Veuillez saisir le nom d'utilisateur du serveur proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Veuillez vérifier les paramètres ci-dessous avant de lancer la sauvegarde.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Cette version de Tarrowind Backup n'est plus prise en charge. Veuillez la mettre à niveau.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Téléchargement de la mise à jour...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Dossiers de sauvegarde</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Dissociation...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Besoin d'aide ? Cliquez sur Aide dans le menu de la zone de notification.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Vérification de votre compte...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Une nouvelle version est disponible. Cliquez ici pour effectuer la mise à jour.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Échec de la vérification du certificat SSL du serveur.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s'est produite.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Double-cliquez pour modifier l'extension de fichier.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Le code OTP est incorrect.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Impossible de créer une session sur le serveur.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>La nouvelle langue sera appliquée après le redémarrage de Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Dossiers exclus</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Le serveur a changé. Veuillez associer de nouveau cet ordinateur au serveur.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Paramètre par défaut du système</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Échec de la mise à niveau de Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Saisissez l'extension de fichier sans le point initial.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Trop de tentatives de connexion infructueuses. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>Le certificat SSL du serveur a changé.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Mise à jour...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Se connecter via le service de relais</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utiliser les paramètres de proxy du système</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Choisissez les dossiers de cet ordinateur à sauvegarder et l'emplacement où les conserver sur le NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Les fichiers sont uniquement copiés vers le NAS ; les modifications effectuées sur le NAS ne sont jamais recopiées.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Le disque du NAS est plein. Le dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup conserve une copie de vos dossiers sur votre NAS et la met à jour dès que des fichiers sont modifiés.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Ouvrir Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Non, merci</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Vous n'avez pas l'autorisation d'accéder à ce dossier.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Veuillez saisir l'adresse et le port du serveur proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Le port doit être un nombre compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Le serveur proxy nécessite une authentification</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connexion...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>File d'attente des transferts</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Un dossier partagé portant ce nom existe déjà.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>La requête n'est pas valide.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Votre administrateur exige la validation en deux étapes pour ce compte.\nVeuillez d'abord l'activer dans les paramètres du NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>Le serveur exécute une version non prise en charge. Veuillez mettre à jour le NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Saisissez le code OTP :</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Aucun proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Votre quota de stockage sur le serveur est épuisé.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Aucun dossier valide n'a été sélectionné.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Les fichiers portant ces extensions ne sont pas sauvegardés :</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Sauvegarde en cours...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Impossible de joindre le service de connexion.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Le dossier de destination est en lecture seule.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 fichiers restants</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Le dossier de sauvegarde local est introuvable.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Application des paramètres...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Échec de la sauvegarde.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination :</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En attente</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Ce serveur n'est pas celui auquel cet ordinateur est associé.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Démarrer maintenant</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Le dossier partagé n'est pas monté.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nom d'utilisateur ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Le service de dossier personnel des utilisateurs est désactivé sur le NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Le dossier partagé n'existe pas.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Ce compte d'utilisateur est désactivé.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Choisissez les dossiers à sauvegarder :</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Utiliser le chiffrement SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Erreur réseau. Veuillez vérifier votre connexion.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Sélectionner un dossier sur cet ordinateur</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Le certificat SSL du serveur ne peut pas être vérifié. Le dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Les fichiers sont copiés de cet ordinateur vers le NAS.\nLes modifications effectuées sur le NAS ne sont pas recopiées.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Utiliser une icône noir et blanc dans la zone de notification</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Certains fichiers du dossier source ne peuvent pas être lus et seront ignorés.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>La mise à jour a été téléchargée. Tarrowind Backup va redémarrer pour l'installer.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Une erreur système s'est produite lors de la vérification du dossier.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Le sens de cette tâche ne correspond pas à celui défini sur le serveur.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mettre à niveau</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagé</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Sélectionnez les dossiers de cet ordinateur que vous souhaitez sauvegarder.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>Le certificat SSL du serveur a changé. Le dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Échec de l'initialisation.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Choisir les dossiers de sauvegarde</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Conserver les fichiers sur le NAS lorsqu'ils sont supprimés de cet ordinateur</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Ce dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Suspendre</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Le disque est plein. Veuillez libérer de l'espace et réessayer.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensions de fichier exclues</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Une erreur réseau s'est produite lors de la vérification du dossier.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Saisissez l'adresse de votre NAS et les informations de votre compte.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Dissocier cet ordinateur du serveur ?\nLes sauvegardes seront interrompues jusqu'à ce que vous l'associiez de nouveau.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Avertissement relatif au certificat SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Initialisation de Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Votre quota de stockage sur le serveur est épuisé. Le dossier ne peut pas être sauvegardé.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Test de la connexion...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuration manuelle du proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Le quota du dossier partagé est épuisé.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Vous n'avez pas l'autorisation d'accéder à ce dossier partagé.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Bienvenue dans Tarrowind Backup.\nCet assistant vous aide à sauvegarder les dossiers de cet ordinateur sur votre NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Lancer Tarrowind Backup à l'ouverture de ma session</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Veuillez sélectionner au moins un dossier.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup est prêt.</translation>
    </message>
</context>
</TS>
