<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Обработка %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Последняя отправка: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Произошла ошибка базы данных. Перезапустите Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Эта папка пересекается с другой папкой резервного копирования. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Храните файлы в безопасности на своем NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Максимальный размер файла:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Не удается проверить SSL-сертификат сервера.\nПродолжить подключение?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>SSL-сертификат сервера изменился.\nДоверять новому сертификату и продолжить?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Файлы, размер которых превышает это значение, не копируются.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>Недопустимый идентификатор подключения.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Введите 0, чтобы копировать файлы любого размера.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Отвязать</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Поиск серверов в локальной сети</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Ваш IP-адрес заблокирован сервером.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>Папка резервного копирования не смонтирована.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Подключение к NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Для этой учетной записи требуется одноразовый пароль (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Поиск серверов...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Выберите папку назначения на сервере:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>Сервер отправил недопустимый ответ.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Эта папка уже копируется другой задачей. Выберите другую папку.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Введите имя пользователя для прокси-сервера.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Перед началом резервного копирования проверьте указанные ниже параметры.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Эта версия Tarrowind Backup больше не поддерживается. Обновите программу.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Загрузка обновления...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Папки резервного копирования</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>Отвязка...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Нужна помощь? Выберите «Справка» в меню значка в области уведомлений.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Проверка учетной записи...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Доступна новая версия. Щелкните здесь, чтобы обновить.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Ошибка проверки SSL-сертификата сервера.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Дважды щелкните, чтобы изменить расширение файла.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>Неверный код OTP.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Не удалось создать сеанс на сервере.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>Новый язык будет применен после перезапуска Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Исключенные папки</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>Сервер изменился. Снова привяжите этот компьютер к серверу.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Не удалось обновить Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Прокси</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Введите расширение файла без точки в начале.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Слишком много неудачных попыток входа. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>SSL-сертификат сервера изменился.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Обновление...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Подключаться через службу ретрансляции</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Использовать системные настройки прокси</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Выберите папки на этом компьютере для резервного копирования и место их хранения на NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Файлы только копируются на NAS; изменения на NAS никогда не копируются обратно.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>Диск NAS заполнен. Не удается выполнить резервное копирование папки.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>Tarrowind Backup хранит копию ваших папок на NAS и обновляет ее при каждом изменении файлов.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Открыть Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Нет, спасибо</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>У вас нет разрешения на доступ к этой папке.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Введите адрес и порт прокси-сервера.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>Порт должен быть числом от 1 до 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>Прокси-сервер требует проверки подлинности</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Подключение...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Очередь передачи</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Общая папка с таким именем уже существует.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>Недопустимый запрос.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Администратор требует включить двухэтапную проверку для этой учетной записи.\nСначала включите ее в настройках NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Сводка</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>На сервере установлена неподдерживаемая версия. Обновите NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Введите код OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Без прокси</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Ваша квота хранилища на сервере исчерпана.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nВерсия %1\nCopyright (C) Veltrona. Все права защищены.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Не выбрано ни одной допустимой папки.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Файлы с этими расширениями не копируются:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Резервное копирование...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Не удается связаться со службой подключения.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>Папка назначения доступна только для чтения.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Осталось файлов: %1</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Не удается найти локальную папку резервного копирования.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Применение настроек...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Ошибка резервного копирования.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Назначение:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Отправка</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Учетная запись</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Подготовка</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Это не тот сервер, к которому привязан этот компьютер.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Начать сейчас</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>Общая папка не смонтирована.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Неверное имя пользователя или пароль.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>Служба домашних папок пользователей на NAS отключена.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>Общая папка не существует.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Эта учетная запись пользователя отключена.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Выберите папки для резервного копирования:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Использовать SSL-шифрование</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Ошибка сети. Проверьте подключение.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокировано</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Выбор папки на этом компьютере</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Не удается проверить SSL-сертификат сервера. Не удается выполнить резервное копирование папки.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Файлы копируются с этого компьютера на NAS.\nИзменения, внесенные на NAS, не копируются обратно.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Использовать черно-белый значок в области уведомлений</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Некоторые файлы в исходной папке не удается прочитать, они будут пропущены.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Актуально</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>Обновление загружено. Tarrowind Backup будет перезапущен для его установки.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>При проверке папки произошла системная ошибка.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>Направление этой задачи не совпадает с направлением на сервере.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Обновить версию</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Общий доступ</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Выберите папки на этом компьютере, резервную копию которых нужно создать.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>SSL-сертификат сервера изменился. Не удается выполнить резервное копирование папки.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Ошибка инициализации.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Выбор папок для резервного копирования</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Сохранять файлы на NAS после их удаления с этого компьютера</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Не удается выполнить резервное копирование этой папки.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>Диск заполнен. Освободите место и повторите попытку.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Исключенные расширения файлов</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>При проверке папки произошла сетевая ошибка.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Введите адрес NAS и данные учетной записи.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Отвязать этот компьютер от сервера?\nРезервное копирование будет остановлено до повторной привязки.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Предупреждение о SSL-сертификате</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Инициализация Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Ваша квота хранилища на сервере исчерпана. Не удается выполнить резервное копирование папки.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Проверка подключения...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Ручная настройка прокси</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>Квота общей папки исчерпана.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>У вас нет разрешения на доступ к этой общей папке.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Добро пожаловать в Tarrowind Backup.\nЭтот мастер поможет создать резервную копию папок этого компьютера на NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Запускать Tarrowind Backup при входе в систему</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Выберите хотя бы одну папку.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>Tarrowind Backup готов к работе.</translation>
    </message>
</context>
</TS>
