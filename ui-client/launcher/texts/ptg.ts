<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
<context>
    <name>global</name>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>A processar %1</translation>
    </message>
    <message>
        <source>Last uploaded: %1</source>
        <translation>Último envio: %1</translation>
    </message>
    <message>
        <source>A database error occurred. Please restart Tarrowind Backup.</source>
        <translation>Ocorreu um erro na base de dados. Reinicie o Tarrowind Backup.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This folder overlaps with another backup folder. Please choose a different folder.</source>
        <translation>Esta pasta sobrepõe-se a outra pasta de cópia de segurança. Escolha uma pasta diferente.</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Keep your files safe on your NAS</source>
        <translation>Mantenha os seus ficheiros seguros no seu NAS</translation>
    </message>
    <message>
        <source>Maximum file size:</source>
        <translation>Tamanho máximo de ficheiro:</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified.\nDo you want to continue connecting?</source>
        <translation>Não é possível verificar o certificado SSL do servidor.\nPretende continuar a ligação?</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.\nDo you trust the new certificate and want to continue?</source>
        <translation>O certificado SSL do servidor foi alterado.\nConfia no novo certificado e pretende continuar?</translation>
    </message>
    <message>
        <source>Files larger than this size are not backed up.</source>
        <translation>Os ficheiros maiores do que este tamanho não são incluídos na cópia de segurança.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>The connection ID is invalid.</source>
        <translation>O ID de ligação é inválido.</translation>
    </message>
    <message>
        <source>Enter 0 to back up files of any size.</source>
        <translation>Introduza 0 para efetuar a cópia de segurança de ficheiros de qualquer tamanho.</translation>
    </message>
    <message>
        <source>Unlink</source>
        <translation>Desassociar</translation>
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
        <translation>Definições</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Your IP address has been blocked by the server.</source>
        <translation>O seu endereço IP foi bloqueado pelo servidor.</translation>
    </message>
    <message>
        <source>The backup folder is not mounted.</source>
        <translation>A pasta de cópia de segurança não está montada.</translation>
    </message>
    <message>
        <source>Connect to Your NAS</source>
        <translation>Ligar ao seu NAS</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>This account requires a one-time password (OTP).</source>
        <translation>Esta conta requer uma palavra-passe de utilização única (OTP).</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching for servers...</source>
        <translation>A procurar servidores...</translation>
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
        <translation>Anterior</translation>
    </message>
    <message>
        <source>The server sent an invalid response.</source>
        <translation>O servidor enviou uma resposta inválida.</translation>
    </message>
    <message>
        <source>This folder is already backed up by another task. Please choose a different folder.</source>
        <translation>Esta pasta já está a ser copiada por outra tarefa. Escolha uma pasta diferente.</translation>
    </message>
    <message>
        <source>Please enter the user name for the proxy server.</source>
        <translation>Introduza o nome de utilizador do servidor proxy.</translation>
    </message>
    <message>
        <source>Please check the settings below before starting the backup.</source>
        <translation>Verifique as definições abaixo antes de iniciar a cópia de segurança.</translation>
    </message>
    <message>
        <source>This version of Tarrowind Backup is no longer supported. Please upgrade it.</source>
        <translation>Esta versão do Tarrowind Backup já não é suportada. Atualize-a.</translation>
    </message>
    <message>
        <source>Downloading the update...</source>
        <translation>A transferir a atualização...</translation>
    </message>
    <message>
        <source>Backup Folders</source>
        <translation>Pastas de cópia de segurança</translation>
    </message>
    <message>
        <source>Unlinking...</source>
        <translation>A desassociar...</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Need help? Click Help in the tray menu.</source>
        <translation>Precisa de ajuda? Clique em Ajuda no menu da área de notificação.</translation>
    </message>
    <message>
        <source>Checking your account...</source>
        <translation>A verificar a sua conta...</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>A new version is available. Click here to update.</source>
        <translation>Está disponível uma nova versão. Clique aqui para atualizar.</translation>
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
        <translation>Faça duplo clique para editar a extensão de ficheiro.</translation>
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
        <translation>O novo idioma será utilizado depois de o Tarrowind Backup reiniciar.</translation>
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
        <translation>O servidor foi alterado. Associe novamente este computador ao servidor.</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predefinição do sistema</translation>
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
        <translation>Introduza a extensão de ficheiro sem o ponto inicial.</translation>
    </message>
    <message>
        <source>Too many failed sign-in attempts. Please try again later.</source>
        <translation>Demasiadas tentativas de início de sessão falhadas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed.</source>
        <translation>O certificado SSL do servidor foi alterado.</translation>
    </message>
    <message>
        <source>Updating...</source>
        <translation>A atualizar...</translation>
    </message>
    <message>
        <source>Connect through the relay service</source>
        <translation>Ligar através do serviço de retransmissão</translation>
    </message>
    <message>
        <source>Use the system proxy settings</source>
        <translation>Utilizar as definições de proxy do sistema</translation>
    </message>
    <message>
        <source>Choose the folders on this computer to back up and where to keep them on the NAS.</source>
        <translation>Escolha as pastas deste computador a incluir na cópia de segurança e onde as guardar no NAS.</translation>
    </message>
    <message>
        <source>Files are only copied to the NAS; changes on the NAS are never copied back.</source>
        <translation>Os ficheiros são apenas copiados para o NAS; as alterações efetuadas no NAS nunca são copiadas de volta.</translation>
    </message>
    <message>
        <source>The disk of the NAS is full. The folder cannot be backed up.</source>
        <translation>O disco do NAS está cheio. Não é possível efetuar a cópia de segurança da pasta.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Tarrowind Backup keeps a copy of your folders on your NAS and updates it whenever files change.</source>
        <translation>O Tarrowind Backup mantém uma cópia das suas pastas no seu NAS e atualiza-a sempre que os ficheiros são alterados.</translation>
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
        <translation>Não tem permissão para aceder a esta pasta.</translation>
    </message>
    <message>
        <source>Please enter the address and port of the proxy server.</source>
        <translation>Introduza o endereço e a porta do servidor proxy.</translation>
    </message>
    <message>
        <source>The port must be a number from 1 to 65535.</source>
        <translation>A porta tem de ser um número entre 1 e 65535.</translation>
    </message>
    <message>
        <source>The proxy server requires authentication</source>
        <translation>O servidor proxy requer autenticação</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>A ligar...</translation>
    </message>
    <message>
        <source>Transfer Queue</source>
        <translation>Fila de transferências</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançadas</translation>
    </message>
    <message>
        <source>NAS</source>
        <translation>NAS</translation>
    </message>
    <message>
        <source>A shared folder with this name already exists.</source>
        <translation>Já existe uma pasta partilhada com este nome.</translation>
    </message>
    <message>
        <source>The request is invalid.</source>
        <translation>O pedido é inválido.</translation>
    </message>
    <message>
        <source>Your administrator requires 2-step verification for this account.\nPlease turn it on in the NAS settings first.</source>
        <translation>O seu administrador exige a verificação em dois passos para esta conta.\nAtive-a primeiro nas definições do NAS.</translation>
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
        <translation>Introduza o código OTP:</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>Sem proxy</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up.</source>
        <translation>A sua quota de armazenamento no servidor está esgotada.</translation>
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
        <translation>Não foi selecionada nenhuma pasta válida.</translation>
    </message>
    <message>
        <source>Files with these extensions are not backed up:</source>
        <translation>Os ficheiros com estas extensões não são incluídos na cópia de segurança:</translation>
    </message>
    <message>
        <source>Backing up...</source>
        <translation>A efetuar a cópia de segurança...</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Cannot reach the connection service.</source>
        <translation>Não é possível aceder ao serviço de ligação.</translation>
    </message>
    <message>
        <source>The destination folder is read-only.</source>
        <translation>A pasta de destino é só de leitura.</translation>
    </message>
    <message>
        <source>%1 files left</source>
        <translation>Faltam %1 ficheiros</translation>
    </message>
    <message>
        <source>The local backup folder cannot be found.</source>
        <translation>Não foi possível encontrar a pasta de cópia de segurança local.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Applying settings...</source>
        <translation>A aplicar as definições...</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome de utilizador</translation>
    </message>
    <message>
        <source>Backup failed.</source>
        <translation>A cópia de segurança falhou.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>A enviar</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Em espera</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Preparing</source>
        <translation>A preparar</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Ligação</translation>
    </message>
    <message>
        <source>This server is not the one this computer is linked to.</source>
        <translation>Este servidor não é aquele a que este computador está associado.</translation>
    </message>
    <message>
        <source>Start Now</source>
        <translation>Iniciar agora</translation>
    </message>
    <message>
        <source>The shared folder is not mounted.</source>
        <translation>A pasta partilhada não está montada.</translation>
    </message>
    <message>
        <source>Incorrect user name or password.</source>
        <translation>Nome de utilizador ou palavra-passe incorretos.</translation>
    </message>
    <message>
        <source>The user home service is disabled on the NAS.</source>
        <translation>O serviço de pasta pessoal do utilizador está desativado no NAS.</translation>
    </message>
    <message>
        <source>The shared folder does not exist.</source>
        <translation>A pasta partilhada não existe.</translation>
    </message>
    <message>
        <source>This user account is disabled.</source>
        <translation>Esta conta de utilizador está desativada.</translation>
    </message>
    <message>
        <source>Choose the folders to back up:</source>
        <translation>Escolha as pastas a incluir na cópia de segurança:</translation>
    </message>
    <message>
        <source>Use SSL encryption</source>
        <translation>Utilizar encriptação SSL</translation>
    </message>
    <message>
        <source>Network error. Please check your connection.</source>
        <translation>Erro de rede. Verifique a sua ligação.</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Só de leitura</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>The SSL certificate of the server cannot be verified. The folder cannot be backed up.</source>
        <translation>Não é possível verificar o certificado SSL do servidor. Não é possível efetuar a cópia de segurança da pasta.</translation>
    </message>
    <message>
        <source>Files are copied from this computer to the NAS.\nChanges made on the NAS are not copied back.</source>
        <translation>Os ficheiros são copiados deste computador para o NAS.\nAs alterações efetuadas no NAS não são copiadas de volta.</translation>
    </message>
    <message>
        <source>Use a black and white tray icon</source>
        <translation>Utilizar um ícone a preto e branco na área de notificação</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Some files in the source folder cannot be read and will be skipped.</source>
        <translation>Não é possível ler alguns ficheiros da pasta de origem, pelo que serão ignorados.</translation>
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
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>The update has been downloaded. Tarrowind Backup restarts to install it.</source>
        <translation>A atualização foi transferida. O Tarrowind Backup será reiniciado para a instalar.</translation>
    </message>
    <message>
        <source>A system error occurred while checking the folder.</source>
        <translation>Ocorreu um erro de sistema ao verificar a pasta.</translation>
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
        <translation>Partilhado</translation>
    </message>
    <message>
        <source>Select the folders on this computer that you want to back up.</source>
        <translation>Selecione as pastas deste computador que pretende incluir na cópia de segurança.</translation>
    </message>
    <message>
        <source>The SSL certificate of the server has changed. The folder cannot be backed up.</source>
        <translation>O certificado SSL do servidor foi alterado. Não é possível efetuar a cópia de segurança da pasta.</translation>
    </message>
    <message>
        <source>Initialization failed.</source>
        <translation>A inicialização falhou.</translation>
    </message>
    <message>
        <source>Tarrowind Backup</source>
        <translation>Tarrowind Backup</translation>
    </message>
    <message>
        <source>Choose Backup Folders</source>
        <translation>Escolher as pastas de cópia de segurança</translation>
    </message>
    <message>
        <source>Keep files on the NAS when they are deleted from this computer</source>
        <translation>Manter os ficheiros no NAS quando forem eliminados deste computador</translation>
    </message>
    <message>
        <source>This folder cannot be backed up.</source>
        <translation>Não é possível efetuar a cópia de segurança desta pasta.</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>The disk is full. Please free some space and try again.</source>
        <translation>O disco está cheio. Liberte espaço e tente novamente.</translation>
    </message>
    <message>
        <source>Excluded file extensions</source>
        <translation>Extensões de ficheiro excluídas</translation>
    </message>
    <message>
        <source>A network error occurred while checking the folder.</source>
        <translation>Ocorreu um erro de rede ao verificar a pasta.</translation>
    </message>
    <message>
        <source>Enter the address of your NAS and your account.</source>
        <translation>Introduza o endereço do seu NAS e os dados da sua conta.</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Unlink this computer from the server?\nBackups stop until you link it again.</source>
        <translation>Desassociar este computador do servidor?\nAs cópias de segurança são interrompidas até voltar a associá-lo.</translation>
    </message>
    <message>
        <source>SSL Certificate Warning</source>
        <translation>Aviso de certificado SSL</translation>
    </message>
    <message>
        <source>Tarrowind Backup is initializing...</source>
        <translation>O Tarrowind Backup está a inicializar...</translation>
    </message>
    <message>
        <source>Your storage quota on the server is used up. The folder cannot be backed up.</source>
        <translation>A sua quota de armazenamento no servidor está esgotada. Não é possível efetuar a cópia de segurança da pasta.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Testing the connection...</source>
        <translation>A testar a ligação...</translation>
    </message>
    <message>
        <source>Manual proxy configuration</source>
        <translation>Configuração manual do proxy</translation>
    </message>
    <message>
        <source>The quota of the shared folder is used up.</source>
        <translation>A quota da pasta partilhada está esgotada.</translation>
    </message>
    <message>
        <source>You do not have permission to access this shared folder.</source>
        <translation>Não tem permissão para aceder a esta pasta partilhada.</translation>
    </message>
    <message>
        <source>Welcome to Tarrowind Backup.\nThis wizard helps you back up the folders of this computer to your NAS.</source>
        <translation>Bem-vindo ao Tarrowind Backup.\nEste assistente ajuda-o a efetuar a cópia de segurança das pastas deste computador para o seu NAS.</translation>
    </message>
    <message>
        <source>Start Tarrowind Backup when I sign in</source>
        <translation>Iniciar o Tarrowind Backup ao iniciar sessão</translation>
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
