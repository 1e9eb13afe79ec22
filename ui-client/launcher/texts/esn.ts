<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Procesando %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Última subida: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Se ha producido un error de base de datos. Reinicie Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Esta carpeta se superpone con otra carpeta de copia de seguridad. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Mantenga sus archivos a salvo en su NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Tamaño máximo de archivo:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>No se puede verificar el certificado SSL del servidor.\n¿Desea continuar con la conexión?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>El certificado SSL del servidor ha cambiado.\n¿Confía en el nuevo certificado y desea continuar?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>No se hace copia de seguridad de los archivos que superen este tamaño.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>El ID de conexión no es válido.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Introduzca 0 para hacer copia de seguridad de archivos de cualquier tamaño.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Buscar servidores en la red local</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>El servidor ha bloqueado su dirección IP.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>La carpeta de copia de seguridad no está montada.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Conectarse al NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Esta cuenta requiere una contraseña de un solo uso (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Buscando servidores...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Seleccione la carpeta de destino en el servidor:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>El servidor ha enviado una respuesta no válida.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Otra tarea ya hace copia de seguridad de esta carpeta. Elija otra carpeta.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Introduzca el nombre de usuario del servidor proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Compruebe la configuración siguiente antes de iniciar la copia de seguridad.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Esta versión de Tarrowind Backup ya no es compatible. Actualícela.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Descargando la actualización...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Carpetas de copia de seguridad</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Desvinculando...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>¿Necesita ayuda? Haga clic en Ayuda en el menú de la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Comprobando su cuenta...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Hay una nueva versión disponible. Haga clic aquí para actualizar.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>No se ha podido verificar el certificado SSL del servidor.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Haga doble clic para editar la extensión de archivo.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>El código OTP es incorrecto.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>No se ha podido crear una sesión en el servidor.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>El nuevo idioma se aplicará cuando se reinicie Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Carpetas excluidas</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>El servidor ha cambiado. Vuelva a vincular este equipo al servidor.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>No se ha podido actualizar Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Introduzca la extensión de archivo sin el punto inicial.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiados intentos de inicio de sesión fallidos. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>El certificado SSL del servidor ha cambiado.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Actualizando...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Conectarse a través del servicio de retransmisión</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar la configuración de proxy del sistema</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Elija las carpetas de este equipo de las que desea hacer copia de seguridad y dónde guardarlas en el NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Los archivos solo se copian al NAS; los cambios realizados en el NAS nunca se copian de vuelta.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>El disco del NAS está lleno. No se puede hacer copia de seguridad de la carpeta.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup mantiene una copia de sus carpetas en su NAS y la actualiza cada vez que cambian los archivos.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Abrir Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>No, gracias</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>No tiene permiso para acceder a esta carpeta.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Introduzca la dirección y el puerto del servidor proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>El puerto debe ser un número entre 1 y 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>El servidor proxy requiere autenticación</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Cola de transferencias</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Ya existe una carpeta compartida con este nombre.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>La solicitud no es válida.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Su administrador exige la verificación en dos pasos para esta cuenta.\nActívela primero en la configuración del NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>El servidor ejecuta una versión no compatible. Actualice el NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Introduzca el código OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sin proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Se ha agotado su cuota de almacenamiento en el servidor.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersión %1\nCopyright (C) Veltrona. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>No se ha seleccionado ninguna carpeta válida.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>No se hace copia de seguridad de los archivos con estas extensiones:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Haciendo copia de seguridad...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>No se puede acceder al servicio de conexión.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>La carpeta de destino es de solo lectura.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Quedan %1 archivos</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>No se encuentra la carpeta de copia de seguridad local.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando la configuración...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Error en la copia de seguridad.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Subiendo</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>En espera</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Este servidor no es aquel al que está vinculado este equipo.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar ahora</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>La carpeta compartida no está montada.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nombre de usuario o contraseña incorrectos.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>El servicio de carpetas personales de usuario está deshabilitado en el NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>La carpeta compartida no existe.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Esta cuenta de usuario está deshabilitada.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Elija las carpetas de las que desea hacer copia de seguridad:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usar cifrado SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Error de red. Compruebe la conexión.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Seleccionar una carpeta en este equipo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>No se puede verificar el certificado SSL del servidor. No se puede hacer copia de seguridad de la carpeta.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Los archivos se copian de este equipo al NAS.\nLos cambios realizados en el NAS no se copian de vuelta.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Usar un icono en blanco y negro en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Algunos archivos de la carpeta de origen no se pueden leer y se omitirán.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Se ha descargado la actualización. Tarrowind Backup se reiniciará para instalarla.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Se ha producido un error del sistema al comprobar la carpeta.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>La dirección de esta tarea no coincide con la del servidor.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartido</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Seleccione las carpetas de este equipo de las que desea hacer copia de seguridad.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>El certificado SSL del servidor ha cambiado. No se puede hacer copia de seguridad de la carpeta.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Error de inicialización.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Elegir carpetas de copia de seguridad</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Conservar los archivos en el NAS cuando se eliminen de este equipo</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>No se puede hacer copia de seguridad de esta carpeta.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>El disco está lleno. Libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensiones de archivo excluidas</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Se ha producido un error de red al comprobar la carpeta.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Introduzca la dirección de su NAS y los datos de su cuenta.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>¿Desvincular este equipo del servidor?\nLas copias de seguridad se detendrán hasta que lo vuelva a vincular.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Advertencia de certificado SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Tarrowind Backup se está inicializando...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Se ha agotado su cuota de almacenamiento en el servidor. No se puede hacer copia de seguridad de la carpeta.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Probando la conexión...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuración manual del proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Se ha agotado la cuota de la carpeta compartida.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>No tiene permiso para acceder a esta carpeta compartida.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Bienvenido a Tarrowind Backup.\nEste asistente le ayuda a hacer copia de seguridad de las carpetas de este equipo en su NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Iniciar Tarrowind Backup al iniciar sesión</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Seleccione al menos una carpeta.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup está listo.</translation>
    </message>
</context>
</TS>
