<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Processando %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Último envio: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Ocorreu um erro no banco de dados. Reinicie o Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Esta pasta se sobrepõe a outra pasta de backup. Escolha uma pasta diferente.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Mantenha seus arquivos seguros no seu NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Tamanho máximo do arquivo:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Não é possível verificar o certificado SSL do servidor.\nDeseja continuar a conexão?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>O certificado SSL do servidor foi alterado.\nVocê confia no novo certificado e deseja continuar?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Arquivos maiores que este tamanho não são incluídos no backup.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>O ID de conexão é inválido.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Digite 0 para fazer backup de arquivos de qualquer tamanho.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desvincular</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Search for servers on the local network</source>
        <translation>Procurar servidores na rede local</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>Seu endereço IP foi bloqueado pelo servidor.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>A pasta de backup não está montada.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Conectar ao seu NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Esta conta requer uma senha de uso único (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>Procurando servidores...</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Select the destination folder on the server:</source>
        <translation>Selecione a pasta de destino no servidor:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>O servidor enviou uma resposta inválida.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Outra tarefa já faz backup desta pasta. Escolha uma pasta diferente.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Digite o nome de usuário do servidor proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Verifique as configurações abaixo antes de iniciar o backup.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Esta versão do Tarrowind Backup não é mais suportada. Atualize-a.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>Baixando a atualização...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Pastas de backup</translation>
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
        <translation>Precisa de ajuda? Clique em Ajuda no menu da bandeja do sistema.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>Verificando sua conta...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Uma nova versão está disponível. Clique aqui para atualizar.</translation>
    </message>
    <message>
        <source>Failed to verify the SSL certificate of the server.</source>
        <translation>Falha ao verificar o certificado SSL do servidor.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>Double-click to edit the file extension.</source>
        <translation>Clique duas vezes para editar a extensão de arquivo.</translation>
    </message>
    <message>
        <source>The OTP code is incorrect.</source>
        <translation>O código OTP está incorreto.</translation>
    </message>
    <message>
        <source>Failed to create a session on the server.</source>
        <translation>Falha ao criar uma sessão no servidor.</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>The new language is used after Tarrowind Backup restarts.</source>
        <translation>O novo idioma será usado após a reinicialização do Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>Excluded folders</source>
        <translation>Pastas excluídas</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>The server has changed. Please link this computer to the server again.</source>
        <translation>O servidor foi alterado. Vincule este computador ao servidor novamente.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Failed to upgrade Tarrowind Backup.</source>
        <translation>Falha ao atualizar o Tarrowind Backup.</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Enter the file extension without the leading dot.</source>
        <translation>Digite a extensão de arquivo sem o ponto inicial.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Muitas tentativas de login malsucedidas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>Atualizando...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Conectar por meio do serviço de retransmissão</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Usar as configurações de proxy do sistema</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Escolha as pastas deste computador das quais fazer backup e onde mantê-las no NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Os arquivos são apenas copiados para o NAS; as alterações feitas no NAS nunca são copiadas de volta.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>O disco do NAS está cheio. Não é possível fazer backup da pasta.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>O Tarrowind Backup mantém uma cópia das suas pastas no seu NAS e a atualiza sempre que os arquivos são alterados.</translation>
    </message>
    <message>
        <source>Open Tarrowind Backup</source>
        <translation>Abrir o Tarrowind Backup</translation>
    </message>
    <message>
        <source>No, thanks</source>
        <translation>Não, obrigado</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>You do not have permission to access this folder.</source>
        <translation>Você não tem permissão para acessar esta pasta.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Digite o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>A porta deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Conectando...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Fila de transferência</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Já existe uma pasta compartilhada com este nome.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>A solicitação é inválida.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>Seu administrador exige a verificação em duas etapas para esta conta.\nAtive-a primeiro nas configurações do NAS.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>The server runs a version that is not supported. Please update the NAS.</source>
        <translation>O servidor executa uma versão não suportada. Atualize o NAS.</translation>
    </message>
    <message>
        <source>Enter the OTP code:</source>
        <translation>Digite o código OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>Sua cota de armazenamento no servidor se esgotou.</translation>
    </message>
    <message>
        <source>Tarrowind Backup\nVersion %1\nCopyright (C) Veltrona. All rights reserved.</source>
        <translation>Tarrowind Backup\nVersão %1\nCopyright (C) Veltrona. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>No valid folder was selected.</source>
        <translation>Nenhuma pasta válida foi selecionada.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Os arquivos com estas extensões não são incluídos no backup:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>Fazendo backup...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Não é possível acessar o serviço de conexão.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>A pasta de destino é somente leitura.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>%1 arquivos restantes</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>A pasta de backup local não foi encontrada.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>Aplicando configurações...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>Falha no backup.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Aguardando</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>Preparando</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Este servidor não é aquele ao qual este computador está vinculado.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>A pasta compartilhada não está montada.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nome de usuário ou senha incorretos.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>O serviço de pasta pessoal do usuário está desativado no NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>A pasta compartilhada não existe.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Esta conta de usuário está desativada.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Escolha as pastas para fazer backup:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Usar criptografia SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Erro de rede. Verifique sua conexão.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Select a Folder on This Computer</source>
        <translation>Selecionar uma pasta neste computador</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Não é possível verificar o certificado SSL do servidor. Não é possível fazer backup da pasta.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Os arquivos são copiados deste computador para o NAS.\nAs alterações feitas no NAS não são copiadas de volta.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Usar um ícone preto e branco na bandeja do sistema</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Alguns arquivos da pasta de origem não podem ser lidos e serão ignorados.</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>A atualização foi baixada. O Tarrowind Backup será reiniciado para instalá-la.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Ocorreu um erro do sistema ao verificar a pasta.</translation>
    </message>
    <message>
        <source>The direction of this task does not match the one on the server.</source>
        <translation>A direção desta tarefa não corresponde à do servidor.</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartilhado</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selecione as pastas deste computador das quais você deseja fazer backup.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>O certificado SSL do servidor foi alterado. Não é possível fazer backup da pasta.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>Falha na inicialização.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Escolher pastas de backup</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Manter os arquivos no NAS quando forem excluídos deste computador</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Não é possível fazer backup desta pasta.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>O disco está cheio. Libere espaço e tente novamente.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensões de arquivo excluídas</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Ocorreu um erro de rede ao verificar a pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Digite o endereço do seu NAS e os dados da sua conta.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Desvincular este computador do servidor?\nOs backups serão interrompidos até que você o vincule novamente.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Aviso de certificado SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>Inicializando o Tarrowind Backup...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>Sua cota de armazenamento no servidor se esgotou. Não é possível fazer backup da pasta.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>Testando a conexão...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual de proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A cota da pasta compartilhada se esgotou.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Você não tem permissão para acessar esta pasta compartilhada.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Bem-vindo ao Tarrowind Backup.\nEste assistente ajuda você a fazer backup das pastas deste computador no seu NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Iniciar o Tarrowind Backup quando eu fizer login</translation>
    </message>
    <message>
        <source>Please select at least one folder.</source>
        <translation>Selecione pelo menos uma pasta.</translation>
    </message>
    <message>
        <source>Tarrowind Backup is ready.</source>
        <translation>O Tarrowind Backup está pronto.</translation>
    </message>
</context>
</TS>
